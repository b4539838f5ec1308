<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FontText</name>
    <message>
        <source>Can&apos;t set register information about font!</source>
        <translation>Impossible d&apos;enregistrer les informations de la police !</translation>
    </message>
    <message>
        <source>The font %1 cannot be loaded.</source>
        <translation>Impossible de charger la police %1.</translation>
    </message>
</context>
<context>
    <name>ImageBuilder</name>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>The %1 image is %2 bytes, more than the %3 bytes its region of the cross holds. Nothing was sent.</source>
        <translation>L&apos;image %1 occupe %2 octets, soit plus que les %3 octets de sa zone dans la croix. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>%1 is not in the animation list; it is sent with loop 1, speed 4 and frame style None.</source>
        <translation>%1 ne figure pas dans la liste des animations ; il est envoyé avec une boucle de 1, la vitesse 4 et sans cadre.</translation>
    </message>
</context>
<context>
    <name>LibraryText</name>
    <message>
        <source>Cannot copy &quot;%1&quot; into the animations folder: %2.</source>
        <translation>Impossible de copier « %1 » dans le dossier des animations : %2.</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name.</source>
        <translation>« %1 » n&apos;est pas un simple nom de fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an animation file (.crs, .bmp or .jpg).</source>
        <translation>« %1 » n&apos;est pas un fichier d&apos;animation (.crs, .bmp ou .jpg).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is longer than %2 characters; a play project cannot hold it.</source>
        <translation>Le nom de fichier « %1 » dépasse %2 caractères ; un projet de lecture ne peut pas le contenir.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has characters that a play project cannot hold.</source>
        <translation>Le nom de fichier « %1 » contient des caractères qu&apos;un projet de lecture ne peut pas contenir.</translation>
    </message>
</context>
<context>
    <name>PlayProject</name>
    <message>
        <source>The project has no file yet: save it under a name.</source>
        <translation>Le projet n&apos;a pas encore de fichier : enregistrez-le sous un nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the animation list.</source>
        <translation>« %1 » ne figure pas dans la liste des animations.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file of the animations folder.</source>
        <translation>« %1 » n&apos;est pas un fichier du dossier des animations.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the play list.</source>
        <translation>« %1 » figure déjà dans la liste de lecture.</translation>
    </message>
    <message>
        <source>You can&apos;t add any MESSAGE to Play List as Play List is full!</source>
        <translation>Impossible d&apos;ajouter un MESSAGE : la liste de lecture est pleine !</translation>
    </message>
    <message>
        <source>The animation can&apos;t be delete because it is selected!</source>
        <translation>Impossible de supprimer l&apos;animation : elle est sélectionnée !</translation>
    </message>
    <message>
        <source>The characters can&apos;t be shown in the parameter LOOP of animation!</source>
        <translation>Ces caractères ne sont pas admis dans le paramètre BOUCLE de l&apos;animation !</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 1000.</source>
        <translation>Veuillez saisir un nombre entier entre 1 et 1000.</translation>
    </message>
    <message>
        <source>There is no message number %1.</source>
        <translation>Il n&apos;y a pas de message numéro %1.</translation>
    </message>
    <message>
        <source>There is no choice %1 in that list.</source>
        <translation>Cette liste n&apos;a pas de choix %1.</translation>
    </message>
    <message>
        <source>The number in LOOP is too large (at most %1).</source>
        <translation>Le nombre de BOUCLE est trop grand (%1 au maximum).</translation>
    </message>
    <message>
        <source>A text can hold at most %1 characters.</source>
        <translation>Un texte peut contenir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The text has characters that a play project cannot hold.</source>
        <translation>Le texte contient des caractères qu&apos;un projet de lecture ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The speed of a text is %1 to %2.</source>
        <translation>La vitesse d&apos;un texte va de %1 à %2.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>One dot</source>
        <translation>Un point</translation>
    </message>
    <message>
        <source>Two dots</source>
        <translation>Deux points</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Défilant</translation>
    </message>
    <message>
        <source>Flash one dot</source>
        <translation>Un point clignotant</translation>
    </message>
    <message>
        <source>Flash two dots</source>
        <translation>Deux points clignotants</translation>
    </message>
</context>
<context>
    <name>PlstText</name>
    <message>
        <source>%1 has no end (no NUL in its %2 bytes)</source>
        <translation>%1 n&apos;a pas de fin (aucun NUL dans ses %2 octets)</translation>
    </message>
    <message>
        <source>%1 is %2 (%3 to %4 expected)</source>
        <translation>%1 vaut %2 (de %3 à %4 attendu)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a plain file name</source>
        <translation>%1 « %2 » n&apos;est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>play list entry %1</source>
        <translation>l&apos;entrée %1 de la liste de lecture</translation>
    </message>
    <message>
        <source>animation entry %1</source>
        <translation>l&apos;entrée d&apos;animation %1</translation>
    </message>
    <message>
        <source>the speed of %1</source>
        <translation>la vitesse de %1</translation>
    </message>
    <message>
        <source>the frame style of %1</source>
        <translation>le style de cadre de %1</translation>
    </message>
    <message>
        <source>the back animation of %1</source>
        <translation>l&apos;animation de fond de %1</translation>
    </message>
    <message>
        <source>the text of %1</source>
        <translation>le texte de %1</translation>
    </message>
    <message>
        <source>the size of %1</source>
        <translation>la taille de %1</translation>
    </message>
    <message>
        <source>it is too short (%1 bytes)</source>
        <translation>il est trop court (%1 octets)</translation>
    </message>
    <message>
        <source>its play list count is negative (%1)</source>
        <translation>le nombre d&apos;entrées de sa liste de lecture est négatif (%1)</translation>
    </message>
    <message>
        <source>its play list has %1 entries (at most %2 expected)</source>
        <translation>sa liste de lecture a %1 entrées (%2 au maximum attendues)</translation>
    </message>
    <message>
        <source>its animation count is negative (%1)</source>
        <translation>son nombre d&apos;animations est négatif (%1)</translation>
    </message>
    <message>
        <source>its length (%1 bytes) does not match its counts (%2 and %3 entries: %4 bytes)</source>
        <translation>sa longueur (%1 octets) ne correspond pas à ses nombres d&apos;entrées (%2 et %3 entrées : %4 octets)</translation>
    </message>
    <message>
        <source>is damaged: %1.</source>
        <translation>est endommagé : %1.</translation>
    </message>
    <message>
        <source>the play list has more than %1 entries.</source>
        <translation>la liste de lecture a plus de %1 entrées.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit a play project (too long, or characters without a single-byte form).</source>
        <translation>« %1 » ne tient pas dans un projet de lecture (trop long, ou caractères sans forme sur un octet).</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a play project.</source>
        <translation>« %1 » est trop volumineux pour être un projet de lecture.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>SendJob</name>
    <message>
        <source>Opening Com port, Please Wait......</source>
        <translation>Ouverture du port COM, veuillez patienter......</translation>
    </message>
    <message>
        <source>Preparing Send Data, Please Wait......</source>
        <translation>Préparation des données à envoyer, veuillez patienter......</translation>
    </message>
    <message>
        <source>Can&apos;t find cross!</source>
        <translation>Croix introuvable !</translation>
    </message>
    <message>
        <source>Preparing Call Cross, Please wait......</source>
        <translation>Appel de la croix, veuillez patienter......</translation>
    </message>
    <message>
        <source>Can&apos;t Open Com Port!</source>
        <translation>Impossible d&apos;ouvrir le port COM !</translation>
    </message>
    <message>
        <source>Send Complete!</source>
        <translation>Envoi terminé !</translation>
    </message>
    <message>
        <source>Delete Cross Animations</source>
        <translation>Effacement des animations de la croix</translation>
    </message>
    <message>
        <source>Sending No%1 Section TOC</source>
        <translation>Envoi de la section %1 de la table des matières</translation>
    </message>
    <message>
        <source>Sending No%1 Section Animations</source>
        <translation>Envoi de la section %1 des animations</translation>
    </message>
    <message>
        <source>Sending No%1 Section Text</source>
        <translation>Envoi de la section %1 des textes</translation>
    </message>
    <message>
        <source>Please open a exist playlist file, or create a new playlist file.</source>
        <translation>Veuillez ouvrir un fichier de liste de lecture existant ou en créer un nouveau.</translation>
    </message>
</context>
<context>
    <name>UsageText</name>
    <message>
        <source>TOC</source>
        <translation>Table des matières</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>%1 block</source>
        <translation>%1 bloc</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <translation>%1 blocs</translation>
    </message>
    <message>
        <source>send %1</source>
        <translation>envoi %1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes, %4, %5%</source>
        <translation>%1 : %2 octets sur %3, %4, %5 %</translation>
    </message>
    <message>
        <source>Sending takes at least %1 (%2)</source>
        <translation>L&apos;envoi prend au moins %1 (%2)</translation>
    </message>
</context>
<context>
    <name>halvane::encode</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is sent as one dark frame. %2</source>
        <translation>%1 est envoyé sous la forme d&apos;une seule image éteinte. %2</translation>
    </message>
</context>
<context>
    <name>halvane::link</name>
    <message>
        <source>   Can&apos;t find cross!     </source>
        <translation>   Croix introuvable !     </translation>
    </message>
    <message>
        <source>   COM : --     </source>
        <translation>   COM : --     </translation>
    </message>
    <message>
        <source>   Baudrate : ------     </source>
        <translation>   Débit : ------     </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>   Single Color CROSS %1    </source>
        <translation>   CROIX monochrome %1    </translation>
    </message>
    <message>
        <source>   COM : %1     </source>
        <translation>   COM : %1     </translation>
    </message>
    <message>
        <source>   Baudrate : %1     </source>
        <translation>   Débit : %1     </translation>
    </message>
    <message>
        <source>HH%1:MM%1 is smaller than HH%2:MM%2</source>
        <translation>HH%1:MM%1 est antérieur à HH%2:MM%2</translation>
    </message>
    <message>
        <source>Brightness values out of range.</source>
        <translation>Valeurs de luminosité hors limites.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>%1: time out of range.</source>
        <translation>%1 : heure hors limites.</translation>
    </message>
    <message>
        <source>Harness frame dots must be 0 to 3.</source>
        <translation>Les points de cadre doivent être entre 0 et 3.</translation>
    </message>
    <message>
        <source>Unknown time zone.</source>
        <translation>Fuseau horaire inconnu.</translation>
    </message>
    <message>
        <source>Temperature factor must be -10 to +10.</source>
        <translation>Le facteur de température doit être entre -10 et +10.</translation>
    </message>
    <message>
        <source>Test Cross Work OK!</source>
        <translation>Test de la croix réussi !</translation>
    </message>
    <message>
        <source>Test Cross Work Error!</source>
        <translation>Échec du test de la croix !</translation>
    </message>
    <message>
        <source>Can&apos;t Open Com Port!</source>
        <translation>Impossible d&apos;ouvrir le port COM !</translation>
    </message>
    <message>
        <source>Can&apos;t find cross!</source>
        <translation>Croix introuvable !</translation>
    </message>
    <message>
        <source>Find cross!</source>
        <translation>Croix trouvée !</translation>
    </message>
    <message>
        <source>Can&apos;t write to the Com Port!</source>
        <translation>Impossible d&apos;écrire sur le port COM !</translation>
    </message>
    <message>
        <source>Set Bright Complete!</source>
        <translation>Luminosité réglée !</translation>
    </message>
    <message>
        <source>Set Open/Close Complete!</source>
        <translation>Heures d&apos;allumage et d&apos;extinction réglées !</translation>
    </message>
    <message>
        <source>Set cross&apos;s parameters ok!</source>
        <translation>Paramètres de la croix réglés !</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>ce programme</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>le processus %1</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <translation>le processus %1 (%2)</translation>
    </message>
    <message>
        <source>held by %1, lock file %2</source>
        <translation>tenu par %1, fichier de verrou %2</translation>
    </message>
    <message>
        <source>another program holds it for exclusive use</source>
        <translation>un autre programme le tient pour son usage exclusif</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device (ls -l %1 shows it), and log in again.</source>
        <translation>Sur la plupart des systèmes Linux, l&apos;utilisateur doit faire partie du groupe propriétaire du périphérique (ls -l %1 l&apos;indique), puis se reconnecter.</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device, here &quot;root&quot;, which is for the administrator only: a udev rule can give the device to the group dialout, then join that group and log in again.</source>
        <translation>Sur la plupart des systèmes Linux, l&apos;utilisateur doit faire partie du groupe propriétaire du périphérique, ici « root », réservé à l&apos;administrateur : une règle udev peut donner le périphérique au groupe dialout ; rejoignez ensuite ce groupe et reconnectez-vous.</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device, here &quot;%1&quot; (sudo usermod -aG %1 $USER), and log in again.</source>
        <translation>Sur la plupart des systèmes Linux, l&apos;utilisateur doit faire partie du groupe propriétaire du périphérique, ici « %1 » (sudo usermod -aG %1 $USER), puis se reconnecter.</translation>
    </message>
    <message>
        <source>COM%1 has no device: map one in section PORTS of Halvane.ini (COM%1=/dev/ttyUSB0).</source>
        <translation>COM%1 n&apos;a pas de périphérique : indiquez-en un dans la section PORTS de Halvane.ini (COM%1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>%1 does not exist: is the cross&apos;s adapter plugged in?</source>
        <translation>%1 n&apos;existe pas : l&apos;adaptateur de la croix est-il branché ?</translation>
    </message>
    <message>
        <source>%1: permission denied. %2</source>
        <translation>%1 : permission refusée. %2</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 est occupé : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>pas de périphérique</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>busy: %1</source>
        <translation>occupé : %1</translation>
    </message>
    <message>
        <source>readable, writable</source>
        <translation>lisible, inscriptible</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>not readable, not writable (group %1)</source>
        <translation>non lisible, non inscriptible (groupe %1)</translation>
    </message>
    <message>
        <source>not readable, writable (group %1)</source>
        <translation>non lisible, inscriptible (groupe %1)</translation>
    </message>
    <message>
        <source>readable, not writable (group %1)</source>
        <translation>lisible, non inscriptible (groupe %1)</translation>
    </message>
    <message>
        <source>the device refused the rate %1</source>
        <translation>le périphérique a refusé la vitesse %1</translation>
    </message>
</context>
<context>
    <name>halvane::preview</name>
    <message>
        <source>The file </source>
        <translation>Le fichier </translation>
    </message>
    <message>
        <source> not find!
Please:Copy this file to &apos;Animation&apos;.</source>
        <translation> est introuvable !
Veuillez copier ce fichier dans « Animation ».</translation>
    </message>
</context>
<context>
    <name>halvane::ui</name>
    <message>
        <source>Animation file(*.bmp; *.jpg; *.crs)</source>
        <translation>Fichier d&apos;animation(*.bmp; *.jpg; *.crs)</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Temperature °C</source>
        <translation>Température °C</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Please open a exist playlist file, or create a new playlist file.</source>
        <translation>Veuillez ouvrir un fichier de liste de lecture existant ou en créer un nouveau.</translation>
    </message>
    <message>
        <source>playlist file(*.plst)</source>
        <translation>fichier de liste de lecture(*.plst)</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Searching Cross, Please Wait...</source>
        <translation>Recherche de la croix, veuillez patienter...</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>1 rate</source>
        <translation>niveau 1</translation>
    </message>
    <message>
        <source>2 rate</source>
        <translation>niveau 2</translation>
    </message>
    <message>
        <source>3 rate</source>
        <translation>niveau 3</translation>
    </message>
    <message>
        <source>4 rate</source>
        <translation>niveau 4</translation>
    </message>
    <message>
        <source>Alway 1 rate</source>
        <translation>Toujours niveau 1</translation>
    </message>
    <message>
        <source>Alway 2 rate</source>
        <translation>Toujours niveau 2</translation>
    </message>
    <message>
        <source>Alway 3 rate</source>
        <translation>Toujours niveau 3</translation>
    </message>
    <message>
        <source>Alway 4 rate</source>
        <translation>Toujours niveau 4</translation>
    </message>
    <message>
        <source>Always open</source>
        <translation>Toujours allumé</translation>
    </message>
    <message>
        <source>Always closed</source>
        <translation>Toujours éteint</translation>
    </message>
    <message>
        <source>ATTENTION</source>
        <translation>ATTENTION</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Zone 0</source>
        <translation>Fuseau 0</translation>
    </message>
</context>
<context>
    <name>halvane::ui::AboutDlg</name>
    <message>
        <source>About Halvane</source>
        <translation>À propos de Halvane</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Halvane_SingleColor  Version  </source>
        <translation>Halvane_SingleColor  Version  </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>MCU Version</source>
        <translation>Version du microcontrôleur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MCU Version:</source>
        <translation>Version du microcontrôleur :</translation>
    </message>
</context>
<context>
    <name>halvane::ui::AnimationListPanel</name>
    <message>
        <source>Animation List</source>
        <translation>Liste des animations</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a Animation</source>
        <translation>Ajouter une animation</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete a Animation</source>
        <translation>Supprimer une animation</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Speed/Delay(1s)</source>
        <translation>Vitesse/Délai(1s)</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>animation file(*.crs; *.bmp; *.jpg)</source>
        <translation>fichier d&apos;animation(*.crs; *.bmp; *.jpg)</translation>
    </message>
</context>
<context>
    <name>halvane::ui::BackAnimationBox</name>
    <message>
        <source>Click to choose a back animation, right-click for none</source>
        <translation>Cliquez pour choisir une animation de fond, clic droit pour aucune</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Cross picture</source>
        <translation>Image de la croix</translation>
    </message>
    <message>
        <source>Save as GIF...</source>
        <translation>Enregistrer en GIF...</translation>
    </message>
    <message>
        <source>Save status</source>
        <translation>État de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Save as GIF</source>
        <translation>Enregistrer en GIF</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>Images GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>Enregistrement de %1 ...</translation>
    </message>
    <message>
        <source>There is nothing to show.</source>
        <translation>Il n&apos;y a rien à afficher.</translation>
    </message>
    <message>
        <source>Saved %1: %2 frames</source>
        <translation>%1 enregistré : %2 images</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CSendDlg</name>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Blocks sent</source>
        <translation>Blocs envoyés</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Blocks sent: %1 / %2</source>
        <translation>Blocs envoyés : %1 / %2</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Temps restant : %1</translation>
    </message>
    <message>
        <source>Blocks sent: %1 / %1</source>
        <translation>Blocs envoyés : %1 / %1</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CrossDialog</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The cross is still busy with the last exchange: nothing was sent. Try again in a moment.</source>
        <translation>La croix est encore occupée par l&apos;échange précédent : rien n&apos;a été envoyé. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>halvane::ui::DataMessageRows</name>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Time(s)</source>
        <translation>Durée(s)</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Back Animation</source>
        <translation>Animation de fond</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>halvane::ui::FontsDlg</name>
    <message>
        <source>Add and Delete Fonts</source>
        <translation>Ajouter et supprimer des polices</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>halvane::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nouvelle animation</translation>
    </message>
    <message>
        <source>New Play Project</source>
        <translation>Nouveau projet de lecture</translation>
    </message>
    <message>
        <source>Open Play Project</source>
        <translation>Ouvrir un projet de lecture</translation>
    </message>
    <message>
        <source>Save Play Project</source>
        <translation>Enregistrer le projet de lecture</translation>
    </message>
    <message>
        <source>Save Play Project as</source>
        <translation>Enregistrer le projet de lecture sous</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Commande</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Sync Time</source>
        <translation>Synchroniser l&apos;heure</translation>
    </message>
    <message>
        <source>Set Bright</source>
        <translation>Régler la luminosité</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>MARCHE/ARRÊT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Test Cross</source>
        <translation>Tester la croix</translation>
    </message>
    <message>
        <source>F&amp;onts</source>
        <translation>P&amp;olices</translation>
    </message>
    <message>
        <source>Add/Delete Fonts</source>
        <translation>Ajouter/supprimer des polices</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Data Messages</source>
        <translation>Messages de données</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Messages texte</translation>
    </message>
    <message>
        <source>Removed, their files have gone: %1</source>
        <translation>Retirés, leurs fichiers ont disparu : %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Do you want save the changes before closing?</source>
        <translation>Voulez-vous enregistrer les modifications avant de fermer ?</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Execute Dravelle/Dravelle.exe Programe Error!</source>
        <translation>Erreur au lancement du programme Dravelle/Dravelle.exe !</translation>
    </message>
    <message>
        <source>        Can&apos;t find cross          </source>
        <translation>        Croix introuvable          </translation>
    </message>
    <message>
        <source>   COM : -     </source>
        <translation>   COM : -     </translation>
    </message>
    <message>
        <source>   Baudrate : ------     </source>
        <translation>   Débit : ------     </translation>
    </message>
    <message>
        <source>Recent Play Projects</source>
        <translation>Projets de lecture récents</translation>
    </message>
    <message>
        <source>The play project &quot;%1&quot; is no longer there: it has been taken off the list of recent play projects.</source>
        <translation>Le projet de lecture « %1 » n&apos;existe plus : il a été retiré de la liste des projets récents.</translation>
    </message>
    <message>
        <source>Clear the List</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>The search&apos;s result could not be kept in the settings: %1</source>
        <translation>Le résultat de la recherche n&apos;a pas pu être enregistré dans les réglages : %1</translation>
    </message>
    <message>
        <source>%1 could not be used: see the cross&apos;s pane.</source>
        <translation>%1 inutilisable : voir la case de la croix.</translation>
    </message>
</context>
<context>
    <name>halvane::ui::MemoryMeter</name>
    <message>
        <source>Cross memory</source>
        <translation>Mémoire de la croix</translation>
    </message>
    <message>
        <source>Memory: measuring...</source>
        <translation>Mémoire : mesure en cours...</translation>
    </message>
    <message>
        <source>Too large for the cross: %1</source>
        <translation>Trop volumineux pour la croix : %1</translation>
    </message>
</context>
<context>
    <name>halvane::ui::OnOffDlg</name>
    <message>
        <source>Set LED Open and Close Time</source>
        <translation>Heures d&apos;allumage et d&apos;extinction des LED</translation>
    </message>
    <message>
        <source>first open</source>
        <translation>premier allumage</translation>
    </message>
    <message>
        <source>first close</source>
        <translation>première extinction</translation>
    </message>
    <message>
        <source>second open</source>
        <translation>deuxième allumage</translation>
    </message>
    <message>
        <source>second close</source>
        <translation>deuxième extinction</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>FIRST</source>
        <translation>PREMIER</translation>
    </message>
    <message>
        <source>SECOND</source>
        <translation>DEUXIÈME</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source> hour</source>
        <translation> heure</translation>
    </message>
    <message>
        <source> minute</source>
        <translation> minute</translation>
    </message>
    <message>
        <source>Open From:</source>
        <translation>Allumé de :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Sending the open and close times...</source>
        <translation>Envoi des heures d&apos;allumage et d&apos;extinction...</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::ui::ParametersDlg</name>
    <message>
        <source>Set Cross Resolution and Baudrate</source>
        <translation>Régler la résolution et le débit de la croix</translation>
    </message>
    <message>
        <source>Cross Resolution</source>
        <translation>Résolution de la croix</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Harness frame dots %1</source>
        <translation>Points de cadre %1</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Temp. Factor</source>
        <translation>Facteur de temp.</translation>
    </message>
    <message>
        <source>Set to cross</source>
        <translation>Envoyer à la croix</translation>
    </message>
    <message>
        <source>Harness frame dots:</source>
        <translation>Points de cadre :</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Fuseau horaire :</translation>
    </message>
    <message>
        <source>Temp. Factor:</source>
        <translation>Facteur de temp. :</translation>
    </message>
    <message>
        <source>1.Before set the &quot;Cross Resolution&quot;, please make sure you know your Cross is 48 x 48 or 64 x 64. If you set the wrong &quot;Cross Resolution&quot;, the software will say &quot;Can&apos;t find the Cross&quot;.</source>
        <translation>1. Avant de régler la « Résolution de la croix », assurez-vous de savoir si votre croix est en 48 x 48 ou en 64 x 64. Avec une mauvaise « Résolution de la croix », le logiciel indiquera « Croix introuvable ».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending the parameters...</source>
        <translation>Envoi des paramètres...</translation>
    </message>
</context>
<context>
    <name>halvane::ui::PlayListPanel</name>
    <message>
        <source>Play List</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Thumbnail %1</source>
        <translation>Miniature %1</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Groupe%1</translation>
    </message>
    <message>
        <source>Preview Play List</source>
        <translation>Aperçu de la liste de lecture</translation>
    </message>
</context>
<context>
    <name>halvane::ui::SearchCrossDlg</name>
    <message>
        <source>Search Cross</source>
        <translation>Rechercher la croix</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>No %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>Current cross</source>
        <translation>Croix actuelle</translation>
    </message>
    <message>
        <source>%1 is the current cross</source>
        <translation>%1 est la croix actuelle</translation>
    </message>
    <message>
        <source>Please input the CORRECT address of this Cross, otherwise the software will say &quot;Can&apos;t find Cross&quot;.</source>
        <translation>Veuillez saisir l&apos;adresse EXACTE de cette croix, sinon le logiciel indiquera « Croix introuvable ».</translation>
    </message>
    <message>
        <source>Please make sure you have kept the address properly, do NOT loose it. </source>
        <translation>Conservez soigneusement cette adresse, ne la perdez PAS. </translation>
    </message>
    <message>
        <source>It is strongly suggested to make a note of each address for future reference.</source>
        <translation>Il est vivement conseillé de noter chaque adresse pour vous y référer plus tard.</translation>
    </message>
    <message>
        <source>Search cross</source>
        <translation>Rechercher la croix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Looking for the cross...</source>
        <translation>Recherche de la croix...</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::ui::SetBrightDlg</name>
    <message>
        <source>Set Bright</source>
        <translation>Régler la luminosité</translation>
    </message>
    <message>
        <source>Brightness automatically</source>
        <translation>Luminosité automatique</translation>
    </message>
    <message>
        <source>Bright List</source>
        <translation>Liste des luminosités</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source> hour</source>
        <translation> heure</translation>
    </message>
    <message>
        <source> minute</source>
        <translation> minute</translation>
    </message>
    <message>
        <source> level</source>
        <translation> niveau</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Niveau :</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Sending the brightness schedule...</source>
        <translation>Envoi du programme de luminosité...</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::ui::TestCrossDlg</name>
    <message>
        <source>Get Cross Test State</source>
        <translation>État du test de la croix</translation>
    </message>
    <message>
        <source>Test result</source>
        <translation>Résultat du test</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>halvane::ui::TextMessageRows</name>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Back Animation</source>
        <translation>Animation de fond</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
</TS>
