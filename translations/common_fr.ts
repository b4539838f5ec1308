<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>GifText</name>
    <message>
        <source>damaged image data</source>
        <translation>données d&apos;image endommagées</translation>
    </message>
    <message>
        <source>no image data</source>
        <translation>aucune donnée d&apos;image</translation>
    </message>
    <message>
        <source>a frame larger than %1 pixels</source>
        <translation>une image de plus de %1 pixels</translation>
    </message>
    <message>
        <source>no colour table</source>
        <translation>aucune table de couleurs</translation>
    </message>
    <message>
        <source>an empty image</source>
        <translation>une image vide</translation>
    </message>
    <message>
        <source>The picture is too large to be shown: %1 x %2 pixels (at most %3 pixels).</source>
        <translation>L&apos;image est trop grande pour être affichée : %1 x %2 pixels (%3 pixels au maximum).</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a picture for the cross.</source>
        <translation>Le fichier %1 est trop volumineux pour être une image de la croix.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is too large to be a picture for the cross.</source>
        <translation>Le fichier est trop volumineux pour être une image de la croix.</translation>
    </message>
    <message>
        <source>The GIF&apos;s logical screen is %1 x %2 pixels: there is nothing to show.</source>
        <translation>L&apos;écran logique du GIF mesure %1 x %2 pixels : il n&apos;y a rien à afficher.</translation>
    </message>
    <message>
        <source>The GIF has no frame.</source>
        <translation>Le GIF ne contient aucune image.</translation>
    </message>
    <message>
        <source>The GIF has %1 frames: at most %2 can be shown.</source>
        <translation>Le GIF contient %1 images : %2 au maximum peuvent être affichées.</translation>
    </message>
    <message>
        <source>None of the GIF&apos;s frames can be decoded.</source>
        <translation>Aucune image du GIF ne peut être décodée.</translation>
    </message>
    <message>
        <source>The file is not a GIF, JPG or BMP picture.</source>
        <translation>Le fichier n&apos;est pas une image GIF, JPG ou BMP.</translation>
    </message>
    <message>
        <source>The picture cannot be decoded: %1</source>
        <translation>Impossible de décoder l&apos;image : %1</translation>
    </message>
</context>
<context>
    <name>common::Profile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: a section, key or value may not contain a line break or a NUL character.</source>
        <translation>Le réglage %1 de [%2] n&apos;a pas été enregistré : une section, une clé ou une valeur ne peut contenir ni saut de ligne ni caractère NUL.</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: another program keeps %3 locked.</source>
        <translation>Le réglage %1 de [%2] n&apos;a pas été enregistré : un autre programme verrouille %3.</translation>
    </message>
    <message>
        <source>The setting %1 in [%2] was not saved: a key may not begin with &apos;[&apos; or contain &apos;=&apos;.</source>
        <translation>Le réglage %1 de [%2] n&apos;a pas été enregistré : une clé ne peut pas commencer par « [ » ni contenir « = ».</translation>
    </message>
</context>
</TS>
