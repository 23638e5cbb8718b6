<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>ArchiveCache</name>
    <message>
        <source>The listing holds a name that cannot be cached.</source>
        <translation>La liste contient un nom qui ne peut pas être mis en cache.</translation>
    </message>
</context>
<context>
    <name>ArchiveFolder</name>
    <message>
        <source>The folder&apos;s name is not text in the system&apos;s encoding (UTF-8), so it was not searched.</source>
        <translation>Le nom du dossier n&apos;est pas du texte dans l&apos;encodage du système (UTF-8) ; il n&apos;a donc pas été parcouru.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Lecture impossible : %1.</translation>
    </message>
    <message>
        <source>Its name is not text in the system&apos;s encoding (UTF-8), so it cannot be listed.</source>
        <translation>Son nom n&apos;est pas du texte dans l&apos;encodage du système (UTF-8) ; il ne peut donc pas être listé.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Le dossier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Le dossier ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>ArchiveListing</name>
    <message>
        <source>Cannot find the volume file %1.</source>
        <translation>Fichier VOL %1 introuvable.</translation>
    </message>
</context>
<context>
    <name>ArchiveSearch</name>
    <message>
        <source>not read</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>non lu : %1</translation>
    </message>
</context>
<context>
    <name>BatchInterpreter</name>
    <message>
        <source>usage: kadrillo-batch SCRIPT</source>
        <translation>usage : kadrillo-batch SCRIPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>impossible de lire le script : %1</translation>
    </message>
    <message>
        <source>a script runs one tool only</source>
        <translation>un script ne lance qu&apos;un seul outil</translation>
    </message>
    <message>
        <source>cannot change to the folder %1</source>
        <translation>impossible d&apos;aller dans le dossier %1</translation>
    </message>
    <message>
        <source>cannot find the tool %1</source>
        <translation>outil %1 introuvable</translation>
    </message>
    <message>
        <source>%1: cannot start %2: %3</source>
        <translation>%1 : impossible de lancer %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2 crashed</source>
        <translation>%1 : %2 a planté</translation>
    </message>
</context>
<context>
    <name>BatchLine</name>
    <message>
        <source>the operator %1 outside quotes is not supported</source>
        <translation>l&apos;opérateur %1 hors guillemets n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>more than one output redirection</source>
        <translation>plus d&apos;une redirection de sortie</translation>
    </message>
    <message>
        <source>a redirection without a file name</source>
        <translation>une redirection sans nom de fichier</translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation>un guillemet double n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a redirection without a command</source>
        <translation>une redirection sans commande</translation>
    </message>
    <message>
        <source>the character % is not supported</source>
        <translation>le caractère % n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>cd needs one folder</source>
        <translation>cd demande un dossier</translation>
    </message>
    <message>
        <source>the operator %1 is not supported in cd</source>
        <translation>l&apos;opérateur %1 n&apos;est pas pris en charge dans cd</translation>
    </message>
</context>
<context>
    <name>BitmapReader</name>
    <message>
        <source>it is too large to show (%1 × %2)</source>
        <translation>elle est trop grande pour être affichée (%1 × %2)</translation>
    </message>
    <message>
        <source>it is not a bitmap</source>
        <translation>ce n&apos;est pas une image bitmap</translation>
    </message>
    <message>
        <source>its pixels cannot be read: %1</source>
        <translation>ses pixels ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>its pixels cannot be read</source>
        <translation>ses pixels ne peuvent pas être lus</translation>
    </message>
</context>
<context>
    <name>CacheFolder</name>
    <message>
        <source>Others may enter the cache folder %1 (its mode is %2, not 0700), so nothing is cached.</source>
        <translation>D&apos;autres peuvent entrer dans le dossier de cache %1 (mode %2 au lieu de 0700) ; rien n&apos;est donc mis en cache.</translation>
    </message>
    <message>
        <source>The cache folder %1 is a link, a file or another user&apos;s folder, so nothing is cached.</source>
        <translation>Le dossier de cache %1 est un lien, un fichier ou le dossier d&apos;un autre utilisateur ; rien n&apos;est donc mis en cache.</translation>
    </message>
    <message>
        <source>The cache folder %1 cannot be made, so nothing is cached.</source>
        <translation>Le dossier de cache %1 ne peut pas être créé ; rien n&apos;est donc mis en cache.</translation>
    </message>
    <message>
        <source>It is too large to be cached.</source>
        <translation>Il est trop grand pour être mis en cache.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 ne peut pas être supprimé : %2</translation>
    </message>
</context>
<context>
    <name>CommandLineMode</name>
    <message>
        <source>see kadrillo --help</source>
        <translation>voir kadrillo --help</translation>
    </message>
    <message>
        <source>stopped by a termination signal</source>
        <translation>arrêté par un signal d&apos;arrêt</translation>
    </message>
    <message>
        <source>%1 holds more than %2 objects; only the first %2 are listed</source>
        <translation>%1 contient plus de %2 objets ; seuls les %2 premiers sont listés</translation>
    </message>
    <message>
        <source>cannot start %1 (%2): %3</source>
        <translation>impossible de lancer %1 (%2) : %3</translation>
    </message>
    <message>
        <source>%1 (%2) did not end normally</source>
        <translation>%1 (%2) ne s&apos;est pas terminé normalement</translation>
    </message>
    <message>
        <source>%1 (%2) ended with status %3</source>
        <translation>%1 (%2) s&apos;est terminé avec le statut %3</translation>
    </message>
    <message>
        <source>%1: there is a problem with the vol file, or it is not a valid vol file</source>
        <translation>%1 : le fichier VOL pose problème, ou ce n&apos;est pas un fichier VOL valide</translation>
    </message>
    <message>
        <source>the working folder %1 is not a folder of your own, so the game&apos;s tools will not run there; choose another &quot;Temp Path&quot; in the settings</source>
        <translation>le dossier de travail %1 ne vous appartient pas ; les outils du jeu n&apos;y seront donc pas lancés ; choisissez un autre « Temp Path » dans les réglages</translation>
    </message>
    <message>
        <source>the working folder %1 can be written by other users, so the game&apos;s tools will not run there; make it private (chmod 700) or choose another &quot;Temp Path&quot; in the settings</source>
        <translation>le dossier de travail %1 est modifiable par d&apos;autres utilisateurs ; les outils du jeu n&apos;y seront donc pas lancés ; rendez-le privé (chmod 700) ou choisissez un autre « Temp Path » dans les réglages</translation>
    </message>
    <message>
        <source>cannot create the working folder %1</source>
        <translation>impossible de créer le dossier de travail %1</translation>
    </message>
    <message>
        <source>can not find %1 (%2)</source>
        <translation>%1 introuvable (%2)</translation>
    </message>
    <message>
        <source>cannot copy %1 into the working folder %2</source>
        <translation>impossible de copier %1 dans le dossier de travail %2</translation>
    </message>
    <message>
        <source>can not find the default palette %1</source>
        <translation>palette par défaut %1 introuvable</translation>
    </message>
    <message>
        <source>%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own; choose a place outside it</source>
        <translation>%1 est dans le dossier de travail %2, où Kadrillo remplace et supprime ses propres fichiers ; choisissez un emplacement en dehors</translation>
    </message>
    <message>
        <source>not in the archive</source>
        <translation>absent de l&apos;archive</translation>
    </message>
    <message>
        <source>%1 is not written, because the sheet would be too large</source>
        <translation>%1 n&apos;est pas écrit, car la planche serait trop grande</translation>
    </message>
    <message>
        <source>%1 is not written, because there is no picture to draw</source>
        <translation>%1 n&apos;est pas écrit, car il n&apos;y a aucune image à dessiner</translation>
    </message>
    <message>
        <source>%1 is not written, because no picture could be drawn</source>
        <translation>%1 n&apos;est pas écrit, car aucune image n&apos;a pu être dessinée</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>refused, because %1</source>
        <translation>refusé, car %1</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>ne tient pas : %1</translation>
    </message>
    <message>
        <source>not drawn, because the sheet is full</source>
        <translation>non dessiné, car la planche est pleine</translation>
    </message>
    <message>
        <source>not extracted, because the tool could not start</source>
        <translation>non extrait, car l&apos;outil n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>not converted, because the tool could not start</source>
        <translation>non converti, car l&apos;outil n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>not drawn, because the tool could not start</source>
        <translation>non dessiné, car l&apos;outil n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>not extracted, because the run was stopped</source>
        <translation>non extrait, car l&apos;exécution a été arrêtée</translation>
    </message>
    <message>
        <source>not converted, because the run was stopped</source>
        <translation>non converti, car l&apos;exécution a été arrêtée</translation>
    </message>
    <message>
        <source>not drawn, because the run was stopped</source>
        <translation>non dessiné, car l&apos;exécution a été arrêtée</translation>
    </message>
    <message>
        <source>palette %1: %2</source>
        <translation>palette %1 : %2</translation>
    </message>
    <message>
        <source>palette %1 not found, drawn with the default palette %2</source>
        <translation>palette %1 introuvable, dessinée avec la palette par défaut %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>%1 cannot name a file or folder: its bytes are not text in the system&apos;s encoding</source>
        <translation>%1 ne peut nommer ni fichier ni dossier : ses octets ne sont pas du texte dans l&apos;encodage du système</translation>
    </message>
    <message>
        <source>no archive given</source>
        <translation>aucune archive donnée</translation>
    </message>
    <message>
        <source>--list takes one archive and no object names</source>
        <translation>--list prend une archive et aucun nom d&apos;objet</translation>
    </message>
    <message>
        <source>--to DIR is missing</source>
        <translation>--to DOSSIER manque</translation>
    </message>
    <message>
        <source>--to only goes with --extract, --convert and --contact-sheet</source>
        <translation>--to ne va qu&apos;avec --extract, --convert et --contact-sheet</translation>
    </message>
    <message>
        <source>--contact-sheet writes a .png or a .bmp file, and %1 ends in neither</source>
        <translation>--contact-sheet écrit un fichier .png ou .bmp, et %1 ne finit par aucun des deux</translation>
    </message>
    <message>
        <source>--format and --transparent only go with --convert</source>
        <translation>--format et --transparent ne vont qu&apos;avec --convert</translation>
    </message>
    <message>
        <source>--transparent only goes with --format png</source>
        <translation>--transparent ne va qu&apos;avec --format png</translation>
    </message>
    <message>
        <source>--format takes bmp or png, once</source>
        <translation>--format prend bmp ou png, une seule fois</translation>
    </message>
    <message>
        <source>--transparent takes one colour index from 0 to 255</source>
        <translation>--transparent prend un indice de couleur de 0 à 255</translation>
    </message>
    <message>
        <source>--jobs takes one number of tools to run at once, from 1 to %1</source>
        <translation>--jobs prend un nombre d&apos;outils lancés à la fois, de 1 à %1</translation>
    </message>
    <message>
        <source>--to needs one folder</source>
        <translation>--to demande un dossier</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--recursive only goes with --find</source>
        <translation>--recursive ne va qu&apos;avec --find</translation>
    </message>
    <message>
        <source>--regex and --case-sensitive only go with --grep</source>
        <translation>--regex et --case-sensitive ne vont qu&apos;avec --grep</translation>
    </message>
    <message>
        <source>--find takes a PATTERN and one FOLDER</source>
        <translation>--find prend un MOTIF et un DOSSIER</translation>
    </message>
    <message>
        <source>--grep takes a TEXT and at least one ARCHIVE</source>
        <translation>--grep prend un TEXTE et au moins une ARCHIVE</translation>
    </message>
    <message>
        <source>--cell only goes with --contact-sheet</source>
        <translation>--cell ne va qu&apos;avec --contact-sheet</translation>
    </message>
    <message>
        <source>--cell takes 64, 128 or 256, once</source>
        <translation>--cell prend 64, 128 ou 256, une seule fois</translation>
    </message>
    <message>
        <source>Usage:
  kadrillo [ARCHIVE...]
      open the archives in the window; Qt&apos;s own options, such as -style NAME, go with them
  kadrillo --list ARCHIVE
      print the archive&apos;s object names, one a line, in the archive&apos;s order
  kadrillo --extract ARCHIVE [NAME...] --to DIR
      extract the named objects into DIR (all of them when none is named)
  kadrillo --convert ARCHIVE [NAME...] --to DIR [--format bmp|png] [--transparent INDEX]
      convert the named pictures to BMP files in DIR (when none is named, every
      object whose name ends in &quot;bmp&quot;); with --format png, to 8-bit indexed PNG
      files instead (&quot;sky.bmp&quot; becomes &quot;sky.png&quot;) that keep every colour index
      and the palette, with colour INDEX (0 to 255) transparent when --transparent
      is given
  kadrillo --contact-sheet ARCHIVE [NAME...] --to FILE.png|FILE.bmp [--cell 64|128|256]
      draw the named pictures (as --convert chooses them) side by side with their names
      below, into one PNG or BMP picture, as the ending of FILE says; at their own size,
      or with --cell each scaled into a square cell of that many pixels, its name and
      size below it
  kadrillo --find PATTERN FOLDER [--recursive]
      print ARCHIVE&lt;TAB&gt;OBJECT for every object whose name matches PATTERN (* and ?,
      in any case; &apos;&apos; matches every name) in the .vol archives of FOLDER, and with
      --recursive of its subfolders, ARCHIVE relative to FOLDER
  kadrillo --grep TEXT ARCHIVE... [--regex] [--case-sensitive]
      print ARCHIVE&lt;TAB&gt;SCRIPT&lt;TAB&gt;LINE&lt;TAB&gt;TEXT for every line of the archives&apos; &quot;.cs&quot;
      and &quot;.txt&quot; objects that holds TEXT (a regular expression with --regex), in any
      case unless --case-sensitive is given
  kadrillo --help | -h | --version

Options:
  --quiet   no progress lines; failures are still printed
  --jobs N  run up to N tools at once (1 to 64); without it, as many as the settings&apos;
            &quot;Parallel Runs&quot; say, one per core by default
  --        what follows is an archive or an object name, even when it starts with &quot;-&quot;

The tools, the working folder and the palettes come from the settings of the window.
Nothing is asked: a named object that does not end in &quot;bmp&quot; is not converted and counts
as failed, and a standard bitmap is copied as it is in the archive, with its own colours.

Exit status: 0 when every object succeeded, 1 when any failed, 2 for a usage error or an
archive that cannot be listed. --find and --grep: 0 when something was found and every
archive was read, 1 when nothing was found or an archive could not be read (it is named
with the reason, and the rows of the others are printed), 2 for a usage error.
</source>
        <translation>Usage :
  kadrillo [ARCHIVE...]
      ouvre les archives dans la fenêtre ; les options propres à Qt, comme -style NOM, les accompagnent
  kadrillo --list ARCHIVE
      affiche les noms des objets de l&apos;archive, un par ligne, dans l&apos;ordre de l&apos;archive
  kadrillo --extract ARCHIVE [NOM...] --to DOSSIER
      extrait les objets nommés dans DOSSIER (tous quand aucun n&apos;est nommé)
  kadrillo --convert ARCHIVE [NOM...] --to DOSSIER [--format bmp|png] [--transparent INDICE]
      convertit les images nommées en fichiers BMP dans DOSSIER (quand aucune n&apos;est nommée,
      chaque objet dont le nom finit par &quot;bmp&quot;) ; avec --format png, en fichiers PNG
      indexés 8 bits (&quot;sky.bmp&quot; devient &quot;sky.png&quot;) qui gardent chaque indice de couleur
      et la palette, la couleur INDICE (0 à 255) étant transparente si --transparent
      est donné
  kadrillo --contact-sheet ARCHIVE [NOM...] --to FICHIER.png|FICHIER.bmp [--cell 64|128|256]
      dessine les images nommées (choisies comme par --convert) côte à côte, leur nom
      dessous, dans une seule image PNG ou BMP, selon la fin de FICHIER ; à leur taille,
      ou avec --cell chacune mise à l&apos;échelle dans une case carrée de ce nombre de
      pixels, son nom et sa taille dessous
  kadrillo --find MOTIF DOSSIER [--recursive]
      affiche ARCHIVE&lt;TAB&gt;OBJET pour chaque objet dont le nom correspond à MOTIF (* et ?,
      sans tenir compte de la casse ; &apos;&apos; correspond à tout nom) dans les archives .vol de
      DOSSIER, et avec --recursive de ses sous-dossiers, ARCHIVE relative à DOSSIER
  kadrillo --grep TEXTE ARCHIVE... [--regex] [--case-sensitive]
      affiche ARCHIVE&lt;TAB&gt;SCRIPT&lt;TAB&gt;LIGNE&lt;TAB&gt;TEXTE pour chaque ligne des objets &quot;.cs&quot; et
      &quot;.txt&quot; des archives qui contient TEXTE (une expression régulière avec --regex), sans
      tenir compte de la casse sauf avec --case-sensitive
  kadrillo --help | -h | --version

Options :
  --quiet   pas de lignes de progression ; les échecs sont toujours affichés
  --jobs N  lance jusqu&apos;à N outils à la fois (1 à 64) ; sans elle, autant que le dit
            « Parallel Runs » dans les réglages, un par cœur par défaut
  --        ce qui suit est une archive ou un nom d&apos;objet, même s&apos;il commence par &quot;-&quot;

Les outils, le dossier de travail et les palettes viennent des réglages de la fenêtre.
Rien n&apos;est demandé : un objet nommé dont le nom ne finit pas par &quot;bmp&quot; n&apos;est pas converti
et compte comme un échec, et une image bitmap standard est copiée telle quelle depuis
l&apos;archive, avec ses propres couleurs.

Code de sortie : 0 quand chaque objet a réussi, 1 quand l&apos;un a échoué, 2 pour une erreur
d&apos;usage ou une archive qui ne peut pas être listée. --find et --grep : 0 quand quelque chose
a été trouvé et chaque archive lue, 1 quand rien n&apos;a été trouvé ou qu&apos;une archive n&apos;a pas pu
être lue (elle est nommée avec la raison, et les lignes des autres sont affichées), 2 pour une
erreur d&apos;usage.
</translation>
    </message>
    <message>
        <source>no command given: use --list, --extract, --convert, --contact-sheet, --find or --grep</source>
        <translation>aucune commande donnée : utilisez --list, --extract, --convert, --contact-sheet, --find ou --grep</translation>
    </message>
    <message>
        <source>give only one of --list, --extract, --convert, --contact-sheet, --find and --grep</source>
        <translation>donnez une seule option parmi --list, --extract, --convert, --contact-sheet, --find et --grep</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>aucun dossier donné</translation>
    </message>
</context>
<context>
    <name>ContactSheet</name>
    <message>
        <source>%1 (%2 × %3)</source>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>ContactSheetCommand</name>
    <message>
        <source>&amp;Contact Sheet</source>
        <translation>&amp;Planche contact</translation>
    </message>
</context>
<context>
    <name>ContactSheetJob</name>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>the sheet would be larger than %1 × %1 pixels</source>
        <translation>la planche dépasserait %1 × %1 pixels</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>not written as PNG, because %1</source>
        <translation>non écrit en PNG, car %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>copied unconverted, because %1</source>
        <translation>copié sans conversion, car %1</translation>
    </message>
    <message>
        <source>not converted, because its name does not end in &quot;bmp&quot;</source>
        <translation>non converti, car son nom ne finit pas par « bmp »</translation>
    </message>
    <message>
        <source>a standard bitmap, kept with its own colours</source>
        <translation>une image bitmap standard, gardée avec ses propres couleurs</translation>
    </message>
    <message>
        <source>a standard bitmap, copied as it is</source>
        <translation>une image bitmap standard, copiée telle quelle</translation>
    </message>
</context>
<context>
    <name>DeliveredFiles</name>
    <message>
        <source>1 object extracted to %1</source>
        <translation>1 objet extrait vers %1</translation>
    </message>
    <message>
        <source>%1 objects extracted to %2</source>
        <translation>%1 objets extraits vers %2</translation>
    </message>
    <message>
        <source>1 object converted to %1</source>
        <translation>1 objet converti vers %1</translation>
    </message>
    <message>
        <source>%1 objects converted to %2</source>
        <translation>%1 objets convertis vers %2</translation>
    </message>
    <message>
        <source>1 palette written to %1</source>
        <translation>1 palette écrite dans %1</translation>
    </message>
    <message>
        <source>%1 palettes written to %2</source>
        <translation>%1 palettes écrites dans %2</translation>
    </message>
</context>
<context>
    <name>ExtractionJob</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Cannot create the destination folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier de destination « %1 ».</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>FailureTable</name>
    <message>
        <source>Objects not done</source>
        <translation>Objets non traités</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Put the table on the clipboard as text</source>
        <translation>Mettre le tableau dans le presse-papiers sous forme de texte</translation>
    </message>
    <message>
        <source>&amp;Retry failed</source>
        <translation>&amp;Réessayer les échecs</translation>
    </message>
    <message>
        <source>Run again on these objects only</source>
        <translation>Relancer sur ces objets seulement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Select all rows</source>
        <translation>Sélectionner toutes les lignes</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The program %1 was not found; install the Debian package %2.</source>
        <translation>Le programme %1 est introuvable ; installez le paquet Debian %2.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué : %2</translation>
    </message>
    <message>
        <source>Cannot write the file association.</source>
        <translation>Impossible d&apos;écrire l&apos;association de fichiers.</translation>
    </message>
    <message>
        <source>Cannot remove %1, which hides the installed desktop entry.</source>
        <translation>Impossible de supprimer %1, qui masque l&apos;entrée de bureau installée.</translation>
    </message>
</context>
<context>
    <name>LineNumberGutter</name>
    <message>
        <source>Line numbers</source>
        <translation>Numéros de ligne</translation>
    </message>
</context>
<context>
    <name>ListingJob</name>
    <message>
        <source>cannot be copied to the working folder</source>
        <translation>ne peut pas être copiée dans le dossier de travail</translation>
    </message>
    <message>
        <source>lists no objects: there is a problem with the vol file, or it is not a valid vol file</source>
        <translation>ne liste aucun objet : le fichier vol a un problème, ou ce n&apos;est pas un fichier vol valide</translation>
    </message>
    <message>
        <source>%1 did not end normally</source>
        <translation>%1 ne s&apos;est pas terminé normalement</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 s&apos;est terminé avec le code %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Get List</source>
        <translation>&amp;Lister</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Barres d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Principale</translation>
    </message>
    <message>
        <source>P&amp;review Picture</source>
        <translation>Aperçu de l&apos;&amp;image</translation>
    </message>
    <message>
        <source>Preview &amp;Sound</source>
        <translation>Aperçu du &amp;son</translation>
    </message>
    <message>
        <source>&amp;Preview Script</source>
        <translation>Aperçu du s&amp;cript</translation>
    </message>
    <message>
        <source>Pa&amp;lette</source>
        <translation>Pa&amp;lette</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Auto Preview</source>
        <translation>Aperçu &amp;automatique</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Re-size to fit</source>
        <translation>&amp;Redimensionner</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Auto Search</source>
        <translation>&amp;Recherche automatique</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Search Subdirectories</source>
        <translation>Chercher dans les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>Conversion &amp;Format...</source>
        <translation>&amp;Format de conversion...</translation>
    </message>
    <message>
        <source>&amp;Palette Extractor...</source>
        <translation>&amp;Extracteur de palettes...</translation>
    </message>
    <message>
        <source>Auto &amp;List</source>
        <translation>&amp;Lister automatiquement</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;Associate</source>
        <translation>A&amp;ssocier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;À propos...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>F&amp;ind in Archives...</source>
        <translation>Chercher dans les arc&amp;hives...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Find in Scrip&amp;ts...</source>
        <translation>Chercher dans les scrip&amp;ts...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+G</source>
        <translation>Ctrl+Shift+G</translation>
    </message>
    <message>
        <source>&amp;Clear Cache</source>
        <translation>&amp;Vider le cache</translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the folder the last run wrote to</source>
        <translation>Ouvrir le dossier où le dernier traitement a écrit</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open (Ctrl + O)</source>
        <translation>Ouvrir (Ctrl + O)</translation>
    </message>
    <message>
        <source>Get List</source>
        <translation>Lister</translation>
    </message>
    <message>
        <source>Get List (Ctrl + L)</source>
        <translation>Lister (Ctrl + L)</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Extract (Ctrl + E)</source>
        <translation>Extraire (Ctrl + E)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview (Ctrl + P)</source>
        <translation>Aperçu (Ctrl + P)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Update (Ctrl + U)</source>
        <translation>Mettre à jour (Ctrl + U)</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>Rewind</source>
        <translation>Rembobiner</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Sound player</source>
        <translation>Lecteur de son</translation>
    </message>
    <message>
        <source>the player gives no reason</source>
        <translation>le lecteur ne donne aucune raison</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning!</source>
        <translation>Attention !</translation>
    </message>
</context>
<context>
    <name>NoticeBoxes</name>
    <message>
        <source>The working folder %1 is not a folder of your own, so Kadrillo will not run the game&apos;s tools there. Choose another working folder in the options.</source>
        <translation>Le dossier de travail %1 ne vous appartient pas ; Kadrillo n&apos;y lancera donc pas les outils du jeu. Choisissez un autre dossier de travail dans les options.</translation>
    </message>
    <message>
        <source>The working folder %1 can be written by other users, so Kadrillo will not run the game&apos;s tools there. Make it private (chmod 700) or choose another working folder in the options.</source>
        <translation>Le dossier de travail %1 est modifiable par d&apos;autres utilisateurs ; Kadrillo n&apos;y lancera donc pas les outils du jeu. Rendez-le privé (chmod 700) ou choisissez un autre dossier de travail dans les options.</translation>
    </message>
    <message>
        <source>Cannot create the working folder &quot;%1&quot;. Choose another working folder in the options.</source>
        <translation>Impossible de créer le dossier de travail « %1 ». Choisissez un autre dossier de travail dans les options.</translation>
    </message>
    <message>
        <source>Can not find %1.</source>
        <translation>%1 introuvable.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into the working folder %2.</source>
        <translation>Impossible de copier %1 dans le dossier de travail %2.</translation>
    </message>
    <message>
        <source>Can not find the default palette.</source>
        <translation>Palette par défaut introuvable.</translation>
    </message>
</context>
<context>
    <name>ObjectDragOut</name>
    <message>
        <source>Cannot make a folder for the dragged objects in the working folder &quot;%1&quot;. Choose another working folder in the options.</source>
        <translation>Impossible de créer un dossier pour les objets glissés dans le dossier de travail « %1 ». Choisissez un autre dossier de travail dans les options.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>These objects could not be dragged out:
%1</source>
        <translation>Ces objets n&apos;ont pas pu être glissés hors de la fenêtre :
%1</translation>
    </message>
</context>
<context>
    <name>ObjectName</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Palette list</source>
        <translation>Liste de palettes</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>il nomme un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>il contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>it holds the character %1</source>
        <translation>il contient le caractère %1</translation>
    </message>
</context>
<context>
    <name>ObjectPane</name>
    <message>
        <source>Objects in VOL file:</source>
        <translation>Objets du VOL :</translation>
    </message>
    <message>
        <source>Objects in VOL file</source>
        <translation>Objets du fichier VOL</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show only the objects whose names hold this text, or match it with * and ? (Ctrl+F; Escape clears)</source>
        <translation>Montrer seulement les objets dont le nom contient ce texte, ou y correspond avec * et ? (Ctrl+F ; Échap efface)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Extract Palettes</source>
        <translation>Palettes</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Number of files in the VOL file:</source>
        <translation>Fichiers dans le fichier VOL :</translation>
    </message>
    <message>
        <source>Number of files selected:</source>
        <translation>Fichiers sélectionnés :</translation>
    </message>
</context>
<context>
    <name>PaletteChoices</name>
    <message>
        <source>Own colours</source>
        <translation>Couleurs propres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>As converted</source>
        <translation>Comme converti</translation>
    </message>
</context>
<context>
    <name>PaletteCodec</name>
    <message>
        <source>it holds %1 bytes, and a palette file has %2</source>
        <translation>il contient %1 octets, et un fichier de palette en a %2</translation>
    </message>
</context>
<context>
    <name>PaletteExtraction</name>
    <message>
        <source>no folder is set to extract them to</source>
        <translation>aucun dossier n&apos;est réglé pour les extraire</translation>
    </message>
    <message>
        <source>without its last four characters it names no folder</source>
        <translation>sans ses quatre derniers caractères, il ne nomme aucun dossier</translation>
    </message>
    <message>
        <source>its folder would lie outside %1</source>
        <translation>son dossier serait en dehors de %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>PaletteListCodec</name>
    <message>
        <source>it holds %1 bytes, too few for the heading of a palette list</source>
        <translation>elle contient %1 octets, trop peu pour l&apos;en-tête d&apos;une liste de palettes</translation>
    </message>
    <message>
        <source>it says it holds %1 palettes</source>
        <translation>elle dit contenir %1 palettes</translation>
    </message>
    <message>
        <source>it holds %1 bytes, and %2 palettes need %3</source>
        <translation>elle contient %1 octets, et %2 palettes en demandent %3</translation>
    </message>
</context>
<context>
    <name>PaletteOrigin</name>
    <message>
        <source>its own colours</source>
        <translation>ses propres couleurs</translation>
    </message>
    <message>
        <source>palette %1: %2: %3</source>
        <translation>palette %1 : %2 : %3</translation>
    </message>
    <message>
        <source>the palette last used</source>
        <translation>la dernière palette utilisée</translation>
    </message>
    <message>
        <source>palette %1: %2</source>
        <translation>palette %1 : %2</translation>
    </message>
    <message>
        <source>%1 (default palette: number %2 not found)</source>
        <translation>%1 (palette par défaut : numéro %2 introuvable)</translation>
    </message>
</context>
<context>
    <name>Palettes</name>
    <message>
        <source>The palette file does not exist.</source>
        <translation>Le fichier de palette n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be used: %2.</source>
        <translation>Le fichier de palette %1 ne peut pas être utilisé : %2.</translation>
    </message>
    <message>
        <source>Cannot write the palette file %1: %2.</source>
        <translation>Impossible d&apos;écrire le fichier de palette %1 : %2.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>PictureCodec</name>
    <message>
        <source>the file is too short for a PBMP header</source>
        <translation>le fichier est trop court pour un en-tête PBMP</translation>
    </message>
    <message>
        <source>its size of %1 x %2 pixels is impossible</source>
        <translation>sa taille de %1 x %2 pixels est impossible</translation>
    </message>
    <message>
        <source>its size of %1 x %2 pixels is too large</source>
        <translation>sa taille de %1 x %2 pixels est trop grande</translation>
    </message>
    <message>
        <source>it has %1 bits per pixel instead of 8</source>
        <translation>elle a %1 bits par pixel au lieu de 8</translation>
    </message>
    <message>
        <source>its picture data (%1 bytes) is shorter than %2 x %3 pixels</source>
        <translation>ses données d&apos;image (%1 octets) sont plus courtes que %2 x %3 pixels</translation>
    </message>
    <message>
        <source>the file is cut short: its picture data and palette number need %1 bytes, and it has %2</source>
        <translation>le fichier est tronqué : ses données d&apos;image et son numéro de palette demandent %1 octets, et il en a %2</translation>
    </message>
    <message>
        <source>its rows of %1 pixels with %2 padding bytes each run past its picture data (%3 bytes)</source>
        <translation>ses lignes de %1 pixels avec chacune %2 octets de remplissage dépassent ses données d&apos;image (%3 octets)</translation>
    </message>
    <message>
        <source>the file is too short for a bitmap with a 256-colour table</source>
        <translation>le fichier est trop court pour une image bitmap avec une table de 256 couleurs</translation>
    </message>
    <message>
        <source>only bitmaps of 8 bits per pixel with a full 256-colour table can be converted</source>
        <translation>seules les images bitmap de 8 bits par pixel avec une table complète de 256 couleurs peuvent être converties</translation>
    </message>
    <message>
        <source>the file is cut short: its pixels need %1 bytes, and it has %2</source>
        <translation>le fichier est tronqué : ses pixels demandent %1 octets, et il en a %2</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>The picture %1 cannot be converted: %2.</source>
        <translation>L&apos;image %1 ne peut pas être convertie : %2.</translation>
    </message>
    <message>
        <source>cannot prepare %1</source>
        <translation>impossible de préparer %1</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>The file you seleted to be opened does not exist.</source>
        <translation>Le fichier que vous avez choisi d&apos;ouvrir n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is not a valid bitmap file</source>
        <translation>ce n&apos;est pas un fichier bitmap valide</translation>
    </message>
    <message>
        <source>This file is not a valid bitmap file.</source>
        <translation>Ce fichier n&apos;est pas un fichier bitmap valide.</translation>
    </message>
    <message>
        <source>This file is a standard bitmap file.<byte value="xd"/>
Are you sure you want to open it.</source>
        <translation>Ce fichier est un fichier bitmap standard.<byte value="xd"/>
Voulez-vous vraiment l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
</context>
<context>
    <name>PreviewCommand</name>
    <message>
        <source>%1 is not a palette list that Kadrillo can read: %2.</source>
        <translation>%1 n&apos;est pas une liste de palettes que Kadrillo sait lire : %2.</translation>
    </message>
    <message>
        <source>Previewing %1</source>
        <translation>Aperçu de %1</translation>
    </message>
    <message>
        <source>Preview Sound File (%1)</source>
        <translation>Aperçu du son (%1)</translation>
    </message>
    <message>
        <source>Preview (%1)</source>
        <translation>Aperçu (%1)</translation>
    </message>
    <message>
        <source>Preview Script (%1)</source>
        <translation>Aperçu du script (%1)</translation>
    </message>
    <message>
        <source>Kadrillo cannot read %1: %2</source>
        <translation>Kadrillo ne peut pas lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be previewed: %2.</source>
        <translation>Pas d&apos;aperçu possible pour %1 : %2.</translation>
    </message>
    <message>
        <source>extract.exe did not extract %1.</source>
        <translation>extract.exe n&apos;a pas extrait %1.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop after the object in hand (Escape)</source>
        <translation>Arrêter après l&apos;objet en cours (Échap)</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>cannot prepare %1</source>
        <translation>impossible de préparer %1</translation>
    </message>
    <message>
        <source> (also when run alone)</source>
        <translation> (même lancé seul)</translation>
    </message>
    <message>
        <source>%1 did not end normally</source>
        <translation>%1 ne s&apos;est pas terminé normalement</translation>
    </message>
    <message>
        <source>%1 ended with code %2</source>
        <translation>%1 s&apos;est terminé avec le code %2</translation>
    </message>
    <message>
        <source>the tool wrote no file</source>
        <translation>l&apos;outil n&apos;a écrit aucun fichier</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>refused name</source>
        <translation>nom refusé</translation>
    </message>
    <message>
        <source>tool could not start</source>
        <translation>l&apos;outil n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>tool wrote nothing</source>
        <translation>l&apos;outil n&apos;a rien écrit</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>palette missing</source>
        <translation>palette manquante</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>écriture impossible</translation>
    </message>
    <message>
        <source>sheet full</source>
        <translation>planche pleine</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>non traité</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>cancelled; its tool was ended</source>
        <translation>annulé ; son outil a été arrêté</translation>
    </message>
    <message>
        <source>not tried, as the tool could not start</source>
        <translation>non tenté, car l&apos;outil n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>Extraction Report</source>
        <translation>Rapport d&apos;extraction</translation>
    </message>
    <message>
        <source>Conversion Report</source>
        <translation>Rapport de conversion</translation>
    </message>
    <message>
        <source>%1 of 1 object was extracted</source>
        <translation>%1 objet sur 1 a été extrait</translation>
    </message>
    <message>
        <source>%1 of 1 object was converted</source>
        <translation>%1 objet sur 1 a été converti</translation>
    </message>
    <message>
        <source>%1 of %2 objects were extracted</source>
        <translation>%1 objets sur %2 ont été extraits</translation>
    </message>
    <message>
        <source>%1 of %2 objects were converted</source>
        <translation>%1 objets sur %2 ont été convertis</translation>
    </message>
    <message>
        <source> before the run was cancelled.</source>
        <translation> avant l&apos;annulation de l&apos;exécution.</translation>
    </message>
    <message>
        <source>1 object could not be extracted:</source>
        <translation>1 objet n&apos;a pas pu être extrait :</translation>
    </message>
    <message>
        <source>1 object could not be converted:</source>
        <translation>1 objet n&apos;a pas pu être converti :</translation>
    </message>
    <message>
        <source>%1 objects could not be extracted:</source>
        <translation>%1 objets n&apos;ont pas pu être extraits :</translation>
    </message>
    <message>
        <source>%1 objects could not be converted:</source>
        <translation>%1 objets n&apos;ont pas pu être convertis :</translation>
    </message>
    <message>
        <source>Object	Step	Reason</source>
        <translation>Objet	Étape	Raison</translation>
    </message>
</context>
<context>
    <name>ScriptJob</name>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>ScriptSearch</name>
    <message>
        <source>There is no text to find.</source>
        <translation>Il n&apos;y a aucun texte à chercher.</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1 (at character %2).</source>
        <translation>L&apos;expression régulière n&apos;est pas valide : %1 (au caractère %2).</translation>
    </message>
</context>
<context>
    <name>ShowOpenDialog</name>
    <message>
        <source>VOL Files (*.vol)</source>
        <translation>Fichiers VOL (*.vol)</translation>
    </message>
    <message>
        <source>Application Files (*.exe)</source>
        <translation>Programmes (*.exe)</translation>
    </message>
    <message>
        <source>Palette Files (*.pal)</source>
        <translation>Fichiers de palette (*.pal)</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>no display found (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set); the command-line mode needs none: see kadrillo --help</source>
        <translation>aucun affichage trouvé (DISPLAY, WAYLAND_DISPLAY et QT_QPA_PLATFORM ne sont pas définis) ; le mode ligne de commande n&apos;en a pas besoin : voir kadrillo --help</translation>
    </message>
</context>
<context>
    <name>ToolLauncher</name>
    <message>
        <source>%1 is a Windows program and needs Wine to run, but Wine was not found. Install Wine (the Debian package wine64), or set KADRILLO_WINE to the Wine program</source>
        <translation>%1 est un programme Windows qui a besoin de Wine, mais Wine est introuvable. Installez Wine (le paquet Debian wine64) ou réglez KADRILLO_WINE sur le programme Wine</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier manque</translation>
    </message>
    <message>
        <source>it is a folder, not a program</source>
        <translation>c&apos;est un dossier, pas un programme</translation>
    </message>
    <message>
        <source>the file is not executable</source>
        <translation>le fichier n&apos;est pas exécutable</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ToolRunner</name>
    <message>
        <source>Kadrillo is closing.</source>
        <translation>Kadrillo se ferme.</translation>
    </message>
    <message>
        <source>Another tool is still running.</source>
        <translation>Un autre outil tourne encore.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used, so the game&apos;s tools cannot run. Choose another working folder in the options.</source>
        <translation>Le dossier de travail « %1 » est inutilisable ; les outils du jeu ne peuvent donc pas tourner. Choisissez un autre dossier de travail dans les options.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to the working folder %2.</source>
        <translation>Impossible de copier %1 dans le dossier de travail %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossible de lancer %1 : %2</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own, so nothing is written there. Choose a folder outside the working folder.</source>
        <translation>%1 est dans le dossier de travail %2, où Kadrillo remplace et supprime ses propres fichiers ; rien n&apos;y est donc écrit. Choisissez un dossier en dehors du dossier de travail.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kadrillo</source>
        <translation>À propos de Kadrillo</translation>
    </message>
    <message>
        <source>Opens Starsiege archives, previews their pictures, sounds and scripts, and extracts palettes.</source>
        <translation>Ouvre les archives de Starsiege, montre leurs images, sons et scripts, et extrait les palettes.</translation>
    </message>
    <message>
        <source>Written by the Kadrillo developers for the game&apos;s modding community.</source>
        <translation>Écrit par les développeurs de Kadrillo pour les moddeurs du jeu.</translation>
    </message>
    <message>
        <source>Archives are read by the game&apos;s own tools, vtlist.exe and extract.exe.</source>
        <translation>Les archives sont lues par les outils du jeu, vtlist.exe et extract.exe.</translation>
    </message>
    <message>
        <source>Questions and bug reports: the issue tracker of the Kadrillo project.</source>
        <translation>Questions et bogues : le suivi des tickets du projet Kadrillo.</translation>
    </message>
    <message>
        <source>Made by players for players; not connected with the game&apos;s publisher.</source>
        <translation>Par des joueurs pour des joueurs ; sans lien avec l&apos;éditeur du jeu.</translation>
    </message>
    <message>
        <source>&amp;Read Me</source>
        <translation>&amp;Lisez-moi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The read-me could not be opened: the desktop has no program that shows &quot;%1&quot;.

Open it with a text editor of your choice.</source>
        <translation>Le fichier lisez-moi n&apos;a pas pu être ouvert : le bureau n&apos;a aucun programme qui affiche « %1 ».

Ouvrez-le avec l&apos;éditeur de texte de votre choix.</translation>
    </message>
</context>
<context>
    <name>frmContactSheet</name>
    <message>
        <source>Contact Sheet</source>
        <translation>Planche contact</translation>
    </message>
    <message>
        <source>Contact sheet</source>
        <translation>Planche contact</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save the sheet as one PNG or BMP picture</source>
        <translation>Enregistrer la planche en une image PNG ou BMP</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Contact Sheet (%1)</source>
        <translation>Planche contact (%1)</translation>
    </message>
    <message>
        <source>Drawing picture %1 of %2</source>
        <translation>Dessin de l&apos;image %1 sur %2</translation>
    </message>
    <message>
        <source>%1: %2, so it ends before this picture</source>
        <translation>%1 : %2 ; elle s&apos;arrête donc avant cette image</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>These pictures could not be drawn:
%1</source>
        <translation>Ces images n&apos;ont pas pu être dessinées :
%1</translation>
    </message>
    <message>
        <source>Save Contact Sheet</source>
        <translation>Enregistrer la planche contact</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;BMP Pictures (*.bmp)</source>
        <translation>Images PNG (*.png);;Images BMP (*.bmp)</translation>
    </message>
    <message>
        <source>%1 is not saved: a contact sheet is saved as a PNG or BMP picture, under a name ending in &quot;.png&quot; or &quot;.bmp&quot;.</source>
        <translation>%1 n&apos;est pas enregistré : une planche contact s&apos;enregistre en image PNG ou BMP, sous un nom finissant par « .png » ou « .bmp ».</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>&amp;Layout: </source>
        <translation>&amp;Disposition : </translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Draw the pictures at their own size, or scaled into cells of one size</source>
        <translation>Dessiner les images à leur taille, ou mises à l&apos;échelle dans des cases d&apos;une taille</translation>
    </message>
    <message>
        <source>Natural size</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>%1 px cells</source>
        <translation>Cases de %1 px</translation>
    </message>
    <message>
        <source>Another window is running the tools; choose the layout again when it is done</source>
        <translation>Une autre fenêtre exécute les outils ; choisissez de nouveau la disposition ensuite</translation>
    </message>
</context>
<context>
    <name>frmConvert</name>
    <message>
        <source>Convert Picture</source>
        <translation>Convertir l&apos;image</translation>
    </message>
    <message>
        <source>Extracting file # of #</source>
        <translation>Extraction du fichier # sur #</translation>
    </message>
    <message>
        <source>Please wait converting picture...</source>
        <translation>Veuillez patienter, conversion de l&apos;image...</translation>
    </message>
    <message>
        <source>Conversion progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>%1 is not a bitmap file do you want to skip this file and continue with the rest.</source>
        <translation>%1 n&apos;est pas un fichier bitmap. Voulez-vous ignorer ce fichier et continuer avec les autres ?</translation>
    </message>
    <message>
        <source>Extracting file %1 of %2</source>
        <translation>Extraction du fichier %1 sur %2</translation>
    </message>
    <message>
        <source>Converting file %1 of %2</source>
        <translation>Conversion du fichier %1 sur %2</translation>
    </message>
</context>
<context>
    <name>frmExportFormat</name>
    <message>
        <source>&amp;BMP: Windows bitmaps, as converted</source>
        <translation>&amp;BMP : images bitmap Windows, telles que converties</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>&amp;PNG: 8-bit indexed, with the same colour indices and palette</source>
        <translation>&amp;PNG : indexé 8 bits, avec les mêmes indices de couleur et la même palette</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>&amp;Transparent colour index:</source>
        <translation>Indice de couleur &amp;transparente :</translation>
    </message>
    <message>
        <source>Transparent colour</source>
        <translation>Couleur transparente</translation>
    </message>
    <message>
        <source>Transparent colour index</source>
        <translation>Indice de couleur transparente</translation>
    </message>
    <message>
        <source>Conversion Format</source>
        <translation>Format de conversion</translation>
    </message>
    <message>
        <source>Write converted pictures as</source>
        <translation>Écrire les images converties en</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>frmExtract</name>
    <message>
        <source>Extract Files</source>
        <translation>Extraire les fichiers</translation>
    </message>
    <message>
        <source>File # of ##</source>
        <translation>Fichier # sur ##</translation>
    </message>
    <message>
        <source>Please wait extracting files...</source>
        <translation>Veuillez patienter, extraction des fichiers...</translation>
    </message>
    <message>
        <source>Extraction process:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>Extraction process</source>
        <translation>Progression de l&apos;extraction</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Fichier %1 sur %2</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find in Archives</source>
        <translation>Chercher dans les archives</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Inclure les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Name pattern</source>
        <translation>Motif de nom</translation>
    </message>
    <message>
        <source>every object; * and ? as wildcards</source>
        <translation>tous les objets ; * et ? comme jokers</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Chercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Archives listed</source>
        <translation>Archives listées</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>Objects found</source>
        <translation>Objets trouvés</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 of %2 archives listed</source>
        <translation>%1 archives listées sur %2</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>cannot be listed: %1</source>
        <translation>ne peut pas être listée : %1</translation>
    </message>
    <message>
        <source>not listed</source>
        <translation>non listée</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 objet</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 objets</translation>
    </message>
    <message>
        <source>1 archive</source>
        <translation>1 archive</translation>
    </message>
    <message>
        <source>%1 archives</source>
        <translation>%1 archives</translation>
    </message>
    <message>
        <source>%1 found in %2</source>
        <comment>objects, archives</comment>
        <translation>Résultat : %1 dans %2</translation>
    </message>
</context>
<context>
    <name>frmFindScripts</name>
    <message>
        <source>Find in Scripts</source>
        <translation>Chercher dans les scripts</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Chercher dans</translation>
    </message>
    <message>
        <source>The current archive</source>
        <translation>L&apos;archive courante</translation>
    </message>
    <message>
        <source>Every open archive</source>
        <translation>Chaque archive ouverte</translation>
    </message>
    <message>
        <source>The archives Find in Archives found</source>
        <translation>Les archives trouvées par « Chercher dans les archives »</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texte à chercher</translation>
    </message>
    <message>
        <source>&amp;Regular expression</source>
        <translation>Expression &amp;régulière</translation>
    </message>
    <message>
        <source>&amp;Case-sensitive</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>C&amp;hercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scripts read</source>
        <translation>Scripts lus</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Lignes trouvées</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Search in:</source>
        <translation>Chercher &amp;dans :</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>There is no archive to search.</source>
        <translation>Il n&apos;y a aucune archive où chercher.</translation>
    </message>
    <message>
        <source>%1 of %2 scripts read</source>
        <translation>%1 scripts lus sur %2</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>cannot be listed: %1</source>
        <translation>ne peut pas être listée : %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>1 line found</source>
        <translation>1 ligne trouvée</translation>
    </message>
    <message>
        <source>%1 lines found</source>
        <translation>%1 lignes trouvées</translation>
    </message>
</context>
<context>
    <name>frmGetList</name>
    <message>
        <source>Get List</source>
        <translation>Lister</translation>
    </message>
    <message>
        <source>Please wait getting list of files</source>
        <translation>Veuillez patienter, lecture de la liste des fichiers</translation>
    </message>
    <message>
        <source>Cannot start %1 (%2): %3.</source>
        <translation>Impossible de lancer %1 (%2) : %3.</translation>
    </message>
    <message>
        <source>Cannot find the volume file.</source>
        <translation>Fichier VOL introuvable.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 objects; only the first %2 are listed.</source>
        <translation>%1 contient plus de %2 objets ; seuls les %2 premiers sont listés.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starsiege Kadrillo</source>
        <translation>Starsiege Kadrillo</translation>
    </message>
    <message>
        <source>Kadrillo cannot open more than %1 archives in one run.</source>
        <translation>Kadrillo ne peut pas ouvrir plus de %1 archives en une session.</translation>
    </message>
    <message>
        <source>Opening VOL File</source>
        <translation>Ouverture du fichier VOL</translation>
    </message>
    <message>
        <source>Open VOL file</source>
        <translation>Ouvrir un fichier VOL</translation>
    </message>
    <message>
        <source>Geting List of Files</source>
        <translation>Lecture de la liste des fichiers</translation>
    </message>
    <message>
        <source>Extracting Files</source>
        <translation>Extraction des fichiers</translation>
    </message>
    <message>
        <source>Converting Picture Files</source>
        <translation>Conversion des images</translation>
    </message>
    <message>
        <source>There is a problem with the vol file, or it is not a vaild vol file.</source>
        <translation>Le fichier VOL pose problème, ou ce n&apos;est pas un fichier VOL valide.</translation>
    </message>
    <message>
        <source>Kadrillo could not make itself the program for .vol files.

%1</source>
        <translation>Kadrillo n&apos;a pas pu devenir le programme des fichiers .vol.

%1</translation>
    </message>
    <message>
        <source>Kadrillo: cannot write the settings to %1</source>
        <translation>Kadrillo : impossible d&apos;écrire les réglages dans %1</translation>
    </message>
    <message>
        <source>Made the installed %1 the program for .vol files</source>
        <translation>%1 installé choisi comme programme des fichiers .vol</translation>
    </message>
    <message>
        <source>Wrote %1 and made it the program for .vol files</source>
        <translation>%1 écrit et choisi comme programme des fichiers .vol</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>Fermer %1</translation>
    </message>
    <message>
        <source>Kadrillo cannot open the folder %1.</source>
        <translation>Kadrillo ne peut pas ouvrir le dossier %1.</translation>
    </message>
    <message>
        <source>The cache of listings and scripts is cleared.</source>
        <translation>Le cache des listes et des scripts est vidé.</translation>
    </message>
    <message>
        <source>Kadrillo cannot clear its cache: %1</source>
        <translation>Kadrillo ne peut pas vider son cache : %1</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Location of Extract.exe:</source>
        <translation>Chemin de Extract.exe :</translation>
    </message>
    <message>
        <source>Find Extract.exe</source>
        <translation>Trouver Extract.exe</translation>
    </message>
    <message>
        <source>Location of Vtlist.exe:</source>
        <translation>Chemin de Vtlist.exe :</translation>
    </message>
    <message>
        <source>Find Vtlist.exe</source>
        <translation>Trouver Vtlist.exe</translation>
    </message>
    <message>
        <source>Temp Directory:</source>
        <translation>Dossier de travail :</translation>
    </message>
    <message>
        <source>Find Temp Directory</source>
        <translation>Trouver le dossier de travail</translation>
    </message>
    <message>
        <source>Destination Directory:</source>
        <translation>Destination :</translation>
    </message>
    <message>
        <source>Find Destination Directory</source>
        <translation>Trouver le dossier de destination</translation>
    </message>
    <message>
        <source>Default Palette:</source>
        <translation>Palette par défaut :</translation>
    </message>
    <message>
        <source>Find Default Palette</source>
        <translation>Trouver la palette par défaut</translation>
    </message>
    <message>
        <source>Palette Directory:</source>
        <translation>Dossier des palettes :</translation>
    </message>
    <message>
        <source>Find Palette Directory</source>
        <translation>Trouver le dossier des palettes</translation>
    </message>
    <message>
        <source>Parallel tool runs:</source>
        <translation>Outils en parallèle :</translation>
    </message>
    <message>
        <source>Parallel tool runs</source>
        <translation>Outils en parallèle</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>Un par cœur</translation>
    </message>
    <message>
        <source>Save Settings On Exit</source>
        <translation>Enregistrer en quittant</translation>
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
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Browse: %1</source>
        <translation>Parcourir : %1</translation>
    </message>
</context>
<context>
    <name>frmPalExtract</name>
    <message>
        <source>Palette Extractor</source>
        <translation>Extracteur de palettes</translation>
    </message>
    <message>
        <source>Extract palettes from:</source>
        <translation>Palettes de :</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Palette 1 of 1</source>
        <translation>Palette 1 sur 1</translation>
    </message>
    <message>
        <source>Palette Index:</source>
        <translation>Indice :</translation>
    </message>
    <message>
        <source>Palette Index</source>
        <translation>Indice de palette</translation>
    </message>
    <message>
        <source>&amp;&lt;</source>
        <translation>&amp;&lt;</translation>
    </message>
    <message>
        <source>Previous palette</source>
        <translation>Palette précédente</translation>
    </message>
    <message>
        <source>&amp;&gt;</source>
        <translation>&amp;&gt;</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>Palette suivante</translation>
    </message>
    <message>
        <source>Extract to:</source>
        <translation>Extraire vers :</translation>
    </message>
    <message>
        <source>Palette Directory</source>
        <translation>Dossier des palettes</translation>
    </message>
    <message>
        <source>Destination Directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>&amp;Add PPL name</source>
        <translation>&amp;Ajouter le nom PPL</translation>
    </message>
    <message>
        <source>Extract A&amp;ll</source>
        <translation>&amp;Tout extraire</translation>
    </message>
    <message>
        <source>Extract all palettes</source>
        <translation>Extraire toutes les palettes</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Palette %1 of %2</source>
        <translation>Palette %1 sur %2</translation>
    </message>
    <message>
        <source>The palettes of %1 cannot be extracted: %2.</source>
        <translation>Les palettes de %1 ne peuvent pas être extraites : %2.</translation>
    </message>
    <message>
        <source>%1 of %2 palettes written to %3</source>
        <translation>%1 palettes sur %2 écrites dans %3</translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation>Non écrites :</translation>
    </message>
</context>
<context>
    <name>frmPalette</name>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Picture Menu</source>
        <translation>Menu de l&apos;image</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>This picture is too large to show (%1 × %2).</source>
        <translation>Cette image est trop grande pour être affichée (%1 × %2).</translation>
    </message>
    <message>
        <source>error loading bitmap.</source>
        <translation>erreur au chargement de l&apos;image bitmap.</translation>
    </message>
    <message>
        <source>%1 — %2 %</source>
        <translation>%1 — %2 %</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <source>%1 × %2, %3</source>
        <translation>%1 × %2, %3</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be used: %2.</source>
        <translation>Le fichier de palette %1 ne peut pas être utilisé : %2.</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>BMP Pictures (*.bmp);;PNG Pictures (*.png)</source>
        <translation>Images BMP (*.bmp);;Images PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 is not saved: a picture is saved as BMP or PNG, under a name ending in &quot;.bmp&quot; or &quot;.png&quot;.</source>
        <translation>%1 n&apos;est pas enregistré : une image s&apos;enregistre en BMP ou PNG, sous un nom finissant par « .bmp » ou « .png ».</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
</context>
<context>
    <name>frmScript</name>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Aller à la ligne</translation>
    </message>
    <message>
        <source>Preview Script</source>
        <translation>Aperçu du script</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next match (F3, Enter)</source>
        <translation>Occurrence suivante (F3, Entrée)</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Occurrences</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>Line number</source>
        <translation>Numéro de ligne</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Ligne :</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Go to this line (Enter)</source>
        <translation>Aller à cette ligne (Entrée)</translation>
    </message>
    <message>
        <source>Close the line bar (Escape)</source>
        <translation>Fermer la barre de ligne (Échap)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Chercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Chercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Chercher le &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>&amp;Aller à la ligne...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Preview Sound File</source>
        <translation>Aperçu du son</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>Why the sound cannot be played</source>
        <translation>Pourquoi le son ne peut pas être lu</translation>
    </message>
    <message>
        <source>Kadrillo cannot play %1: %2</source>
        <translation>Kadrillo ne peut pas lire %1 : %2</translation>
    </message>
    <message>
        <source>This computer has no audio output device, so the sound cannot be heard.</source>
        <translation>Cet ordinateur n&apos;a aucune sortie audio ; le son ne peut donc pas être entendu.</translation>
    </message>
</context>
</TS>
