<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ClipboardText</name>
    <message>
        <source>The clipboard does not hold pages Dravelle can read.</source>
        <translation>El portapapeles no contiene páginas que Dravelle pueda leer.</translation>
    </message>
    <message>
        <source>There are no pages to paste.</source>
        <translation>No hay páginas que pegar.</translation>
    </message>
    <message>
        <source>These pages are for a cross of %1 x %1 dots; this animation is %2 x %2 dots.</source>
        <translation>Estas páginas son para una cruz de %1 x %1 puntos; esta animación es de %2 x %2 puntos.</translation>
    </message>
    <message>
        <source>The pages cannot be pasted.</source>
        <translation>No se pueden pegar las páginas.</translation>
    </message>
    <message>
        <source>There are no pages to cut.</source>
        <translation>No hay páginas que cortar.</translation>
    </message>
    <message>
        <source>An animation keeps at least one page: copy the pages instead.</source>
        <translation>Una animación conserva al menos una página: copie las páginas en su lugar.</translation>
    </message>
    <message>
        <source>The pages cannot be cut.</source>
        <translation>No se pueden cortar las páginas.</translation>
    </message>
</context>
<context>
    <name>CrsText</name>
    <message>
        <source>The resolution must be 48 or 64, not %1.</source>
        <translation>La resolución debe ser 48 o 64, no %1.</translation>
    </message>
    <message>
        <source>The animation has no page.</source>
        <translation>La animación no tiene ninguna página.</translation>
    </message>
    <message>
        <source>Page %1 does not have %2 x %2 dots.</source>
        <translation>La página %1 no tiene %2 x %2 puntos.</translation>
    </message>
    <message>
        <source>The animation could not be encoded as a GIF.</source>
        <translation>No se ha podido codificar la animación como GIF.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>Dravelle</name>
    <message>
        <source>There is no animation to save.</source>
        <translation>No hay ninguna animación que guardar.</translation>
    </message>
    <message>
        <source>The words may have at most %1 characters.</source>
        <translation>El texto puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The font size must be %1 to %2.</source>
        <translation>El tamaño de fuente debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Unknown colour.</source>
        <translation>Color desconocido.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>The delay cannot be negative.</source>
        <translation>El retardo no puede ser negativo.</translation>
    </message>
    <message>
        <source>There is no animation.</source>
        <translation>No hay ninguna animación.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Se ha cancelado la importación.</translation>
    </message>
    <message>
        <source>There is no animation to add words to.</source>
        <translation>No hay ninguna animación a la que añadir texto.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Select a file or folder</source>
        <translation>Elija un archivo o una carpeta</translation>
    </message>
    <message>
        <source>animation file (*.gif *.crs *.jpg *.bmp)</source>
        <translation>archivo de animación (*.gif *.crs *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>A font name may have at most %1 characters.</source>
        <translation>El nombre de una fuente puede tener como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>dravelle::editor</name>
    <message>
        <source>The picture has %1 frames: the first %2 were taken, the most pages an animation of %3 x %3 dots may have.</source>
        <translation>La imagen tiene %1 fotogramas: se han tomado los %2 primeros, el máximo de páginas de una animación de %3 x %3 puntos.</translation>
    </message>
    <message>
        <source>These words would make %1 pages: an animation of %2 x %2 dots may have at most %3. Please use a shorter text or a smaller size.</source>
        <translation>Este texto daría %1 páginas: una animación de %2 x %2 puntos puede tener como máximo %3. Use un texto más corto o un tamaño menor.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ColourBar</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ColourPair</name>
    <message>
        <source>Drawing and erase colour</source>
        <translation>Color de dibujo y de borrado</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::DelayDlg</name>
    <message>
        <source>Change All Page&apos;s Delay</source>
        <translation>Cambiar el retardo de todas las páginas</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Retardo:</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
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
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>Current Group</source>
        <translation>Grupo actual</translation>
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
        <translation>¡Detenga primero la vista previa!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::EditCommands</name>
    <message>
        <source>Mirror Left-Right</source>
        <translation>Reflejar izquierda-derecha</translation>
    </message>
    <message>
        <source>Mirror Top-Bottom</source>
        <translation>Reflejar arriba-abajo</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut Pages</source>
        <translation>Cortar páginas</translation>
    </message>
    <message>
        <source>Copy Pages</source>
        <translation>Copiar páginas</translation>
    </message>
    <message>
        <source>Paste Pages</source>
        <translation>Pegar páginas</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Duplicar páginas</translation>
    </message>
    <message>
        <source>Transform Current Page</source>
        <translation>Transformar la página actual</translation>
    </message>
    <message>
        <source>Transform All Pages</source>
        <translation>Transformar todas las páginas</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>The clipboard holds no pages.</source>
        <translation>El portapapeles no contiene páginas.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ImportDlg</name>
    <message>
        <source>Get Animation From Video File</source>
        <translation>Obtener una animación de un archivo de vídeo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fotogramas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Gray:</source>
        <translation>Gris:</translation>
    </message>
    <message>
        <source>GetAnimations</source>
        <translation>Obtener</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Completa</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>No se puede leer este archivo: %1</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::MainFrame</name>
    <message>
        <source>Save Animation as</source>
        <translation>Guardar animación como</translation>
    </message>
    <message>
        <source>cross file(*.crs)</source>
        <translation>archivo de cruz(*.crs)</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Colour picker</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Goma</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Big pen</source>
        <translation>Lápiz grueso</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Circumgyrate</source>
        <translation>Remolino</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Edit Cross Animation</source>
        <translation>Edición de animaciones para la cruz</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Animation</source>
        <translation>Nueva animación</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Abrir animación</translation>
    </message>
    <message>
        <source>Save Animation</source>
        <translation>Guardar animación</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Plantillas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Dravelle...</source>
        <translation>&amp;Acerca de Dravelle...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Cross Resolution</source>
        <translation>Resolución de la cruz</translation>
    </message>
    <message>
        <source>Add Words</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Change All Delay</source>
        <translation>Cambiar todos los retardos</translation>
    </message>
    <message>
        <source>Reverse Color</source>
        <translation>Invertir colores</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de es&amp;tado</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Do you want save the animation?</source>
        <translation>¿Desea guardar la animación?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>About Dravelle</source>
        <translation>Acerca de Dravelle</translation>
    </message>
    <message>
        <source>Dravelle Version 1.06</source>
        <translation>Dravelle versión 1.06</translation>
    </message>
    <message>
        <source>&amp;Onion Skin</source>
        <translation>Papel de &amp;cebolla</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::PageStripPanel</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Retardo %1</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegida</translation>
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
        <translation>No se encuentra el archivo %1. Se quita de los archivos recientes.</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::RecoveryKeeper</name>
    <message>
        <source>The recovery copy cannot be written: %1</source>
        <translation>No se puede escribir la copia de recuperación: %1</translation>
    </message>
    <message>
        <source>Dravelle</source>
        <translation>Dravelle</translation>
    </message>
    <message>
        <source>Dravelle was not closed normally. Do you want to restore the animation it was editing?</source>
        <translation>Dravelle no se cerró correctamente. ¿Desea recuperar la animación que estaba editando?</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2</source>
        <translation>No se puede leer la copia de recuperación %1: %2</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ResolutionDlg</name>
    <message>
        <source>Cross Resolution</source>
        <translation>Resolución de la cruz</translation>
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
        <translation>No volver a mostrar</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::ReverseColorDlg</name>
    <message>
        <source>Reverse Color</source>
        <translation>Invertir colores</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Alcance</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>All Page</source>
        <translation>Todas las páginas</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::SquareWidget</name>
    <message>
        <source>Editing square</source>
        <translation>Cuadro de edición</translation>
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
        <translation>Procesando, espere por favor...</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WordsDlg</name>
    <message>
        <source>Show Words</source>
        <translation>Mostrar texto</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>StartX</source>
        <translation>Inicio X</translation>
    </message>
    <message>
        <source>StartY</source>
        <translation>Inicio Y</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Salida completa</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Background
Color:</source>
        <translation>Color
de fondo:</translation>
    </message>
    <message>
        <source>StartX:</source>
        <translation>Inicio X:</translation>
    </message>
    <message>
        <source>StartY:</source>
        <translation>Inicio Y:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dravelle::ui::WordsJob</name>
    <message>
        <source>The words are still being drawn.</source>
        <translation>El texto todavía se está dibujando.</translation>
    </message>
    <message>
        <source>There is no animation to add words to.</source>
        <translation>No hay ninguna animación a la que añadir texto.</translation>
    </message>
    <message>
        <source>Please wait: the words are still being drawn.</source>
        <translation>Espere: el texto todavía se está dibujando.</translation>
    </message>
</context>
</TS>
