<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GifText</name>
    <message>
        <source>damaged image data</source>
        <translation>datos de imagen dañados</translation>
    </message>
    <message>
        <source>no image data</source>
        <translation>sin datos de imagen</translation>
    </message>
    <message>
        <source>a frame larger than %1 pixels</source>
        <translation>un fotograma de más de %1 píxeles</translation>
    </message>
    <message>
        <source>no colour table</source>
        <translation>sin tabla de colores</translation>
    </message>
    <message>
        <source>an empty image</source>
        <translation>una imagen vacía</translation>
    </message>
    <message>
        <source>The picture is too large to be shown: %1 x %2 pixels (at most %3 pixels).</source>
        <translation>La imagen es demasiado grande para mostrarla: %1 x %2 píxeles (como máximo %3 píxeles).</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a picture for the cross.</source>
        <translation>El archivo %1 es demasiado grande para ser una imagen de la cruz.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large to be a picture for the cross.</source>
        <translation>El archivo es demasiado grande para ser una imagen de la cruz.</translation>
    </message>
    <message>
        <source>The GIF&apos;s logical screen is %1 x %2 pixels: there is nothing to show.</source>
        <translation>La pantalla lógica del GIF mide %1 x %2 píxeles: no hay nada que mostrar.</translation>
    </message>
    <message>
        <source>The GIF has no frame.</source>
        <translation>El GIF no tiene ningún fotograma.</translation>
    </message>
    <message>
        <source>The GIF has %1 frames: at most %2 can be shown.</source>
        <translation>El GIF tiene %1 fotogramas: se pueden mostrar como máximo %2.</translation>
    </message>
    <message>
        <source>None of the GIF&apos;s frames can be decoded.</source>
        <translation>No se puede decodificar ningún fotograma del GIF.</translation>
    </message>
    <message>
        <source>The file is not a GIF, JPG or BMP picture.</source>
        <translation>El archivo no es una imagen GIF, JPG ni BMP.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded: %1</source>
        <translation>No se puede decodificar la imagen: %1</translation>
    </message>
</context>
<context>
    <name>common::Profile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: a section, key or value may not contain a line break or a NUL character.</source>
        <translation>El ajuste %1 de [%2] no se ha guardado: una sección, clave o valor no puede contener saltos de línea ni caracteres NUL.</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: another program keeps %3 locked.</source>
        <translation>El ajuste %1 de [%2] no se ha guardado: otro programa mantiene %3 bloqueado.</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: a key may not begin with &apos;[&apos; or contain &apos;=&apos;.</source>
        <translation>El ajuste %1 de [%2] no se ha guardado: una clave no puede empezar por «[» ni contener «=».</translation>
    </message>
</context>
</TS>
