<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ClipboardText</name>
    <message>
        <source>The clipboard does not hold pages Dravelle can read.</source>
        <translation>Gli appunti non contengono pagine che Dravelle possa leggere.</translation>
    </message>
    <message>
        <source>There are no pages to paste.</source>
        <translation>Non ci sono pagine da incollare.</translation>
    </message>
    <message>
        <source>These pages are for a cross of %1 x %1 dots; this animation is %2 x %2 dots.</source>
        <translation>Queste pagine sono per una croce di %1 x %1 punti; questa animazione è di %2 x %2 punti.</translation>
    </message>
    <message>
        <source>The pages cannot be pasted.</source>
        <translation>Impossibile incollare le pagine.</translation>
    </message>
    <message>
        <source>There are no pages to cut.</source>
        <translation>Non ci sono pagine da tagliare.</translation>
    </message>
    <message>
        <source>An animation keeps at least one page: copy the pages instead.</source>
        <translation>Un&apos;animazione conserva almeno una pagina: copia invece le pagine.</translation>
    </message>
    <message>
        <source>The pages cannot be cut.</source>
        <translation>Impossibile tagliare le pagine.</translation>
    </message>
</context>
<context>
    <name>CrsText</name>
    <message>
        <source>The resolution must be 48 or 64, not %1.</source>
        <translation>La risoluzione deve essere 48 o 64, non %1.</translation>
    </message>
    <message>
        <source>The animation has no page.</source>
        <translation>L&apos;animazione non ha pagine.</translation>
    </message>
    <message>
        <source>Page %1 does not have %2 x %2 dots.</source>
        <translation>La pagina %1 non ha %2 x %2 punti.</translation>
    </message>
    <message>
        <source>The animation could not be encoded as a GIF.</source>
        <translation>Impossibile codificare l&apos;animazione come GIF.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
</context>
<context>
    <name>Dravelle</name>
    <message>
        <source>There is no animation to save.</source>
        <translation>Non c&apos;è nessuna animazione da salvare.</translation>
    </message>
    <message>
        <source>The words may have at most %1 characters.</source>
        <translation>Il testo può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The font size must be %1 to %2.</source>
        <translation>La dimensione del carattere deve essere tra %1 e %2.</translation>
    </message>
    <message>
        <source>Unknown colour.</source>
        <translation>Colore sconosciuto.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>The delay cannot be negative.</source>
        <translation>Il ritardo non può essere negativo.</translation>
    </message>
    <message>
        <source>There is no animation.</source>
        <translation>Non c&apos;è nessuna animazione.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>L&apos;importazione è stata annullata.</translation>
    </message>
    <message>
        <source>There is no animation to add words to.</source>
        <translation>Non c&apos;è nessuna animazione a cui aggiungere il testo.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Select a file or folder</source>
        <translation>Scegli un file o una cartella</translation>
    </message>
    <message>
        <source>animation file (*.gif *.crs *.jpg *.bmp)</source>
        <translation>file di animazione (*.gif *.crs *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>A font name may have at most %1 characters.</source>
        <translation>Il nome di un carattere può avere al massimo %1 caratteri.</translation>
    </message>
</context>
<context>
    <name>dravelle::editor</name>
    <message>
        <source>The picture has %1 frames: the first %2 were taken, the most pages an animation of %3 x %3 dots may have.</source>
        <translation>L&apos;immagine ha %1 fotogrammi: sono stati presi i primi %2, il massimo di pagine di un&apos;animazione di %3 x %3 punti.</translation>
    </message>
    <message>
        <source>These words would make %1 pages: an animation of %2 x %2 dots may have at most %3. Please use a shorter text or a smaller size.</source>
        <translation>Questo testo darebbe %1 pagine: un&apos;animazione di %2 x %2 punti può averne al massimo %3. Usa un testo più corto o una dimensione minore.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ColourBar</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ColourPair</name>
    <message>
        <source>Drawing and erase colour</source>
        <translation>Colore di disegno e di cancellazione</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::DelayDlg</name>
    <message>
        <source>Change All Page&apos;s Delay</source>
        <translation>Cambia il ritardo di tutte le pagine</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Ritardo:</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina attuale</translation>
    </message>
    <message>
        <source>Current Group</source>
        <translation>Gruppo attuale</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Please to stop preview first!</source>
        <translation>Interrompi prima l&apos;anteprima!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::EditCommands</name>
    <message>
        <source>Mirror Left-Right</source>
        <translation>Specchia sinistra-destra</translation>
    </message>
    <message>
        <source>Mirror Top-Bottom</source>
        <translation>Specchia alto-basso</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Sposta in alto</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Sposta in basso</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Cut Pages</source>
        <translation>Taglia pagine</translation>
    </message>
    <message>
        <source>Copy Pages</source>
        <translation>Copia pagine</translation>
    </message>
    <message>
        <source>Paste Pages</source>
        <translation>Incolla pagine</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Duplica pagine</translation>
    </message>
    <message>
        <source>Transform Current Page</source>
        <translation>Trasforma la pagina attuale</translation>
    </message>
    <message>
        <source>Transform All Pages</source>
        <translation>Trasforma tutte le pagine</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>The clipboard holds no pages.</source>
        <translation>Gli appunti non contengono pagine.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ImportDlg</name>
    <message>
        <source>Get Animation From Video File</source>
        <translation>Ricava un&apos;animazione da un file video</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fotogrammi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogrammi:</translation>
    </message>
    <message>
        <source>Gray:</source>
        <translation>Grigio:</translation>
    </message>
    <message>
        <source>GetAnimations</source>
        <translation>Ricava</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Intera</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Impossibile leggere questo file: %1</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::MainFrame</name>
    <message>
        <source>Save Animation as</source>
        <translation>Salva animazione come</translation>
    </message>
    <message>
        <source>cross file(*.crs)</source>
        <translation>file della croce(*.crs)</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Colour picker</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Big pen</source>
        <translation>Matita grossa</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellisse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Circumgyrate</source>
        <translation>Vortice</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Edit Cross Animation</source>
        <translation>Modifica di animazioni per la croce</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nuova animazione</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Apri animazione</translation>
    </message>
    <message>
        <source>Save Animation</source>
        <translation>Salva animazione</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Modelli</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About Dravelle...</source>
        <translation>&amp;Informazioni su Dravelle...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Cross Resolution</source>
        <translation>Risoluzione della croce</translation>
    </message>
    <message>
        <source>Add Words</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Change All Delay</source>
        <translation>Cambia tutti i ritardi</translation>
    </message>
    <message>
        <source>Reverse Color</source>
        <translation>Inverti colori</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Do you want save the animation?</source>
        <translation>Vuoi salvare l&apos;animazione?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvato</translation>
    </message>
    <message>
        <source>About Dravelle</source>
        <translation>Informazioni su Dravelle</translation>
    </message>
    <message>
        <source>Dravelle Version 1.06</source>
        <translation>Dravelle versione 1.06</translation>
    </message>
    <message>
        <source>&amp;Onion Skin</source>
        <translation>&amp;Carta velina</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::PageStripPanel</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Ritardo %1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>scelta</translation>
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
        <translation>Impossibile trovare il file %1. Viene tolto dai file recenti.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::RecoveryKeeper</name>
    <message>
        <source>The recovery copy cannot be written: %1</source>
        <translation>Impossibile scrivere la copia di recupero: %1</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Dravelle was not closed normally. Do you want to restore the animation it was editing?</source>
        <translation>Dravelle non è stato chiuso correttamente. Vuoi ripristinare l&apos;animazione che stavi modificando?</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>Impossibile leggere la copia di recupero %1: %2</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ResolutionDlg</name>
    <message>
        <source>Cross Resolution</source>
        <translation>Risoluzione della croce</translation>
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
        <translation>Non mostrare più</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ReverseColorDlg</name>
    <message>
        <source>Reverse Color</source>
        <translation>Inverti colori</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Ambito</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina attuale</translation>
    </message>
    <message>
        <source>All Page</source>
        <translation>Tutte le pagine</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::SquareWidget</name>
    <message>
        <source>Editing square</source>
        <translation>Riquadro di modifica</translation>
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
        <translation>Elaborazione in corso, attendere...</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WordsDlg</name>
    <message>
        <source>Show Words</source>
        <translation>Mostra testo</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>StartX</source>
        <translation>Inizio X</translation>
    </message>
    <message>
        <source>StartY</source>
        <translation>Inizio Y</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Uscita completa</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>Orizzontale:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>Background
Color:</source>
        <translation>Colore
di sfondo:</translation>
    </message>
    <message>
        <source>StartX:</source>
        <translation>Inizio X:</translation>
    </message>
    <message>
        <source>StartY:</source>
        <translation>Inizio Y:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WordsJob</name>
    <message>
        <source>The words are still being drawn.</source>
        <translation>Il testo è ancora in fase di disegno.</translation>
    </message>
    <message>
        <source>There is no animation to add words to.</source>
        <translation>Non c&apos;è nessuna animazione a cui aggiungere il testo.</translation>
    </message>
    <message>
        <source>Please wait: the words are still being drawn.</source>
        <translation>Attendi: il testo è ancora in fase di disegno.</translation>
    </message>
</context>
</TS>
