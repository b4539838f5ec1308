<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FontText</name>
    <message>
        <source>Can&apos;t set register information about font!</source>
        <translation>¡No se puede registrar la información de la fuente!</translation>
    </message>
    <message>
        <source>The font %1 cannot be loaded.</source>
        <translation>No se puede cargar la fuente %1.</translation>
    </message>
</context>
<context>
    <name>ImageBuilder</name>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>The %1 image is %2 bytes, more than the %3 bytes its region of the cross holds. Nothing was sent.</source>
        <translation>La imagen %1 ocupa %2 bytes, más que los %3 bytes de su zona en la cruz. No se ha enviado nada.</translation>
    </message>
    <message>
        <source>%1 is not in the animation list; it is sent with loop 1, speed 4 and frame style None.</source>
        <translation>%1 no está en la lista de animaciones; se envía con bucle 1, velocidad 4 y sin marco.</translation>
    </message>
</context>
<context>
    <name>LibraryText</name>
    <message>
        <source>Cannot copy &quot;%1&quot; into the animations folder: %2.</source>
        <translation>No se puede copiar «%1» en la carpeta de animaciones: %2.</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name.</source>
        <translation>«%1» no es un simple nombre de archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an animation file (.crs, .bmp or .jpg).</source>
        <translation>«%1» no es un archivo de animación (.crs, .bmp o .jpg).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is longer than %2 characters; a play project cannot hold it.</source>
        <translation>El nombre de archivo «%1» tiene más de %2 caracteres; un proyecto de reproducción no puede guardarlo.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has characters that a play project cannot hold.</source>
        <translation>El nombre de archivo «%1» tiene caracteres que un proyecto de reproducción no puede guardar.</translation>
    </message>
</context>
<context>
    <name>PlayProject</name>
    <message>
        <source>The project has no file yet: save it under a name.</source>
        <translation>El proyecto aún no tiene archivo: guárdelo con un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the animation list.</source>
        <translation>«%1» no está en la lista de animaciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file of the animations folder.</source>
        <translation>«%1» no es un archivo de la carpeta de animaciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the play list.</source>
        <translation>«%1» ya está en la lista de reproducción.</translation>
    </message>
    <message>
        <source>You can&apos;t add any MESSAGE to Play List as Play List is full!</source>
        <translation>¡No se puede añadir ningún MENSAJE: la lista de reproducción está llena!</translation>
    </message>
    <message>
        <source>The animation can&apos;t be delete because it is selected!</source>
        <translation>¡No se puede borrar la animación porque está seleccionada!</translation>
    </message>
    <message>
        <source>The characters can&apos;t be shown in the parameter LOOP of animation!</source>
        <translation>¡Esos caracteres no son válidos en el parámetro BUCLE de la animación!</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 1000.</source>
        <translation>Introduzca un número entero entre 1 y 1000.</translation>
    </message>
    <message>
        <source>There is no message number %1.</source>
        <translation>No existe el mensaje número %1.</translation>
    </message>
    <message>
        <source>There is no choice %1 in that list.</source>
        <translation>Esa lista no tiene la opción %1.</translation>
    </message>
    <message>
        <source>The number in LOOP is too large (at most %1).</source>
        <translation>El número de BUCLE es demasiado grande (como máximo %1).</translation>
    </message>
    <message>
        <source>A text can hold at most %1 characters.</source>
        <translation>Un texto puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The text has characters that a play project cannot hold.</source>
        <translation>El texto tiene caracteres que un proyecto de reproducción no puede guardar.</translation>
    </message>
    <message>
        <source>The speed of a text is %1 to %2.</source>
        <translation>La velocidad de un texto va de %1 a %2.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>One dot</source>
        <translation>Un punto</translation>
    </message>
    <message>
        <source>Two dots</source>
        <translation>Dos puntos</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>En movimiento</translation>
    </message>
    <message>
        <source>Flash one dot</source>
        <translation>Un punto intermitente</translation>
    </message>
    <message>
        <source>Flash two dots</source>
        <translation>Dos puntos intermitentes</translation>
    </message>
</context>
<context>
    <name>PlstText</name>
    <message>
        <source>%1 has no end (no NUL in its %2 bytes)</source>
        <translation>%1 no tiene final (ningún NUL en sus %2 bytes)</translation>
    </message>
    <message>
        <source>%1 is %2 (%3 to %4 expected)</source>
        <translation>%1 vale %2 (se esperaba de %3 a %4)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a plain file name</source>
        <translation>%1 «%2» no es un simple nombre de archivo</translation>
    </message>
    <message>
        <source>play list entry %1</source>
        <translation>la entrada %1 de la lista de reproducción</translation>
    </message>
    <message>
        <source>animation entry %1</source>
        <translation>la entrada de animación %1</translation>
    </message>
    <message>
        <source>the speed of %1</source>
        <translation>la velocidad de %1</translation>
    </message>
    <message>
        <source>the frame style of %1</source>
        <translation>el estilo de marco de %1</translation>
    </message>
    <message>
        <source>the back animation of %1</source>
        <translation>la animación de fondo de %1</translation>
    </message>
    <message>
        <source>the text of %1</source>
        <translation>el texto de %1</translation>
    </message>
    <message>
        <source>the size of %1</source>
        <translation>el tamaño de %1</translation>
    </message>
    <message>
        <source>it is too short (%1 bytes)</source>
        <translation>es demasiado corto (%1 bytes)</translation>
    </message>
    <message>
        <source>its play list count is negative (%1)</source>
        <translation>el número de entradas de su lista de reproducción es negativo (%1)</translation>
    </message>
    <message>
        <source>its play list has %1 entries (at most %2 expected)</source>
        <translation>su lista de reproducción tiene %1 entradas (se esperaban como máximo %2)</translation>
    </message>
    <message>
        <source>its animation count is negative (%1)</source>
        <translation>su número de animaciones es negativo (%1)</translation>
    </message>
    <message>
        <source>its length (%1 bytes) does not match its counts (%2 and %3 entries: %4 bytes)</source>
        <translation>su longitud (%1 bytes) no coincide con sus recuentos (%2 y %3 entradas: %4 bytes)</translation>
    </message>
    <message>
        <source>is damaged: %1.</source>
        <translation>está dañado: %1.</translation>
    </message>
    <message>
        <source>the play list has more than %1 entries.</source>
        <translation>la lista de reproducción tiene más de %1 entradas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit a play project (too long, or characters without a single-byte form).</source>
        <translation>«%1» no cabe en un proyecto de reproducción (demasiado largo o con caracteres sin forma de un byte).</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a play project.</source>
        <translation>«%1» es demasiado grande para ser un proyecto de reproducción.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>No se puede guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>No se puede guardar «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>SendJob</name>
    <message>
        <source>Opening Com port, Please Wait......</source>
        <translation>Abriendo el puerto COM, espere por favor......</translation>
    </message>
    <message>
        <source>Preparing Send Data, Please Wait......</source>
        <translation>Preparando los datos del envío, espere por favor......</translation>
    </message>
    <message>
        <source>Can&apos;t find cross!</source>
        <translation>¡No se encuentra la cruz!</translation>
    </message>
    <message>
        <source>Preparing Call Cross, Please wait......</source>
        <translation>Llamando a la cruz, espere por favor......</translation>
    </message>
    <message>
        <source>Can&apos;t Open Com Port!</source>
        <translation>¡No se puede abrir el puerto COM!</translation>
    </message>
    <message>
        <source>Send Complete!</source>
        <translation>¡Envío completado!</translation>
    </message>
    <message>
        <source>Delete Cross Animations</source>
        <translation>Borrando las animaciones de la cruz</translation>
    </message>
    <message>
        <source>Sending No%1 Section TOC</source>
        <translation>Enviando la sección %1 del índice</translation>
    </message>
    <message>
        <source>Sending No%1 Section Animations</source>
        <translation>Enviando la sección %1 de animaciones</translation>
    </message>
    <message>
        <source>Sending No%1 Section Text</source>
        <translation>Enviando la sección %1 de textos</translation>
    </message>
    <message>
        <source>Please open a exist playlist file, or create a new playlist file.</source>
        <translation>Abra un archivo de lista de reproducción existente o cree uno nuevo.</translation>
    </message>
</context>
<context>
    <name>UsageText</name>
    <message>
        <source>TOC</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>%1 block</source>
        <translation>%1 bloque</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <translation>%1 bloques</translation>
    </message>
    <message>
        <source>send %1</source>
        <translation>envío %1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes, %4, %5%</source>
        <translation>%1: %2 de %3 bytes, %4, %5 %</translation>
    </message>
    <message>
        <source>Sending takes at least %1 (%2)</source>
        <translation>El envío tarda al menos %1 (%2)</translation>
    </message>
</context>
<context>
    <name>halvane::encode</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is sent as one dark frame. %2</source>
        <translation>%1 se envía como un único fotograma apagado. %2</translation>
    </message>
</context>
<context>
    <name>halvane::link</name>
    <message>
        <source>   Can&apos;t find cross!     </source>
        <translation>   ¡No se encuentra la cruz!     </translation>
    </message>
    <message>
        <source>   COM : --     </source>
        <translation>   COM : --     </translation>
    </message>
    <message>
        <source>   Baudrate : ------     </source>
        <translation>   Velocidad : ------     </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>   Single Color CROSS %1    </source>
        <translation>   CRUZ monocolor %1    </translation>
    </message>
    <message>
        <source>   COM : %1     </source>
        <translation>   COM : %1     </translation>
    </message>
    <message>
        <source>   Baudrate : %1     </source>
        <translation>   Velocidad : %1     </translation>
    </message>
    <message>
        <source>HH%1:MM%1 is smaller than HH%2:MM%2</source>
        <translation>HH%1:MM%1 es anterior a HH%2:MM%2</translation>
    </message>
    <message>
        <source>Brightness values out of range.</source>
        <translation>Valores de brillo fuera de rango.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>%1: time out of range.</source>
        <translation>%1: hora fuera de rango.</translation>
    </message>
    <message>
        <source>Harness frame dots must be 0 to 3.</source>
        <translation>Los puntos de marco deben ser de 0 a 3.</translation>
    </message>
    <message>
        <source>Unknown time zone.</source>
        <translation>Zona horaria desconocida.</translation>
    </message>
    <message>
        <source>Temperature factor must be -10 to +10.</source>
        <translation>El factor de temperatura debe estar entre -10 y +10.</translation>
    </message>
    <message>
        <source>Test Cross Work OK!</source>
        <translation>¡Prueba de la cruz correcta!</translation>
    </message>
    <message>
        <source>Test Cross Work Error!</source>
        <translation>¡Error en la prueba de la cruz!</translation>
    </message>
    <message>
        <source>Can&apos;t Open Com Port!</source>
        <translation>¡No se puede abrir el puerto COM!</translation>
    </message>
    <message>
        <source>Can&apos;t find cross!</source>
        <translation>¡No se encuentra la cruz!</translation>
    </message>
    <message>
        <source>Find cross!</source>
        <translation>¡Cruz encontrada!</translation>
    </message>
    <message>
        <source>Can&apos;t write to the Com Port!</source>
        <translation>¡No se puede escribir en el puerto COM!</translation>
    </message>
    <message>
        <source>Set Bright Complete!</source>
        <translation>¡Brillo ajustado!</translation>
    </message>
    <message>
        <source>Set Open/Close Complete!</source>
        <translation>¡Horas de encendido y apagado ajustadas!</translation>
    </message>
    <message>
        <source>Set cross&apos;s parameters ok!</source>
        <translation>¡Parámetros de la cruz ajustados!</translation>
    </message>
    <message>
        <source>this program</source>
        <translation>este programa</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>el proceso %1</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <translation>el proceso %1 (%2)</translation>
    </message>
    <message>
        <source>held by %1, lock file %2</source>
        <translation>ocupado por %1, archivo de bloqueo %2</translation>
    </message>
    <message>
        <source>another program holds it for exclusive use</source>
        <translation>otro programa lo tiene para su uso exclusivo</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device (ls -l %1 shows it), and log in again.</source>
        <translation>En la mayoría de los sistemas Linux el usuario debe pertenecer al grupo propietario del dispositivo (ls -l %1 lo indica) y volver a iniciar sesión.</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device, here &quot;root&quot;, which is for the administrator only: a udev rule can give the device to the group dialout, then join that group and log in again.</source>
        <translation>En la mayoría de los sistemas Linux el usuario debe pertenecer al grupo propietario del dispositivo, aquí &quot;root&quot;, reservado al administrador: una regla udev puede dar el dispositivo al grupo dialout; después únase a ese grupo y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>On most Linux systems the user must be in the group that owns the device, here &quot;%1&quot; (sudo usermod -aG %1 $USER), and log in again.</source>
        <translation>En la mayoría de los sistemas Linux el usuario debe pertenecer al grupo propietario del dispositivo, aquí &quot;%1&quot; (sudo usermod -aG %1 $USER), y volver a iniciar sesión.</translation>
    </message>
    <message>
        <source>COM%1 has no device: map one in section PORTS of Halvane.ini (COM%1=/dev/ttyUSB0).</source>
        <translation>COM%1 no tiene dispositivo: indique uno en la sección PORTS de Halvane.ini (COM%1=/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>%1 does not exist: is the cross&apos;s adapter plugged in?</source>
        <translation>%1 no existe: ¿está conectado el adaptador de la cruz?</translation>
    </message>
    <message>
        <source>%1: permission denied. %2</source>
        <translation>%1: permiso denegado. %2</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 está ocupado: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>sin dispositivo</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>busy: %1</source>
        <translation>ocupado: %1</translation>
    </message>
    <message>
        <source>readable, writable</source>
        <translation>legible, escribible</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>not readable, not writable (group %1)</source>
        <translation>no legible, no escribible (grupo %1)</translation>
    </message>
    <message>
        <source>not readable, writable (group %1)</source>
        <translation>no legible, escribible (grupo %1)</translation>
    </message>
    <message>
        <source>readable, not writable (group %1)</source>
        <translation>legible, no escribible (grupo %1)</translation>
    </message>
    <message>
        <source>the device refused the rate %1</source>
        <translation>el dispositivo rechazó la velocidad %1</translation>
    </message>
</context>
<context>
    <name>halvane::preview</name>
    <message>
        <source>The file </source>
        <translation>El archivo </translation>
    </message>
    <message>
        <source> not find!
Please:Copy this file to &apos;Animation&apos;.</source>
        <translation> no se encuentra.
Copie este archivo en «Animation».</translation>
    </message>
</context>
<context>
    <name>halvane::ui</name>
    <message>
        <source>Animation file(*.bmp; *.jpg; *.crs)</source>
        <translation>Archivo de animación(*.bmp; *.jpg; *.crs)</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Temperature °C</source>
        <translation>Temperatura °C</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Please open a exist playlist file, or create a new playlist file.</source>
        <translation>Abra un archivo de lista de reproducción existente o cree uno nuevo.</translation>
    </message>
    <message>
        <source>playlist file(*.plst)</source>
        <translation>archivo de lista de reproducción(*.plst)</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Searching Cross, Please Wait...</source>
        <translation>Buscando la cruz, espere por favor...</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>1 rate</source>
        <translation>nivel 1</translation>
    </message>
    <message>
        <source>2 rate</source>
        <translation>nivel 2</translation>
    </message>
    <message>
        <source>3 rate</source>
        <translation>nivel 3</translation>
    </message>
    <message>
        <source>4 rate</source>
        <translation>nivel 4</translation>
    </message>
    <message>
        <source>Alway 1 rate</source>
        <translation>Siempre nivel 1</translation>
    </message>
    <message>
        <source>Alway 2 rate</source>
        <translation>Siempre nivel 2</translation>
    </message>
    <message>
        <source>Alway 3 rate</source>
        <translation>Siempre nivel 3</translation>
    </message>
    <message>
        <source>Alway 4 rate</source>
        <translation>Siempre nivel 4</translation>
    </message>
    <message>
        <source>Always open</source>
        <translation>Siempre encendido</translation>
    </message>
    <message>
        <source>Always closed</source>
        <translation>Siempre apagado</translation>
    </message>
    <message>
        <source>ATTENTION</source>
        <translation>ATENCIÓN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Zone 0</source>
        <translation>Huso 0</translation>
    </message>
</context>
<context>
    <name>halvane::ui::AboutDlg</name>
    <message>
        <source>About Halvane</source>
        <translation>Acerca de Halvane</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Halvane_SingleColor  Version  </source>
        <translation>Halvane_SingleColor  Versión  </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>MCU Version</source>
        <translation>Versión del microcontrolador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>MCU Version:</source>
        <translation>Versión del microcontrolador:</translation>
    </message>
</context>
<context>
    <name>halvane::ui::AnimationListPanel</name>
    <message>
        <source>Animation List</source>
        <translation>Lista de animaciones</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add a Animation</source>
        <translation>Añadir una animación</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete a Animation</source>
        <translation>Borrar una animación</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Speed/Delay(1s)</source>
        <translation>Velocidad/Retardo(1s)</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>animation file(*.crs; *.bmp; *.jpg)</source>
        <translation>archivo de animación(*.crs; *.bmp; *.jpg)</translation>
    </message>
</context>
<context>
    <name>halvane::ui::BackAnimationBox</name>
    <message>
        <source>Click to choose a back animation, right-click for none</source>
        <translation>Haga clic para elegir una animación de fondo, clic derecho para ninguna</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Cross picture</source>
        <translation>Imagen de la cruz</translation>
    </message>
    <message>
        <source>Save as GIF...</source>
        <translation>Guardar como GIF...</translation>
    </message>
    <message>
        <source>Save status</source>
        <translation>Estado del guardado</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Save as GIF</source>
        <translation>Guardar como GIF</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>Imágenes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>Guardando %1 ...</translation>
    </message>
    <message>
        <source>There is nothing to show.</source>
        <translation>No hay nada que mostrar.</translation>
    </message>
    <message>
        <source>Saved %1: %2 frames</source>
        <translation>%1 guardado: %2 fotogramas</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
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
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Blocks sent</source>
        <translation>Bloques enviados</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Advertencias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Blocks sent: %1 / %2</source>
        <translation>Bloques enviados: %1 / %2</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Tiempo restante: %1</translation>
    </message>
    <message>
        <source>Blocks sent: %1 / %1</source>
        <translation>Bloques enviados: %1 / %1</translation>
    </message>
</context>
<context>
    <name>halvane::ui::CrossDialog</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The cross is still busy with the last exchange: nothing was sent. Try again in a moment.</source>
        <translation>La cruz sigue ocupada con el intercambio anterior: no se ha enviado nada. Vuelva a intentarlo en un momento.</translation>
    </message>
</context>
<context>
    <name>halvane::ui::DataMessageRows</name>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Time(s)</source>
        <translation>Tiempo(s)</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Back Animation</source>
        <translation>Animación de fondo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>halvane::ui::FontsDlg</name>
    <message>
        <source>Add and Delete Fonts</source>
        <translation>Añadir y borrar fuentes</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>halvane::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nueva animación</translation>
    </message>
    <message>
        <source>New Play Project</source>
        <translation>Nuevo proyecto de reproducción</translation>
    </message>
    <message>
        <source>Open Play Project</source>
        <translation>Abrir proyecto de reproducción</translation>
    </message>
    <message>
        <source>Save Play Project</source>
        <translation>Guardar proyecto de reproducción</translation>
    </message>
    <message>
        <source>Save Play Project as</source>
        <translation>Guardar proyecto de reproducción como</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Sync Time</source>
        <translation>Sincronizar hora</translation>
    </message>
    <message>
        <source>Set Bright</source>
        <translation>Ajustar brillo</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ENCENDIDO/APAGADO</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Test Cross</source>
        <translation>Probar la cruz</translation>
    </message>
    <message>
        <source>F&amp;onts</source>
        <translation>F&amp;uentes</translation>
    </message>
    <message>
        <source>Add/Delete Fonts</source>
        <translation>Añadir/borrar fuentes</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Data Messages</source>
        <translation>Mensajes de datos</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Mensajes de texto</translation>
    </message>
    <message>
        <source>Removed, their files have gone: %1</source>
        <translation>Quitados porque sus archivos ya no existen: %1</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Do you want save the changes before closing?</source>
        <translation>¿Desea guardar los cambios antes de cerrar?</translation>
    </message>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Execute Dravelle/Dravelle.exe Programe Error!</source>
        <translation>¡Error al ejecutar el programa Dravelle/Dravelle.exe!</translation>
    </message>
    <message>
        <source>        Can&apos;t find cross          </source>
        <translation>        No se encuentra la cruz          </translation>
    </message>
    <message>
        <source>   COM : -     </source>
        <translation>   COM : -     </translation>
    </message>
    <message>
        <source>   Baudrate : ------     </source>
        <translation>   Velocidad : ------     </translation>
    </message>
    <message>
        <source>Recent Play Projects</source>
        <translation>Proyectos de reproducción recientes</translation>
    </message>
    <message>
        <source>The play project &quot;%1&quot; is no longer there: it has been taken off the list of recent play projects.</source>
        <translation>El proyecto de reproducción «%1» ya no existe: se ha quitado de la lista de proyectos recientes.</translation>
    </message>
    <message>
        <source>Clear the List</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>The search&apos;s result could not be kept in the settings: %1</source>
        <translation>No se ha podido guardar el resultado de la búsqueda en los ajustes: %1</translation>
    </message>
    <message>
        <source>%1 could not be used: see the cross&apos;s pane.</source>
        <translation>%1 no se pudo usar: vea el recuadro de la cruz.</translation>
    </message>
</context>
<context>
    <name>halvane::ui::MemoryMeter</name>
    <message>
        <source>Cross memory</source>
        <translation>Memoria de la cruz</translation>
    </message>
    <message>
        <source>Memory: measuring...</source>
        <translation>Memoria: midiendo...</translation>
    </message>
    <message>
        <source>Too large for the cross: %1</source>
        <translation>Demasiado grande para la cruz: %1</translation>
    </message>
</context>
<context>
    <name>halvane::ui::OnOffDlg</name>
    <message>
        <source>Set LED Open and Close Time</source>
        <translation>Horas de encendido y apagado de los LED</translation>
    </message>
    <message>
        <source>first open</source>
        <translation>primer encendido</translation>
    </message>
    <message>
        <source>first close</source>
        <translation>primer apagado</translation>
    </message>
    <message>
        <source>second open</source>
        <translation>segundo encendido</translation>
    </message>
    <message>
        <source>second close</source>
        <translation>segundo apagado</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>FIRST</source>
        <translation>PRIMERO</translation>
    </message>
    <message>
        <source>SECOND</source>
        <translation>SEGUNDO</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source> hour</source>
        <translation> hora</translation>
    </message>
    <message>
        <source> minute</source>
        <translation> minuto</translation>
    </message>
    <message>
        <source>Open From:</source>
        <translation>Encendido de:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
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
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Sending the open and close times...</source>
        <translation>Enviando las horas de encendido y apagado...</translation>
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
        <translation>Ajustar la resolución y la velocidad de la cruz</translation>
    </message>
    <message>
        <source>Cross Resolution</source>
        <translation>Resolución de la cruz</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>Puntos de marco %1</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Temp. Factor</source>
        <translation>Factor de temp.</translation>
    </message>
    <message>
        <source>Set to cross</source>
        <translation>Enviar a la cruz</translation>
    </message>
    <message>
        <source>Harness frame dots:</source>
        <translation>Puntos de marco:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Zona horaria:</translation>
    </message>
    <message>
        <source>Temp. Factor:</source>
        <translation>Factor de temp.:</translation>
    </message>
    <message>
        <source>1.Before set the &quot;Cross Resolution&quot;, please make sure you know your Cross is 48 x 48 or 64 x 64. If you set the wrong &quot;Cross Resolution&quot;, the software will say &quot;Can&apos;t find the Cross&quot;.</source>
        <translation>1. Antes de ajustar la «Resolución de la cruz», asegúrese de saber si su cruz es de 48 x 48 o de 64 x 64. Si ajusta una «Resolución de la cruz» equivocada, el programa indicará «No se encuentra la cruz».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sending the parameters...</source>
        <translation>Enviando los parámetros...</translation>
    </message>
</context>
<context>
    <name>halvane::ui::PlayListPanel</name>
    <message>
        <source>Play List</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Thumbnail %1</source>
        <translation>Miniatura %1</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
    <message>
        <source>Preview Play List</source>
        <translation>Vista previa de la lista</translation>
    </message>
</context>
<context>
    <name>halvane::ui::SearchCrossDlg</name>
    <message>
        <source>Search Cross</source>
        <translation>Buscar la cruz</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>No %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Dirección %1</translation>
    </message>
    <message>
        <source>Current cross</source>
        <translation>Cruz actual</translation>
    </message>
    <message>
        <source>%1 is the current cross</source>
        <translation>%1 es la cruz actual</translation>
    </message>
    <message>
        <source>Please input the CORRECT address of this Cross, otherwise the software will say &quot;Can&apos;t find Cross&quot;.</source>
        <translation>Introduzca la dirección CORRECTA de esta cruz; de lo contrario, el programa indicará «No se encuentra la cruz».</translation>
    </message>
    <message>
        <source>Please make sure you have kept the address properly, do NOT loose it. </source>
        <translation>Guarde bien la dirección y NO la pierda. </translation>
    </message>
    <message>
        <source>It is strongly suggested to make a note of each address for future reference.</source>
        <translation>Se recomienda encarecidamente anotar cada dirección para consultarla en el futuro.</translation>
    </message>
    <message>
        <source>Search cross</source>
        <translation>Buscar la cruz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Looking for the cross...</source>
        <translation>Buscando la cruz...</translation>
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
        <translation>Ajustar brillo</translation>
    </message>
    <message>
        <source>Brightness automatically</source>
        <translation>Brillo automático</translation>
    </message>
    <message>
        <source>Bright List</source>
        <translation>Lista de brillos</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source> hour</source>
        <translation> hora</translation>
    </message>
    <message>
        <source> minute</source>
        <translation> minuto</translation>
    </message>
    <message>
        <source> level</source>
        <translation> nivel</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
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
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Sending the brightness schedule...</source>
        <translation>Enviando el horario de brillo...</translation>
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
        <translation>Estado de la prueba de la cruz</translation>
    </message>
    <message>
        <source>Test result</source>
        <translation>Resultado de la prueba</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>halvane::ui::TextMessageRows</name>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Back Animation</source>
        <translation>Animación de fondo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
</TS>
