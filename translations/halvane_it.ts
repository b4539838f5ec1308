<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>FontText</name>
    <message>
        <source>Can&apos;t set register information about font!</source>
        <translation>Impossibile registrare le informazioni sul carattere!</translation>
    </message>
    <message>
        <source>The font %1 cannot be loaded.</source>
        <translation>Impossibile caricare il carattere %1.</translation>
    </message>
</context>
<context>
    <name>ImageBuilder</name>
    <message>
        <source>more than %1</source>
        <translation>oltre %1</translation>
    </message>
    <message>
        <source>The %1 image is %2 bytes, more than the %3 bytes its region of the cross holds. Nothing was sent.</source>
        <translation>L&apos;immagine %1 occupa %2 byte, più dei %3 byte della sua area nella croce. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1 is not in the animation list; it is sent with loop 1, speed 4 and frame style None.</source>
        <translation>%1 non è nell&apos;elenco delle animazioni; viene inviato con ciclo 1, velocità 4 e senza cornice.</translation>
    </message>
</context>
<context>
    <name>LibraryText</name>
    <message>
        <source>Cannot copy &quot;%1&quot; into the animations folder: %2.</source>
        <translation>Impossibile copiare «%1» nella cartella delle animazioni: %2.</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name.</source>
        <translation>«%1» non è un semplice nome di file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an animation file (.crs, .bmp or .jpg).</source>
        <translation>«%1» non è un file di animazione (.crs, .bmp o .jpg).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is longer than %2 characters; a play project cannot hold it.</source>
        <translation>Il nome del file «%1» supera i %2 caratteri; un progetto di riproduzione non può contenerlo.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has characters that a play project cannot hold.</source>
        <translation>Il nome del file «%1» contiene caratteri che un progetto di riproduzione non può contenere.</translation>
    </message>
</context>
<context>
    <name>PlayProject</name>
    <message>
        <source>The project has no file yet: save it under a name.</source>
        <translation>Il progetto non ha ancora un file: salvalo con un nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the animation list.</source>
        <translation>«%1» non è nell&apos;elenco delle animazioni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file of the animations folder.</source>
        <translation>«%1» non è un file della cartella delle animazioni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the play list.</source>
        <translation>«%1» è già nella playlist.</translation>
    </message>
    <message>
        <source>You can&apos;t add any MESSAGE to Play List as Play List is full!</source>
        <translation>Impossibile aggiungere un MESSAGGIO: la playlist è piena!</translation>
    </message>
    <message>
        <source>The animation can&apos;t be delete because it is selected!</source>
        <translation>Impossibile eliminare l&apos;animazione perché è selezionata!</translation>
    </message>
    <message>
        <source>The characters can&apos;t be shown in the parameter LOOP of animation!</source>
        <translation>Questi caratteri non sono ammessi nel parametro CICLO dell&apos;animazione!</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 1000.</source>
        <translation>Inserisci un numero intero tra 1 e 1000.</translation>
    </message>
    <message>
        <source>There is no message number %1.</source>
        <translation>Non esiste il messaggio numero %1.</translation>
    </message>
    <message>
        <source>There is no choice %1 in that list.</source>
        <translation>L&apos;elenco non ha la scelta %1.</translation>
    </message>
    <message>
        <source>The number in LOOP is too large (at most %1).</source>
        <translation>Il numero di CICLO è troppo grande (al massimo %1).</translation>
    </message>
    <message>
        <source>A text can hold at most %1 characters.</source>
        <translation>Un testo può contenere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The text has characters that a play project cannot hold.</source>
        <translation>Il testo contiene caratteri che un progetto di riproduzione non può contenere.</translation>
    </message>
    <message>
        <source>The speed of a text is %1 to %2.</source>
        <translation>La velocità di un testo va da %1 a %2.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>One dot</source>
        <translation>Un punto</translation>
    </message>
    <message>
        <source>Two dots</source>
        <translation>Due punti</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>In movimento</translation>
    </message>
    <message>
        <source>Flash one dot</source>
        <translation>Un punto lampeggiante</translation>
    </message>
    <message>
        <source>Flash two dots</source>
        <translation>Due punti lampeggianti</translation>
    </message>
</context>
<context>
    <name>PlstText</name>
    <message>
        <source>%1 has no end (no NUL in its %2 bytes)</source>
        <translation>%1 non ha fine (nessun NUL nei suoi %2 byte)</translation>
    </message>
    <message>
        <source>%1 is %2 (%3 to %4 expected)</source>
        <translation>%1 vale %2 (atteso da %3 a %4)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a plain file name</source>
        <translation>%1 «%2» non è un semplice nome di file</translation>
    </message>
    <message>
        <source>play list entry %1</source>
        <translation>la voce %1 della playlist</translation>
    </message>
    <message>
        <source>animation entry %1</source>
        <translation>la voce di animazione %1</translation>
    </message>
    <message>
        <source>the speed of %1</source>
        <translation>la velocità di %1</translation>
    </message>
    <message>
        <source>the frame style of %1</source>
        <translation>lo stile di cornice di %1</translation>
    </message>
    <message>
        <source>the back animation of %1</source>
        <translation>l&apos;animazione di sfondo di %1</translation>
    </message>
    <message>
        <source>the text of %1</source>
        <translation>il testo di %1</translation>
    </message>
    <message>
        <source>the size of %1</source>
        <translation>la dimensione di %1</translation>
    </message>
    <message>
        <source>it is too short (%1 bytes)</source>
        <translation>è troppo corto (%1 byte)</translation>
    </message>
    <message>
        <source>its play list count is negative (%1)</source>
        <translation>il numero di voci della sua playlist è negativo (%1)</translation>
    </message>
    <message>
        <source>its play list has %1 entries (at most %2 expected)</source>
        <translation>la sua playlist ha %1 voci (al massimo %2 attese)</translation>
    </message>
    <message>
        <source>its animation count is negative (%1)</source>
        <translation>il suo numero di animazioni è negativo (%1)</translation>
    </message>
    <message>
        <source>its length (%1 bytes) does not match its counts (%2 and %3 entries: %4 bytes)</source>
        <translation>la sua lunghezza (%1 byte) non corrisponde ai suoi conteggi (%2 e %3 voci: %4 byte)</translation>
    </message>
    <message>
        <source>is damaged: %1.</source>
        <translation>è danneggiato: %1.</translation>
    </message>
    <message>
        <source>the play list has more than %1 entries.</source>
        <translation>la playlist ha più di %1 voci.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit a play project (too long, or characters without a single-byte form).</source>
        <translation>«%1» non entra in un progetto di riproduzione (troppo lungo o con caratteri senza forma a un byte).</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a play project.</source>
        <translation>«%1» è troppo grande per essere un progetto di riproduzione.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>SendJob</name>
    <message>
        <source>Opening Com port, Please Wait......</source>
        <translation>Apertura della porta COM, attendere......</translation>
    </message>
    <message>
        <source>Preparing Send Data, Please Wait......</source>
        <translation>Preparazione dei dati da inviare, attendere......</translation>
    </message>
    <message>
        <source>Can&apos;t find cross!</source>
        <translation>Croce non trovata!</translation>
    </message>
    <message>
        <source>Preparing Call Cross, Please wait......</source>
        <translation>Chiamata della croce, attendere......</translation>
    </message>
    <message>
        <source>Can&apos;t Open Com Port!</source>
        <translation>Impossibile aprire la porta COM!</translation>
    </message>
    <message>
        <source>Send Complete!</source>
        <translation>Invio completato!</translation>
    </message>
    <message>
        <source>Delete Cross Animations</source>
        <translation>Cancellazione delle animazioni della croce</translation>
    </message>
    <message>
        <source>Sending No%1 Section TOC</source>
        <translation>Invio della sezione %1 dell&apos;indice</translation>
    </message>
    <message>
        <source>Sending No%1 Section Animations</source>
        <translation>Invio della sezione %1 delle animazioni</translation>
    </message>
    <message>
        <source>Sending No%1 Section Text</source>
        <translation>Invio della sezione %1 dei testi</translation>
    </message>
    <message>
        <source>Please open a exist playlist file, or create a new playlist file.</source>
        <translation>Apri un file di playlist esistente oppure creane uno nuovo.</translation>
    </message>
</context>
<context>
    <name>UsageText</name>
    <message>
        <source>TOC</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animazioni</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testi</translation>
    </message>
    <message>
        <source>%1 block</source>
        <translation>%1 blocco</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <translation>%1 blocchi</translation>
    </message>
    <message>
        <source>send %1</source>
        <translation>invio %1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes, %4, %5%</source>
        <translation>%1: %2 di %3 byte, %4, %5%</translation>
    </message>
    <message>
        <source>Sending takes at least %1 (%2)</source>
        <translation>L&apos;invio richiede almeno %1 (%2)</translation>
    </message>
</context>
<context>
    <name>halvane::encode</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is sent as one dark frame. %2</source>
        <translation>%1 viene inviato come un unico fotogramma spento. %2</translation>
    </message>
</context>
<context>
    <name>halvane::link</name>
    <message>
        <source>   Can&apos;t find cross!     </source>
        <translation>   Croce non trovata!     </translation>
    </message>
    <message>
        <source>   COM : --     </source>
        <translation>   COM : --     </translation>
    </message>
    <message>
        <source>   Baudrate : ------     </source>
        <translation>   Velocità : ------     </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>   Single Color CROSS %1    </source>
        <translation>   CROCE monocolore %1    </translation>
    </message>
    <message>
        <source>   COM : %1     </source>
        <translation>   COM : %1     </translation>
    </message>
    <message>
        <source>   Baudrate : %1     </source>
        <translation>   Velocità : %1     </translation>
    </message>
    <message>
        <source>HH%1:MM%1 is smaller than HH%2:MM%2</source>
        <translation>HH%1:MM%1 è precedente a HH%2:MM%2</translation>
    </message>
    <message>
        <source>Brightness values out of range.</source>
        <translation>Valori di luminosità fuori intervallo.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>%1: time out of range.</source>
        <translation>%1: orario fuori intervallo.</translation>
    </message>
    <message>
        <source>Harness frame dots must be 0 to 3.</source>
        <translation>I punti di cornice devono essere da 0 a 3.</translation>
    </message>
    <message>
        <source>Unknown time zone.</source>
        <translation>Fuso orario sconosciuto.</translation>
    </message>
    <message>
        <source>Temperature factor must be -10 to +10.</source>
        <translation>Il fattore di temperatura deve essere tra -10 e +10.</translation>
    </message>
    <message>
        <source>Test Cross Work OK!</source>
        <translation>Prova della croce riuscita!</translation>
    </message>
    <message>
        <source>Test Cross Work Error!</source>
        <translation>Prova della croce non riuscita!</translation>
    </message>
    <message>
        <source>Can&apos;t Open Com Port!</source>
        <translation>Impossibile aprire la porta COM!</translation>
    </message>
    <message>
        <source>Can&apos;t find cross!</source>
        <translation>Croce non trovata!</translation>
    </message>
    <message>
        <source>Find cross!</source>
        <translation>Croce trovata!</translation>
    </message>
    <message>
        <source>Can&apos;t write to the Com Port!</source>
        <translation>Impossibile scrivere sulla porta COM!</translation>
    </message>
    <message>
        <source>Set Bright Complete!</source>
        <translation>Luminosità impostata!</translation>
    </message>
    <message>
        <source>Set Open/Close Complete!</source>
        <translation>Orari di accensione e spegnimento impostati!</translation>
    </message>
    <message>
        <source>Set cross&apos;s parameters ok!</source>
        <translation>Parametri della croce impostati!</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>questo programma</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>il processo %1</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <translation>il processo %1 (%2)</translation>
    </message>
    <message>
        <source>held by %1, lock file %2</source>
        <translation>occupato da %1, file di blocco %2</translation>
    </message>
    <message>
        <source>another program holds it for exclusive use</source>
        <translation>un altro programma lo tiene per uso esclusivo</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device (ls -l %1 shows it), and log in again.</source>
        <translation>Nella maggior parte dei sistemi Linux l&apos;utente deve far parte del gruppo proprietario del dispositivo (ls -l %1 lo indica), poi accedere di nuovo.</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device, here &quot;root&quot;, which is for the administrator only: a udev rule can give the device to the group dialout, then join that group and log in again.</source>
        <translation>Nella maggior parte dei sistemi Linux l&apos;utente deve far parte del gruppo proprietario del dispositivo, qui &quot;root&quot;, riservato all&apos;amministratore: una regola udev può assegnare il dispositivo al gruppo dialout; poi entrate in quel gruppo e accedete di nuovo.</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device, here &quot;%1&quot; (sudo usermod -aG %1 $USER), and log in again.</source>
        <translation>Nella maggior parte dei sistemi Linux l&apos;utente deve far parte del gruppo proprietario del dispositivo, qui &quot;%1&quot; (sudo usermod -aG %1 $USER), poi accedere di nuovo.</translation>
    </message>
    <message>
        <source>COM%1 has no device: map one in section PORTS of Halvane.ini (COM%1=/dev/ttyUSB0).</source>
        <translation>COM%1 non ha un dispositivo: indicatene uno nella sezione PORTS di Halvane.ini (COM%1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>%1 does not exist: is the cross&apos;s adapter plugged in?</source>
        <translation>%1 non esiste: l&apos;adattatore della croce è collegato?</translation>
    </message>
    <message>
        <source>%1: permission denied. %2</source>
        <translation>%1: permesso negato. %2</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 è occupato: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 non può essere aperto: %2.</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>nessun dispositivo</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>busy: %1</source>
        <translation>occupato: %1</translation>
    </message>
    <message>
        <source>readable, writable</source>
        <translation>leggibile, scrivibile</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>not readable, not writable (group %1)</source>
        <translation>non leggibile, non scrivibile (gruppo %1)</translation>
    </message>
    <message>
        <source>not readable, writable (group %1)</source>
        <translation>non leggibile, scrivibile (gruppo %1)</translation>
    </message>
    <message>
        <source>readable, not writable (group %1)</source>
        <translation>leggibile, non scrivibile (gruppo %1)</translation>
    </message>
    <message>
        <source>the device refused the rate %1</source>
        <translation>il dispositivo ha rifiutato la velocità %1</translation>
    </message>
</context>
<context>
    <name>halvane::preview</name>
    <message>
        <source>The file </source>
        <translation>Il file </translation>
    </message>
    <message>
        <source> not find!
Please:Copy this file to &apos;Animation&apos;.</source>
        <translation> non trovato!
Copia questo file in «Animation».</translation>
    </message>
</context>
<context>
    <name>halvane::ui</name>
    <message>
        <source>Animation file(*.bmp; *.jpg; *.crs)</source>
        <translation>File di animazione(*.bmp; *.jpg; *.crs)</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Temperature °C</source>
        <translation>Temperatura °C</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Umidità</translation>
    </message>
    <message>
        <source>Please open a exist playlist file, or create a new playlist file.</source>
        <translation>Apri un file di playlist esistente oppure creane uno nuovo.</translation>
    </message>
    <message>
        <source>playlist file(*.plst)</source>
        <translation>file di playlist(*.plst)</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Searching Cross, Please Wait...</source>
        <translation>Ricerca della croce, attendere...</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>1 rate</source>
        <translation>livello 1</translation>
    </message>
    <message>
        <source>2 rate</source>
        <translation>livello 2</translation>
    </message>
    <message>
        <source>3 rate</source>
        <translation>livello 3</translation>
    </message>
    <message>
        <source>4 rate</source>
        <translation>livello 4</translation>
    </message>
    <message>
        <source>Alway 1 rate</source>
        <translation>Sempre livello 1</translation>
    </message>
    <message>
        <source>Alway 2 rate</source>
        <translation>Sempre livello 2</translation>
    </message>
    <message>
        <source>Alway 3 rate</source>
        <translation>Sempre livello 3</translation>
    </message>
    <message>
        <source>Alway 4 rate</source>
        <translation>Sempre livello 4</translation>
    </message>
    <message>
        <source>Always open</source>
        <translation>Sempre acceso</translation>
    </message>
    <message>
        <source>Always closed</source>
        <translation>Sempre spento</translation>
    </message>
    <message>
        <source>ATTENTION</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Zone 0</source>
        <translation>Fuso 0</translation>
    </message>
</context>
<context>
    <name>halvane::ui::AboutDlg</name>
    <message>
        <source>About Halvane</source>
        <translation>Informazioni su Halvane</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Halvane_SingleColor  Version  </source>
        <translation>Halvane_SingleColor  Versione  </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>MCU Version</source>
        <translation>Versione del microcontrollore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MCU Version:</source>
        <translation>Versione del microcontrollore:</translation>
    </message>
</context>
<context>
    <name>halvane::ui::AnimationListPanel</name>
    <message>
        <source>Animation List</source>
        <translation>Elenco animazioni</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add a Animation</source>
        <translation>Aggiungi un&apos;animazione</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete a Animation</source>
        <translation>Elimina un&apos;animazione</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Speed/Delay(1s)</source>
        <translation>Velocità/Ritardo(1s)</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>animation file(*.crs; *.bmp; *.jpg)</source>
        <translation>file di animazione(*.crs; *.bmp; *.jpg)</translation>
    </message>
</context>
<context>
    <name>halvane::ui::BackAnimationBox</name>
    <message>
        <source>Click to choose a back animation, right-click for none</source>
        <translation>Fai clic per scegliere un&apos;animazione di sfondo, clic destro per nessuna</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Cross picture</source>
        <translation>Immagine della croce</translation>
    </message>
    <message>
        <source>Save as GIF...</source>
        <translation>Salva come GIF...</translation>
    </message>
    <message>
        <source>Save status</source>
        <translation>Stato del salvataggio</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Save as GIF</source>
        <translation>Salva come GIF</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>Immagini GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>Salvataggio di %1 ...</translation>
    </message>
    <message>
        <source>There is nothing to show.</source>
        <translation>Non c&apos;è nulla da mostrare.</translation>
    </message>
    <message>
        <source>Saved %1: %2 frames</source>
        <translation>%1 salvato: %2 fotogrammi</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
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
        <translation>Stato</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Blocks sent</source>
        <translation>Blocchi inviati</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Blocks sent: %1 / %2</source>
        <translation>Blocchi inviati: %1 / %2</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tempo rimanente: %1</translation>
    </message>
    <message>
        <source>Blocks sent: %1 / %1</source>
        <translation>Blocchi inviati: %1 / %1</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CrossDialog</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>The cross is still busy with the last exchange: nothing was sent. Try again in a moment.</source>
        <translation>La croce è ancora occupata con lo scambio precedente: non è stato inviato nulla. Riprova tra un momento.</translation>
    </message>
</context>
<context>
    <name>halvane::ui::DataMessageRows</name>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Time(s)</source>
        <translation>Durata(s)</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Back Animation</source>
        <translation>Animazione di sfondo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>halvane::ui::FontsDlg</name>
    <message>
        <source>Add and Delete Fonts</source>
        <translation>Aggiungi ed elimina caratteri</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nuova animazione</translation>
    </message>
    <message>
        <source>New Play Project</source>
        <translation>Nuovo progetto di riproduzione</translation>
    </message>
    <message>
        <source>Open Play Project</source>
        <translation>Apri progetto di riproduzione</translation>
    </message>
    <message>
        <source>Save Play Project</source>
        <translation>Salva progetto di riproduzione</translation>
    </message>
    <message>
        <source>Save Play Project as</source>
        <translation>Salva progetto di riproduzione come</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Controllo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Sync Time</source>
        <translation>Sincronizza ora</translation>
    </message>
    <message>
        <source>Set Bright</source>
        <translation>Imposta luminosità</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ACCESO/SPENTO</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Test Cross</source>
        <translation>Prova la croce</translation>
    </message>
    <message>
        <source>F&amp;onts</source>
        <translation>C&amp;aratteri</translation>
    </message>
    <message>
        <source>Add/Delete Fonts</source>
        <translation>Aggiungi/elimina caratteri</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Data Messages</source>
        <translation>Messaggi di dati</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Messaggi di testo</translation>
    </message>
    <message>
        <source>Removed, their files have gone: %1</source>
        <translation>Rimossi perché i loro file non esistono più: %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Do you want save the changes before closing?</source>
        <translation>Vuoi salvare le modifiche prima di chiudere?</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Execute Dravelle/Dravelle.exe Programe Error!</source>
        <translation>Errore nell&apos;avvio del programma Dravelle/Dravelle.exe!</translation>
    </message>
    <message>
        <source>        Can&apos;t find cross          </source>
        <translation>        Croce non trovata          </translation>
    </message>
    <message>
        <source>   COM : -     </source>
        <translation>   COM : -     </translation>
    </message>
    <message>
        <source>   Baudrate : ------     </source>
        <translation>   Velocità : ------     </translation>
    </message>
    <message>
        <source>Recent Play Projects</source>
        <translation>Progetti di riproduzione recenti</translation>
    </message>
    <message>
        <source>The play project &quot;%1&quot; is no longer there: it has been taken off the list of recent play projects.</source>
        <translation>Il progetto di riproduzione «%1» non esiste più: è stato tolto dall&apos;elenco dei progetti recenti.</translation>
    </message>
    <message>
        <source>Clear the List</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>The search&apos;s result could not be kept in the settings: %1</source>
        <translation>Impossibile salvare il risultato della ricerca nelle impostazioni: %1</translation>
    </message>
    <message>
        <source>%1 could not be used: see the cross&apos;s pane.</source>
        <translation>%1 non utilizzabile: vedere il riquadro della croce.</translation>
    </message>
</context>
<context>
    <name>halvane::ui::MemoryMeter</name>
    <message>
        <source>Cross memory</source>
        <translation>Memoria della croce</translation>
    </message>
    <message>
        <source>Memory: measuring...</source>
        <translation>Memoria: misurazione...</translation>
    </message>
    <message>
        <source>Too large for the cross: %1</source>
        <translation>Troppo grande per la croce: %1</translation>
    </message>
</context>
<context>
    <name>halvane::ui::OnOffDlg</name>
    <message>
        <source>Set LED Open and Close Time</source>
        <translation>Orari di accensione e spegnimento dei LED</translation>
    </message>
    <message>
        <source>first open</source>
        <translation>prima accensione</translation>
    </message>
    <message>
        <source>first close</source>
        <translation>primo spegnimento</translation>
    </message>
    <message>
        <source>second open</source>
        <translation>seconda accensione</translation>
    </message>
    <message>
        <source>second close</source>
        <translation>secondo spegnimento</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>FIRST</source>
        <translation>PRIMO</translation>
    </message>
    <message>
        <source>SECOND</source>
        <translation>SECONDO</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source> hour</source>
        <translation> ora</translation>
    </message>
    <message>
        <source> minute</source>
        <translation> minuto</translation>
    </message>
    <message>
        <source>Open From:</source>
        <translation>Acceso dalle:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Alle:</translation>
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
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Sending the open and close times...</source>
        <translation>Invio degli orari di accensione e spegnimento...</translation>
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
        <translation>Imposta risoluzione e velocità della croce</translation>
    </message>
    <message>
        <source>Cross Resolution</source>
        <translation>Risoluzione della croce</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>Punti di cornice %1</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Temp. Factor</source>
        <translation>Fattore temp.</translation>
    </message>
    <message>
        <source>Set to cross</source>
        <translation>Invia alla croce</translation>
    </message>
    <message>
        <source>Harness frame dots:</source>
        <translation>Punti di cornice:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Fuso orario:</translation>
    </message>
    <message>
        <source>Temp. Factor:</source>
        <translation>Fattore temp.:</translation>
    </message>
    <message>
        <source>1.Before set the &quot;Cross Resolution&quot;, please make sure you know your Cross is 48 x 48 or 64 x 64. If you set the wrong &quot;Cross Resolution&quot;, the software will say &quot;Can&apos;t find the Cross&quot;.</source>
        <translation>1. Prima di impostare la «Risoluzione della croce», verifica se la tua croce è 48 x 48 o 64 x 64. Con una «Risoluzione della croce» sbagliata il programma indicherà «Croce non trovata».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending the parameters...</source>
        <translation>Invio dei parametri...</translation>
    </message>
</context>
<context>
    <name>halvane::ui::PlayListPanel</name>
    <message>
        <source>Play List</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Thumbnail %1</source>
        <translation>Miniatura %1</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppo%1</translation>
    </message>
    <message>
        <source>Preview Play List</source>
        <translation>Anteprima della playlist</translation>
    </message>
</context>
<context>
    <name>halvane::ui::SearchCrossDlg</name>
    <message>
        <source>Search Cross</source>
        <translation>Cerca la croce</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>No %1</source>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Indirizzo %1</translation>
    </message>
    <message>
        <source>Current cross</source>
        <translation>Croce attuale</translation>
    </message>
    <message>
        <source>%1 is the current cross</source>
        <translation>%1 è la croce attuale</translation>
    </message>
    <message>
        <source>Please input the CORRECT address of this Cross, otherwise the software will say &quot;Can&apos;t find Cross&quot;.</source>
        <translation>Inserisci l&apos;indirizzo CORRETTO di questa croce, altrimenti il programma indicherà «Croce non trovata».</translation>
    </message>
    <message>
        <source>Please make sure you have kept the address properly, do NOT loose it. </source>
        <translation>Conserva con cura l&apos;indirizzo e NON perderlo. </translation>
    </message>
    <message>
        <source>It is strongly suggested to make a note of each address for future reference.</source>
        <translation>Si consiglia vivamente di annotare ogni indirizzo per consultarlo in futuro.</translation>
    </message>
    <message>
        <source>Search cross</source>
        <translation>Cerca la croce</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Looking for the cross...</source>
        <translation>Ricerca della croce...</translation>
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
        <translation>Imposta luminosità</translation>
    </message>
    <message>
        <source>Brightness automatically</source>
        <translation>Luminosità automatica</translation>
    </message>
    <message>
        <source>Bright List</source>
        <translation>Elenco luminosità</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source> hour</source>
        <translation> ora</translation>
    </message>
    <message>
        <source> minute</source>
        <translation> minuto</translation>
    </message>
    <message>
        <source> level</source>
        <translation> livello</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Dalle:</translation>
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
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Sending the brightness schedule...</source>
        <translation>Invio del programma di luminosità...</translation>
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
        <translation>Stato della prova della croce</translation>
    </message>
    <message>
        <source>Test result</source>
        <translation>Risultato della prova</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>halvane::ui::TextMessageRows</name>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Scostamento</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Back Animation</source>
        <translation>Animazione di sfondo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
</TS>
