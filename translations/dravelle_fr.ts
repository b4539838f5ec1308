<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ClipboardText</name>
    <message>
        <source>The clipboard does not hold pages Dravelle can read.</source>
        <translation>Le presse-papiers ne contient pas de pages lisibles par Dravelle.</translation>
    </message>
    <message>
        <source>There are no pages to paste.</source>
        <translation>Il n&apos;y a aucune page à coller.</translation>
    </message>
    <message>
        <source>These pages are for a cross of %1 x %1 dots; this animation is %2 x %2 dots.</source>
        <translation>Ces pages sont faites pour une croix de %1 x %1 points ; cette animation fait %2 x %2 points.</translation>
    </message>
    <message>
        <source>The pages cannot be pasted.</source>
        <translation>Impossible de coller les pages.</translation>
    </message>
    <message>
        <source>There are no pages to cut.</source>
        <translation>Il n&apos;y a aucune page à couper.</translation>
    </message>
    <message>
        <source>An animation keeps at least one page: copy the pages instead.</source>
        <translation>Une animation garde au moins une page : copiez plutôt les pages.</translation>
    </message>
    <message>
        <source>The pages cannot be cut.</source>
        <translation>Impossible de couper les pages.</translation>
    </message>
</context>
<context>
    <name>CrsText</name>
    <message>
        <source>The resolution must be 48 or 64, not %1.</source>
        <translation>La résolution doit être 48 ou 64, et non %1.</translation>
    </message>
    <message>
        <source>The animation has no page.</source>
        <translation>L&apos;animation n&apos;a aucune page.</translation>
    </message>
    <message>
        <source>Page %1 does not have %2 x %2 dots.</source>
        <translation>La page %1 n&apos;a pas %2 x %2 points.</translation>
    </message>
    <message>
        <source>The animation could not be encoded as a GIF.</source>
        <translation>Impossible d&apos;encoder l&apos;animation en GIF.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>Dravelle</name>
    <message>
        <source>There is no animation to save.</source>
        <translation>Il n&apos;y a aucune animation à enregistrer.</translation>
    </message>
    <message>
        <source>The words may have at most %1 characters.</source>
        <translation>Le texte peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The font size must be %1 to %2.</source>
        <translation>La taille de police doit être entre %1 et %2.</translation>
    </message>
    <message>
        <source>Unknown colour.</source>
        <translation>Couleur inconnue.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>The delay cannot be negative.</source>
        <translation>Le délai ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>There is no animation.</source>
        <translation>Il n&apos;y a aucune animation.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>L&apos;importation a été annulée.</translation>
    </message>
    <message>
        <source>There is no animation to add words to.</source>
        <translation>Il n&apos;y a aucune animation à laquelle ajouter du texte.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Select a file or folder</source>
        <translation>Choisissez un fichier ou un dossier</translation>
    </message>
    <message>
        <source>animation file (*.gif *.crs *.jpg *.bmp)</source>
        <translation>fichier d&apos;animation (*.gif *.crs *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>A font name may have at most %1 characters.</source>
        <translation>Un nom de police peut compter au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>dravelle::editor</name>
    <message>
        <source>The picture has %1 frames: the first %2 were taken, the most pages an animation of %3 x %3 dots may have.</source>
        <translation>L&apos;image contient %1 images : les %2 premières ont été prises, le maximum de pages d&apos;une animation de %3 x %3 points.</translation>
    </message>
    <message>
        <source>These words would make %1 pages: an animation of %2 x %2 dots may have at most %3. Please use a shorter text or a smaller size.</source>
        <translation>Ce texte donnerait %1 pages : une animation de %2 x %2 points en compte au plus %3. Veuillez raccourcir le texte ou réduire la taille.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ColourBar</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ColourPair</name>
    <message>
        <source>Drawing and erase colour</source>
        <translation>Couleur de dessin et d&apos;effacement</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::DelayDlg</name>
    <message>
        <source>Change All Page&apos;s Delay</source>
        <translation>Modifier le délai de toutes les pages</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::DravelleView</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <source>Current Group</source>
        <translation>Groupe actuel</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Please to stop preview first!</source>
        <translation>Veuillez d&apos;abord arrêter l&apos;aperçu !</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::EditCommands</name>
    <message>
        <source>Mirror Left-Right</source>
        <translation>Miroir gauche-droite</translation>
    </message>
    <message>
        <source>Mirror Top-Bottom</source>
        <translation>Miroir haut-bas</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Décaler vers le haut</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Décaler vers le bas</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Décaler vers la gauche</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Décaler vers la droite</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut Pages</source>
        <translation>Couper les pages</translation>
    </message>
    <message>
        <source>Copy Pages</source>
        <translation>Copier les pages</translation>
    </message>
    <message>
        <source>Paste Pages</source>
        <translation>Coller les pages</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Dupliquer les pages</translation>
    </message>
    <message>
        <source>Transform Current Page</source>
        <translation>Transformer la page actuelle</translation>
    </message>
    <message>
        <source>Transform All Pages</source>
        <translation>Transformer toutes les pages</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>The clipboard holds no pages.</source>
        <translation>Le presse-papiers ne contient aucune page.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ImportDlg</name>
    <message>
        <source>Get Animation From Video File</source>
        <translation>Extraire une animation d&apos;un fichier vidéo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Images :</translation>
    </message>
    <message>
        <source>Gray:</source>
        <translation>Gris :</translation>
    </message>
    <message>
        <source>GetAnimations</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Entière</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Impossible de lire ce fichier : %1</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::MainFrame</name>
    <message>
        <source>Save Animation as</source>
        <translation>Enregistrer l&apos;animation sous</translation>
    </message>
    <message>
        <source>cross file(*.crs)</source>
        <translation>fichier de croix(*.crs)</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Colour picker</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Big pen</source>
        <translation>Gros crayon</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Circumgyrate</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Edit Cross Animation</source>
        <translation>Édition d&apos;animation pour la croix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Ouvrir une animation</translation>
    </message>
    <message>
        <source>Save Animation</source>
        <translation>Enregistrer l&apos;animation</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Modèles</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Dravelle...</source>
        <translation>À &amp;propos de Dravelle...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Cross Resolution</source>
        <translation>Résolution de la croix</translation>
    </message>
    <message>
        <source>Add Words</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Change All Delay</source>
        <translation>Modifier tous les délais</translation>
    </message>
    <message>
        <source>Reverse Color</source>
        <translation>Inverser les couleurs</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;ét&amp;at</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Do you want save the animation?</source>
        <translation>Voulez-vous enregistrer l&apos;animation ?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>About Dravelle</source>
        <translation>À propos de Dravelle</translation>
    </message>
    <message>
        <source>Dravelle Version 1.06</source>
        <translation>Dravelle version 1.06</translation>
    </message>
    <message>
        <source>&amp;Onion Skin</source>
        <translation>Pelure d&apos;&amp;oignon</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::PageStripPanel</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Délai %1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisie</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::RecentMenu</name>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>The file %1 cannot be found. It is taken off the recent files.</source>
        <translation>Le fichier %1 est introuvable. Il est retiré des fichiers récents.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::RecoveryKeeper</name>
    <message>
        <source>The recovery copy cannot be written: %1</source>
        <translation>Impossible d&apos;écrire la copie de secours : %1</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Dravelle was not closed normally. Do you want to restore the animation it was editing?</source>
        <translation>Dravelle n&apos;a pas été fermé normalement. Voulez-vous restaurer l&apos;animation en cours d&apos;édition ?</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>Impossible de lire la copie de secours %1 : %2</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ResolutionDlg</name>
    <message>
        <source>Cross Resolution</source>
        <translation>Résolution de la croix</translation>
    </message>
    <message>
        <source>48 x 48</source>
        <translation>48 x 48</translation>
    </message>
    <message>
        <source>64 x 64</source>
        <translation>64 x 64</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Ne plus afficher</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ReverseColorDlg</name>
    <message>
        <source>Reverse Color</source>
        <translation>Inverser les couleurs</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <source>All Page</source>
        <translation>Toutes les pages</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::SquareWidget</name>
    <message>
        <source>Editing square</source>
        <translation>Carré d&apos;édition</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WaitWindow</name>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Processing, please wait...</source>
        <translation>Traitement en cours, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WordsDlg</name>
    <message>
        <source>Show Words</source>
        <translation>Afficher du texte</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>StartX</source>
        <translation>Départ X</translation>
    </message>
    <message>
        <source>StartY</source>
        <translation>Départ Y</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Sortie complète</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>Horizontal :</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Background
Color:</source>
        <translation>Couleur
de fond :</translation>
    </message>
    <message>
        <source>StartX:</source>
        <translation>Départ X :</translation>
    </message>
    <message>
        <source>StartY:</source>
        <translation>Départ Y :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WordsJob</name>
    <message>
        <source>The words are still being drawn.</source>
        <translation>Le texte est encore en cours de dessin.</translation>
    </message>
    <message>
        <source>There is no animation to add words to.</source>
        <translation>Il n&apos;y a aucune animation à laquelle ajouter du texte.</translation>
    </message>
    <message>
        <source>Please wait: the words are still being drawn.</source>
        <translation>Veuillez patienter : le texte est encore en cours de dessin.</translation>
    </message>
</context>
</TS>
