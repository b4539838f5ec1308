<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>GifText</name>
    <message>
        <source>damaged image data</source>
        <translation>dati dell&apos;immagine danneggiati</translation>
    </message>
    <message>
        <source>no image data</source>
        <translation>nessun dato dell&apos;immagine</translation>
    </message>
    <message>
        <source>a frame larger than %1 pixels</source>
        <translation>un fotogramma di oltre %1 pixel</translation>
    </message>
    <message>
        <source>no colour table</source>
        <translation>nessuna tavolozza dei colori</translation>
    </message>
    <message>
        <source>an empty image</source>
        <translation>un&apos;immagine vuota</translation>
    </message>
    <message>
        <source>The picture is too large to be shown: %1 x %2 pixels (at most %3 pixels).</source>
        <translation>L&apos;immagine è troppo grande per essere mostrata: %1 x %2 pixel (al massimo %3 pixel).</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a picture for the cross.</source>
        <translation>Il file %1 è troppo grande per essere un&apos;immagine della croce.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is too large to be a picture for the cross.</source>
        <translation>Il file è troppo grande per essere un&apos;immagine della croce.</translation>
    </message>
    <message>
        <source>The GIF&apos;s logical screen is %1 x %2 pixels: there is nothing to show.</source>
        <translation>Lo schermo logico della GIF misura %1 x %2 pixel: non c&apos;è nulla da mostrare.</translation>
    </message>
    <message>
        <source>The GIF has no frame.</source>
        <translation>La GIF non contiene fotogrammi.</translation>
    </message>
    <message>
        <source>The GIF has %1 frames: at most %2 can be shown.</source>
        <translation>La GIF contiene %1 fotogrammi: se ne possono mostrare al massimo %2.</translation>
    </message>
    <message>
        <source>None of the GIF&apos;s frames can be decoded.</source>
        <translation>Nessun fotogramma della GIF può essere decodificato.</translation>
    </message>
    <message>
        <source>The file is not a GIF, JPG or BMP picture.</source>
        <translation>Il file non è un&apos;immagine GIF, JPG o BMP.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded: %1</source>
        <translation>Impossibile decodificare l&apos;immagine: %1</translation>
    </message>
</context>
<context>
    <name>common::Profile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: a section, key or value may not contain a line break or a NUL character.</source>
        <translation>L&apos;impostazione %1 in [%2] non è stata salvata: una sezione, una chiave o un valore non può contenere a capo né caratteri NUL.</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: another program keeps %3 locked.</source>
        <translation>L&apos;impostazione %1 in [%2] non è stata salvata: un altro programma tiene bloccato %3.</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: a key may not begin with &apos;[&apos; or contain &apos;=&apos;.</source>
        <translation>L&apos;impostazione %1 in [%2] non è stata salvata: una chiave non può iniziare con «[» né contenere «=».</translation>
    </message>
</context>
</TS>
