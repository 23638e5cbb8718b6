<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ArchiveCache</name>
    <message>
        <source>The listing holds a name that cannot be cached.</source>
        <translation>Die Liste enthält einen Namen, der nicht zwischengespeichert werden kann.</translation>
    </message>
</context>
<context>
    <name>ArchiveFolder</name>
    <message>
        <source>The folder&apos;s name is not text in the system&apos;s encoding (UTF-8), so it was not searched.</source>
        <translation>Der Name des Ordners ist kein Text in der Kodierung des Systems (UTF-8), daher wurde er nicht durchsucht.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Es kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Its name is not text in the system&apos;s encoding (UTF-8), so it cannot be listed.</source>
        <translation>Sein Name ist kein Text in der Kodierung des Systems (UTF-8), daher kann es nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Der Ordner kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation>Der Ordner kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ArchiveListing</name>
    <message>
        <source>Cannot find the volume file %1.</source>
        <translation>Die VOL-Datei %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ArchiveSearch</name>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>nicht gelesen: %1</translation>
    </message>
</context>
<context>
    <name>BatchInterpreter</name>
    <message>
        <source>usage: kadrillo-batch SCRIPT</source>
        <translation>Aufruf: kadrillo-batch SKRIPT</translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation>das Skript kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>a script runs one tool only</source>
        <translation>ein Skript startet nur ein Werkzeug</translation>
    </message>
    <message>
        <source>cannot change to the folder %1</source>
        <translation>kann nicht in den Ordner %1 wechseln</translation>
    </message>
    <message>
        <source>cannot find the tool %1</source>
        <translation>das Werkzeug %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1: cannot start %2: %3</source>
        <translation>%1: %2 kann nicht gestartet werden: %3</translation>
    </message>
    <message>
        <source>%1: %2 crashed</source>
        <translation>%1: %2 ist abgestürzt</translation>
    </message>
</context>
<context>
    <name>BatchLine</name>
    <message>
        <source>the operator %1 outside quotes is not supported</source>
        <translation>der Operator %1 außerhalb von Anführungszeichen wird nicht unterstützt</translation>
    </message>
    <message>
        <source>more than one output redirection</source>
        <translation>mehr als eine Ausgabeumleitung</translation>
    </message>
    <message>
        <source>a redirection without a file name</source>
        <translation>eine Umleitung ohne Dateinamen</translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation>ein doppeltes Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a redirection without a command</source>
        <translation>eine Umleitung ohne Befehl</translation>
    </message>
    <message>
        <source>the character % is not supported</source>
        <translation>das Zeichen % wird nicht unterstützt</translation>
    </message>
    <message>
        <source>cd needs one folder</source>
        <translation>cd braucht genau einen Ordner</translation>
    </message>
    <message>
        <source>the operator %1 is not supported in cd</source>
        <translation>der Operator %1 wird in cd nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>BitmapReader</name>
    <message>
        <source>it is too large to show (%1 × %2)</source>
        <translation>es ist zu groß für die Anzeige (%1 × %2)</translation>
    </message>
    <message>
        <source>it is not a bitmap</source>
        <translation>es ist keine Bitmap</translation>
    </message>
    <message>
        <source>its pixels cannot be read: %1</source>
        <translation>seine Pixel können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its pixels cannot be read</source>
        <translation>seine Pixel können nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CacheFolder</name>
    <message>
        <source>Others may enter the cache folder %1 (its mode is %2, not 0700), so nothing is cached.</source>
        <translation>Andere dürfen den Cache-Ordner %1 betreten (Modus %2 statt 0700), daher wird nichts zwischengespeichert.</translation>
    </message>
    <message>
        <source>The cache folder %1 is a link, a file or another user&apos;s folder, so nothing is cached.</source>
        <translation>Der Cache-Ordner %1 ist ein Link, eine Datei oder der Ordner eines anderen Benutzers, daher wird nichts zwischengespeichert.</translation>
    </message>
    <message>
        <source>The cache folder %1 cannot be made, so nothing is cached.</source>
        <translation>Der Cache-Ordner %1 kann nicht angelegt werden, daher wird nichts zwischengespeichert.</translation>
    </message>
    <message>
        <source>It is too large to be cached.</source>
        <translation>Es ist zu groß zum Zwischenspeichern.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>CommandLineMode</name>
    <message>
        <source>see kadrillo --help</source>
        <translation>siehe kadrillo --help</translation>
    </message>
    <message>
        <source>stopped by a termination signal</source>
        <translation>durch ein Beendigungssignal angehalten</translation>
    </message>
    <message>
        <source>%1 holds more than %2 objects; only the first %2 are listed</source>
        <translation>%1 enthält mehr als %2 Objekte; nur die ersten %2 werden aufgelistet</translation>
    </message>
    <message>
        <source>cannot start %1 (%2): %3</source>
        <translation>%1 (%2) kann nicht gestartet werden: %3</translation>
    </message>
    <message>
        <source>%1 (%2) did not end normally</source>
        <translation>%1 (%2) wurde nicht normal beendet</translation>
    </message>
    <message>
        <source>%1 (%2) ended with status %3</source>
        <translation>%1 (%2) endete mit Status %3</translation>
    </message>
    <message>
        <source>%1: there is a problem with the vol file, or it is not a valid vol file</source>
        <translation>%1: mit der VOL-Datei stimmt etwas nicht, oder es ist keine gültige VOL-Datei</translation>
    </message>
    <message>
        <source>the working folder %1 is not a folder of your own, so the game&apos;s tools will not run there; choose another &quot;Temp Path&quot; in the settings</source>
        <translation>der Arbeitsordner %1 gehört nicht Ihnen, daher laufen die Werkzeuge des Spiels dort nicht; wählen Sie in den Einstellungen einen anderen „Temp Path“</translation>
    </message>
    <message>
        <source>the working folder %1 can be written by other users, so the game&apos;s tools will not run there; make it private (chmod 700) or choose another &quot;Temp Path&quot; in the settings</source>
        <translation>der Arbeitsordner %1 ist für andere Benutzer beschreibbar, daher laufen die Werkzeuge des Spiels dort nicht; machen Sie ihn privat (chmod 700) oder wählen Sie in den Einstellungen einen anderen „Temp Path“</translation>
    </message>
    <message>
        <source>cannot create the working folder %1</source>
        <translation>der Arbeitsordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>can not find %1 (%2)</source>
        <translation>%1 wurde nicht gefunden (%2)</translation>
    </message>
    <message>
        <source>cannot copy %1 into the working folder %2</source>
        <translation>%1 kann nicht in den Arbeitsordner %2 kopiert werden</translation>
    </message>
    <message>
        <source>can not find the default palette %1</source>
        <translation>die Standardpalette %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own; choose a place outside it</source>
        <translation>%1 liegt im Arbeitsordner %2, in dem Kadrillo eigene Dateien ersetzt und löscht; wählen Sie einen Ort außerhalb</translation>
    </message>
    <message>
        <source>not in the archive</source>
        <translation>nicht im Archiv</translation>
    </message>
    <message>
        <source>%1 is not written, because the sheet would be too large</source>
        <translation>%1 wird nicht geschrieben, weil der Bogen zu groß würde</translation>
    </message>
    <message>
        <source>%1 is not written, because there is no picture to draw</source>
        <translation>%1 wird nicht geschrieben, weil es kein Bild zu zeichnen gibt</translation>
    </message>
    <message>
        <source>%1 is not written, because no picture could be drawn</source>
        <translation>%1 wird nicht geschrieben, weil kein Bild gezeichnet werden konnte</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>refused, because %1</source>
        <translation>abgelehnt, weil %1</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>passt nicht: %1</translation>
    </message>
    <message>
        <source>not drawn, because the sheet is full</source>
        <translation>nicht gezeichnet, weil der Bogen voll ist</translation>
    </message>
    <message>
        <source>not extracted, because the tool could not start</source>
        <translation>nicht entpackt, weil das Werkzeug nicht starten konnte</translation>
    </message>
    <message>
        <source>not converted, because the tool could not start</source>
        <translation>nicht konvertiert, weil das Werkzeug nicht starten konnte</translation>
    </message>
    <message>
        <source>not drawn, because the tool could not start</source>
        <translation>nicht gezeichnet, weil das Werkzeug nicht starten konnte</translation>
    </message>
    <message>
        <source>not extracted, because the run was stopped</source>
        <translation>nicht entpackt, weil der Lauf angehalten wurde</translation>
    </message>
    <message>
        <source>not converted, because the run was stopped</source>
        <translation>nicht konvertiert, weil der Lauf angehalten wurde</translation>
    </message>
    <message>
        <source>not drawn, because the run was stopped</source>
        <translation>nicht gezeichnet, weil der Lauf angehalten wurde</translation>
    </message>
    <message>
        <source>palette %1: %2</source>
        <translation>Palette %1: %2</translation>
    </message>
    <message>
        <source>palette %1 not found, drawn with the default palette %2</source>
        <translation>Palette %1 nicht gefunden, mit der Standardpalette %2 gezeichnet</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>%1 cannot name a file or folder: its bytes are not text in the system&apos;s encoding</source>
        <translation>%1 kann keine Datei und keinen Ordner benennen: seine Bytes sind kein Text in der Kodierung des Systems</translation>
    </message>
    <message>
        <source>no archive given</source>
        <translation>kein Archiv angegeben</translation>
    </message>
    <message>
        <source>--list takes one archive and no object names</source>
        <translation>--list nimmt ein Archiv und keine Objektnamen</translation>
    </message>
    <message>
        <source>--to DIR is missing</source>
        <translation>--to ORDNER fehlt</translation>
    </message>
    <message>
        <source>--to only goes with --extract, --convert and --contact-sheet</source>
        <translation>--to gibt es nur mit --extract, --convert und --contact-sheet</translation>
    </message>
    <message>
        <source>--contact-sheet writes a .png or a .bmp file, and %1 ends in neither</source>
        <translation>--contact-sheet schreibt eine .png- oder .bmp-Datei, und %1 endet auf keines von beiden</translation>
    </message>
    <message>
        <source>--format and --transparent only go with --convert</source>
        <translation>--format und --transparent gibt es nur mit --convert</translation>
    </message>
    <message>
        <source>--transparent only goes with --format png</source>
        <translation>--transparent gibt es nur mit --format png</translation>
    </message>
    <message>
        <source>--format takes bmp or png, once</source>
        <translation>--format nimmt bmp oder png, einmal</translation>
    </message>
    <message>
        <source>--transparent takes one colour index from 0 to 255</source>
        <translation>--transparent nimmt einen Farbindex von 0 bis 255</translation>
    </message>
    <message>
        <source>--jobs takes one number of tools to run at once, from 1 to %1</source>
        <translation>--jobs nimmt eine Anzahl gleichzeitig laufender Werkzeuge, von 1 bis %1</translation>
    </message>
    <message>
        <source>--to needs one folder</source>
        <translation>--to braucht einen Ordner</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--recursive only goes with --find</source>
        <translation>--recursive gibt es nur mit --find</translation>
    </message>
    <message>
        <source>--regex and --case-sensitive only go with --grep</source>
        <translation>--regex und --case-sensitive gibt es nur mit --grep</translation>
    </message>
    <message>
        <source>--find takes a PATTERN and one FOLDER</source>
        <translation>--find nimmt ein MUSTER und einen ORDNER</translation>
    </message>
    <message>
        <source>--grep takes a TEXT and at least one ARCHIVE</source>
        <translation>--grep nimmt einen TEXT und mindestens ein ARCHIV</translation>
    </message>
    <message>
        <source>--cell only goes with --contact-sheet</source>
        <translation>--cell gibt es nur mit --contact-sheet</translation>
    </message>
    <message>
        <source>--cell takes 64, 128 or 256, once</source>
        <translation>--cell nimmt 64, 128 oder 256, einmal</translation>
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
        <translation>Aufruf:
  kadrillo [ARCHIV...]
      öffnet die Archive im Fenster; Qts eigene Optionen, etwa -style NAME, gehen mit
  kadrillo --list ARCHIV
      gibt die Objektnamen des Archivs aus, einen je Zeile, in der Reihenfolge des Archivs
  kadrillo --extract ARCHIV [NAME...] --to ORDNER
      entpackt die genannten Objekte nach ORDNER (alle, wenn keines genannt ist)
  kadrillo --convert ARCHIV [NAME...] --to ORDNER [--format bmp|png] [--transparent INDEX]
      konvertiert die genannten Bilder in BMP-Dateien in ORDNER (wenn keines genannt ist,
      jedes Objekt, dessen Name auf &quot;bmp&quot; endet); mit --format png stattdessen in
      8-Bit-indizierte PNG-Dateien (&quot;sky.bmp&quot; wird &quot;sky.png&quot;), die jeden Farbindex und
      die Palette behalten, mit Farbe INDEX (0 bis 255) transparent, wenn --transparent
      angegeben ist
  kadrillo --contact-sheet ARCHIV [NAME...] --to DATEI.png|DATEI.bmp [--cell 64|128|256]
      zeichnet die genannten Bilder (wie --convert sie wählt) nebeneinander mit ihren
      Namen darunter in ein PNG- oder BMP-Bild, wie die Endung von DATEI sagt; in ihrer
      eigenen Größe, oder mit --cell jedes in eine quadratische Zelle so vieler Pixel
      skaliert, Name und Größe darunter
  kadrillo --find MUSTER ORDNER [--recursive]
      gibt ARCHIV&lt;TAB&gt;OBJEKT für jedes Objekt aus, dessen Name auf MUSTER passt (* und ?,
      ohne Rücksicht auf Groß-/Kleinschreibung; &apos;&apos; passt auf jeden Namen), in den
      .vol-Archiven von ORDNER und mit --recursive seiner Unterordner, ARCHIV relativ zu ORDNER
  kadrillo --grep TEXT ARCHIV... [--regex] [--case-sensitive]
      gibt ARCHIV&lt;TAB&gt;SKRIPT&lt;TAB&gt;ZEILE&lt;TAB&gt;TEXT für jede Zeile der &quot;.cs&quot;- und &quot;.txt&quot;-Objekte
      der Archive aus, die TEXT enthält (mit --regex ein regulärer Ausdruck), ohne Rücksicht
      auf Groß-/Kleinschreibung, außer mit --case-sensitive
  kadrillo --help | -h | --version

Optionen:
  --quiet   keine Fortschrittszeilen; Fehler werden weiterhin ausgegeben
  --jobs N  bis zu N Werkzeuge gleichzeitig (1 bis 64); ohne diese Option so viele, wie
            &quot;Parallel Runs&quot; in den Einstellungen sagt, standardmäßig eines je Kern
  --        was folgt, ist ein Archiv oder ein Objektname, auch wenn es mit &quot;-&quot; beginnt

Die Werkzeuge, der Arbeitsordner und die Paletten kommen aus den Einstellungen des Fensters.
Es wird nichts gefragt: ein genanntes Objekt, dessen Name nicht auf &quot;bmp&quot; endet, wird nicht
konvertiert und zählt als fehlgeschlagen, und eine Standard-Bitmap wird unverändert aus dem
Archiv kopiert, mit ihren eigenen Farben.

Rückgabewert: 0, wenn jedes Objekt gelang, 1, wenn eines fehlschlug, 2 bei einem
Aufruffehler oder einem Archiv, das nicht aufgelistet werden kann. --find und --grep: 0, wenn
etwas gefunden und jedes Archiv gelesen wurde, 1, wenn nichts gefunden wurde oder ein Archiv
nicht gelesen werden konnte (es wird mit dem Grund genannt, und die Zeilen der übrigen werden
ausgegeben), 2 bei einem Aufruffehler.
</translation>
    </message>
    <message>
        <source>no command given: use --list, --extract, --convert, --contact-sheet, --find or --grep</source>
        <translation>kein Befehl angegeben: verwenden Sie --list, --extract, --convert, --contact-sheet, --find oder --grep</translation>
    </message>
    <message>
        <source>give only one of --list, --extract, --convert, --contact-sheet, --find and --grep</source>
        <translation>geben Sie nur eines von --list, --extract, --convert, --contact-sheet, --find und --grep an</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>kein Ordner angegeben</translation>
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
        <translation>&amp;Kontaktbogen</translation>
    </message>
</context>
<context>
    <name>ContactSheetJob</name>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>the sheet would be larger than %1 × %1 pixels</source>
        <translation>der Bogen wäre größer als %1 × %1 Pixel</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>not written as PNG, because %1</source>
        <translation>nicht als PNG geschrieben, weil %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>copied unconverted, because %1</source>
        <translation>unkonvertiert kopiert, weil %1</translation>
    </message>
    <message>
        <source>not converted, because its name does not end in &quot;bmp&quot;</source>
        <translation>nicht konvertiert, weil sein Name nicht auf „bmp“ endet</translation>
    </message>
    <message>
        <source>a standard bitmap, kept with its own colours</source>
        <translation>eine Standard-Bitmap, mit ihren eigenen Farben behalten</translation>
    </message>
    <message>
        <source>a standard bitmap, copied as it is</source>
        <translation>eine Standard-Bitmap, unverändert kopiert</translation>
    </message>
</context>
<context>
    <name>DeliveredFiles</name>
    <message>
        <source>1 object extracted to %1</source>
        <translation>1 Objekt nach %1 entpackt</translation>
    </message>
    <message>
        <source>%1 objects extracted to %2</source>
        <translation>%1 Objekte nach %2 entpackt</translation>
    </message>
    <message>
        <source>1 object converted to %1</source>
        <translation>1 Objekt nach %1 umgewandelt</translation>
    </message>
    <message>
        <source>%1 objects converted to %2</source>
        <translation>%1 Objekte nach %2 umgewandelt</translation>
    </message>
    <message>
        <source>1 palette written to %1</source>
        <translation>1 Palette nach %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 palettes written to %2</source>
        <translation>%1 Paletten nach %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>ExtractionJob</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create the destination folder &quot;%1&quot;.</source>
        <translation>Der Zielordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>FailureTable</name>
    <message>
        <source>Objects not done</source>
        <translation>Nicht erledigte Objekte</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Put the table on the clipboard as text</source>
        <translation>Die Tabelle als Text in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Retry failed</source>
        <translation>&amp;Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>Run again on these objects only</source>
        <translation>Nur für diese Objekte erneut ausführen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Select all rows</source>
        <translation>Alle Zeilen auswählen</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The program %1 was not found; install the Debian package %2.</source>
        <translation>Das Programm %1 wurde nicht gefunden; installieren Sie das Debian-Paket %2.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Cannot write the file association.</source>
        <translation>Die Dateizuordnung kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot remove %1, which hides the installed desktop entry.</source>
        <translation>%1 verdeckt den installierten Desktop-Eintrag und kann nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>LineNumberGutter</name>
    <message>
        <source>Line numbers</source>
        <translation>Zeilennummern</translation>
    </message>
</context>
<context>
    <name>ListingJob</name>
    <message>
        <source>cannot be copied to the working folder</source>
        <translation>kann nicht in den Arbeitsordner kopiert werden</translation>
    </message>
    <message>
        <source>lists no objects: there is a problem with the vol file, or it is not a valid vol file</source>
        <translation>listet keine Objekte auf: mit der VOL-Datei stimmt etwas nicht, oder es ist keine gültige VOL-Datei</translation>
    </message>
    <message>
        <source>%1 did not end normally</source>
        <translation>%1 wurde nicht normal beendet</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 endete mit Status %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Get List</source>
        <translation>&amp;Liste holen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Entpacken</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Werkzeugleisten</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Haupt</translation>
    </message>
    <message>
        <source>P&amp;review Picture</source>
        <translation>&amp;Bildvorschau</translation>
    </message>
    <message>
        <source>Preview &amp;Sound</source>
        <translation>&amp;Klangvorschau</translation>
    </message>
    <message>
        <source>&amp;Preview Script</source>
        <translation>&amp;Skriptvorschau</translation>
    </message>
    <message>
        <source>Pa&amp;lette</source>
        <translation>Pa&amp;lette</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Auto Preview</source>
        <translation>&amp;Automatische Vorschau</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Re-size to fit</source>
        <translation>&amp;Größe anpassen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Auto Search</source>
        <translation>Automatische &amp;Suche</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Search Subdirectories</source>
        <translation>&amp;Unterordner durchsuchen</translation>
    </message>
    <message>
        <source>Conversion &amp;Format...</source>
        <translation>&amp;Konvertierungsformat...</translation>
    </message>
    <message>
        <source>&amp;Palette Extractor...</source>
        <translation>&amp;Paletten entpacken...</translation>
    </message>
    <message>
        <source>Auto &amp;List</source>
        <translation>Automatisch &amp;auflisten</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>&amp;Associate</source>
        <translation>&amp;Zuordnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>F&amp;ind in Archives...</source>
        <translation>In Archiven s&amp;uchen...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Find in Scrip&amp;ts...</source>
        <translation>In Skrip&amp;ten suchen...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+G</source>
        <translation>Ctrl+Shift+G</translation>
    </message>
    <message>
        <source>&amp;Clear Cache</source>
        <translation>&amp;Cache leeren</translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open the folder the last run wrote to</source>
        <translation>Den Ordner öffnen, in den der letzte Lauf geschrieben hat</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open (Ctrl + O)</source>
        <translation>Öffnen (Strg + O)</translation>
    </message>
    <message>
        <source>Get List</source>
        <translation>Liste holen</translation>
    </message>
    <message>
        <source>Get List (Ctrl + L)</source>
        <translation>Liste holen (Strg + L)</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Extract (Ctrl + E)</source>
        <translation>Entpacken (Strg + E)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview (Ctrl + P)</source>
        <translation>Vorschau (Strg + P)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Update (Ctrl + U)</source>
        <translation>Aktualisieren (Strg + U)</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Sound player</source>
        <translation>Klangwiedergabe</translation>
    </message>
    <message>
        <source>the player gives no reason</source>
        <translation>die Wiedergabe nennt keinen Grund</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
</context>
<context>
    <name>NoticeBoxes</name>
    <message>
        <source>The working folder %1 is not a folder of your own, so Kadrillo will not run the game&apos;s tools there. Choose another working folder in the options.</source>
        <translation>Der Arbeitsordner %1 gehört nicht Ihnen, daher startet Kadrillo die Werkzeuge des Spiels dort nicht. Wählen Sie in den Optionen einen anderen Arbeitsordner.</translation>
    </message>
    <message>
        <source>The working folder %1 can be written by other users, so Kadrillo will not run the game&apos;s tools there. Make it private (chmod 700) or choose another working folder in the options.</source>
        <translation>Der Arbeitsordner %1 ist für andere Benutzer beschreibbar, daher startet Kadrillo die Werkzeuge des Spiels dort nicht. Machen Sie ihn privat (chmod 700) oder wählen Sie in den Optionen einen anderen Arbeitsordner.</translation>
    </message>
    <message>
        <source>Cannot create the working folder &quot;%1&quot;. Choose another working folder in the options.</source>
        <translation>Der Arbeitsordner „%1“ kann nicht angelegt werden. Wählen Sie in den Optionen einen anderen Arbeitsordner.</translation>
    </message>
    <message>
        <source>Can not find %1.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into the working folder %2.</source>
        <translation>%1 kann nicht in den Arbeitsordner %2 kopiert werden.</translation>
    </message>
    <message>
        <source>Can not find the default palette.</source>
        <translation>Die Standardpalette wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ObjectDragOut</name>
    <message>
        <source>Cannot make a folder for the dragged objects in the working folder &quot;%1&quot;. Choose another working folder in the options.</source>
        <translation>Im Arbeitsordner „%1“ kann kein Ordner für die gezogenen Objekte angelegt werden. Wählen Sie in den Optionen einen anderen Arbeitsordner.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These objects could not be dragged out:
%1</source>
        <translation>Diese Objekte konnten nicht herausgezogen werden:
%1</translation>
    </message>
</context>
<context>
    <name>ObjectName</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Palette list</source>
        <translation>Palettenliste</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>er ist leer</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>er benennt einen Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>er enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it holds the character %1</source>
        <translation>er enthält das Zeichen %1</translation>
    </message>
</context>
<context>
    <name>ObjectPane</name>
    <message>
        <source>Objects in VOL file:</source>
        <translation>Objekte im Archiv:</translation>
    </message>
    <message>
        <source>Objects in VOL file</source>
        <translation>Objekte im Archiv</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show only the objects whose names hold this text, or match it with * and ? (Ctrl+F; Escape clears)</source>
        <translation>Nur die Objekte zeigen, deren Namen diesen Text enthalten oder mit * und ? zu ihm passen (Strg+F; Escape leert)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Extract Palettes</source>
        <translation>Paletten</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvert.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Number of files in the VOL file:</source>
        <translation>Dateien in der VOL-Datei:</translation>
    </message>
    <message>
        <source>Number of files selected:</source>
        <translation>Ausgewählte Dateien:</translation>
    </message>
</context>
<context>
    <name>PaletteChoices</name>
    <message>
        <source>Own colours</source>
        <translation>Eigene Farben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>As converted</source>
        <translation>Wie konvertiert</translation>
    </message>
</context>
<context>
    <name>PaletteCodec</name>
    <message>
        <source>it holds %1 bytes, and a palette file has %2</source>
        <translation>sie enthält %1 Bytes, eine Palettendatei hat %2</translation>
    </message>
</context>
<context>
    <name>PaletteExtraction</name>
    <message>
        <source>no folder is set to extract them to</source>
        <translation>es ist kein Ordner zum Entpacken eingestellt</translation>
    </message>
    <message>
        <source>without its last four characters it names no folder</source>
        <translation>ohne seine letzten vier Zeichen benennt er keinen Ordner</translation>
    </message>
    <message>
        <source>its folder would lie outside %1</source>
        <translation>sein Ordner läge außerhalb von %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PaletteListCodec</name>
    <message>
        <source>it holds %1 bytes, too few for the heading of a palette list</source>
        <translation>sie enthält %1 Bytes, zu wenige für den Kopf einer Palettenliste</translation>
    </message>
    <message>
        <source>it says it holds %1 palettes</source>
        <translation>sie gibt an, %1 Paletten zu enthalten</translation>
    </message>
    <message>
        <source>it holds %1 bytes, and %2 palettes need %3</source>
        <translation>sie enthält %1 Bytes, und %2 Paletten brauchen %3</translation>
    </message>
</context>
<context>
    <name>PaletteOrigin</name>
    <message>
        <source>its own colours</source>
        <translation>seine eigenen Farben</translation>
    </message>
    <message>
        <source>palette %1: %2: %3</source>
        <translation>Palette %1: %2: %3</translation>
    </message>
    <message>
        <source>the palette last used</source>
        <translation>die zuletzt benutzte Palette</translation>
    </message>
    <message>
        <source>palette %1: %2</source>
        <translation>Palette %1: %2</translation>
    </message>
    <message>
        <source>%1 (default palette: number %2 not found)</source>
        <translation>%1 (Standardpalette: Nummer %2 nicht gefunden)</translation>
    </message>
</context>
<context>
    <name>Palettes</name>
    <message>
        <source>The palette file does not exist.</source>
        <translation>Die Palettendatei existiert nicht.</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be used: %2.</source>
        <translation>Die Palettendatei %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the palette file %1: %2.</source>
        <translation>Die Palettendatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>PictureCodec</name>
    <message>
        <source>the file is too short for a PBMP header</source>
        <translation>die Datei ist zu kurz für einen PBMP-Kopf</translation>
    </message>
    <message>
        <source>its size of %1 x %2 pixels is impossible</source>
        <translation>seine Größe von %1 x %2 Pixeln ist unmöglich</translation>
    </message>
    <message>
        <source>its size of %1 x %2 pixels is too large</source>
        <translation>seine Größe von %1 x %2 Pixeln ist zu groß</translation>
    </message>
    <message>
        <source>it has %1 bits per pixel instead of 8</source>
        <translation>es hat %1 Bit je Pixel statt 8</translation>
    </message>
    <message>
        <source>its picture data (%1 bytes) is shorter than %2 x %3 pixels</source>
        <translation>seine Bilddaten (%1 Bytes) sind kürzer als %2 x %3 Pixel</translation>
    </message>
    <message>
        <source>the file is cut short: its picture data and palette number need %1 bytes, and it has %2</source>
        <translation>die Datei ist abgeschnitten: Bilddaten und Palettennummer brauchen %1 Bytes, sie hat %2</translation>
    </message>
    <message>
        <source>its rows of %1 pixels with %2 padding bytes each run past its picture data (%3 bytes)</source>
        <translation>seine Zeilen von %1 Pixeln mit je %2 Füllbytes reichen über seine Bilddaten (%3 Bytes) hinaus</translation>
    </message>
    <message>
        <source>the file is too short for a bitmap with a 256-colour table</source>
        <translation>die Datei ist zu kurz für eine Bitmap mit einer Tabelle von 256 Farben</translation>
    </message>
    <message>
        <source>only bitmaps of 8 bits per pixel with a full 256-colour table can be converted</source>
        <translation>nur Bitmaps mit 8 Bit je Pixel und einer vollen Tabelle von 256 Farben können konvertiert werden</translation>
    </message>
    <message>
        <source>the file is cut short: its pixels need %1 bytes, and it has %2</source>
        <translation>die Datei ist abgeschnitten: ihre Pixel brauchen %1 Bytes, sie hat %2</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>The picture %1 cannot be converted: %2.</source>
        <translation>Das Bild %1 kann nicht konvertiert werden: %2.</translation>
    </message>
    <message>
        <source>cannot prepare %1</source>
        <translation>%1 kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>The file you seleted to be opened does not exist.</source>
        <translation>Die Datei, die Sie öffnen wollten, existiert nicht.</translation>
    </message>
    <message>
        <source>it is not a valid bitmap file</source>
        <translation>es ist keine gültige Bitmap-Datei</translation>
    </message>
    <message>
        <source>This file is not a valid bitmap file.</source>
        <translation>Diese Datei ist keine gültige Bitmap-Datei.</translation>
    </message>
    <message>
        <source>This file is a standard bitmap file.<byte value="xd"/>
Are you sure you want to open it.</source>
        <translation>Diese Datei ist eine Standard-Bitmap-Datei.<byte value="xd"/>
Wollen Sie sie wirklich öffnen?</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>PreviewCommand</name>
    <message>
        <source>%1 is not a palette list that Kadrillo can read: %2.</source>
        <translation>%1 ist keine Palettenliste, die Kadrillo lesen kann: %2.</translation>
    </message>
    <message>
        <source>Previewing %1</source>
        <translation>Vorschau auf %1</translation>
    </message>
    <message>
        <source>Preview Sound File (%1)</source>
        <translation>Klangvorschau (%1)</translation>
    </message>
    <message>
        <source>Preview (%1)</source>
        <translation>Vorschau (%1)</translation>
    </message>
    <message>
        <source>Preview Script (%1)</source>
        <translation>Skriptvorschau (%1)</translation>
    </message>
    <message>
        <source>Kadrillo cannot read %1: %2</source>
        <translation>Kadrillo kann %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 cannot be previewed: %2.</source>
        <translation>Für %1 gibt es keine Vorschau: %2.</translation>
    </message>
    <message>
        <source>extract.exe did not extract %1.</source>
        <translation>extract.exe hat %1 nicht entpackt.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop after the object in hand (Escape)</source>
        <translation>Nach dem laufenden Objekt anhalten (Escape)</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>cannot prepare %1</source>
        <translation>%1 kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source> (also when run alone)</source>
        <translation> (auch allein ausgeführt)</translation>
    </message>
    <message>
        <source>%1 did not end normally</source>
        <translation>%1 wurde nicht normal beendet</translation>
    </message>
    <message>
        <source>%1 ended with code %2</source>
        <translation>%1 endete mit Code %2</translation>
    </message>
    <message>
        <source>the tool wrote no file</source>
        <translation>das Werkzeug schrieb keine Datei</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>refused name</source>
        <translation>abgelehnter Name</translation>
    </message>
    <message>
        <source>tool could not start</source>
        <translation>Werkzeug startete nicht</translation>
    </message>
    <message>
        <source>tool wrote nothing</source>
        <translation>Werkzeug schrieb nichts</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>palette missing</source>
        <translation>Palette fehlt</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>nicht schreibbar</translation>
    </message>
    <message>
        <source>sheet full</source>
        <translation>Bogen voll</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>nicht erledigt</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>cancelled; its tool was ended</source>
        <translation>abgebrochen; sein Werkzeug wurde beendet</translation>
    </message>
    <message>
        <source>not tried, as the tool could not start</source>
        <translation>nicht versucht, da das Werkzeug nicht startete</translation>
    </message>
    <message>
        <source>Extraction Report</source>
        <translation>Bericht zum Entpacken</translation>
    </message>
    <message>
        <source>Conversion Report</source>
        <translation>Bericht zur Konvertierung</translation>
    </message>
    <message>
        <source>%1 of 1 object was extracted</source>
        <translation>%1 von 1 Objekt wurde entpackt</translation>
    </message>
    <message>
        <source>%1 of 1 object was converted</source>
        <translation>%1 von 1 Objekt wurde konvertiert</translation>
    </message>
    <message>
        <source>%1 of %2 objects were extracted</source>
        <translation>%1 von %2 Objekten wurden entpackt</translation>
    </message>
    <message>
        <source>%1 of %2 objects were converted</source>
        <translation>%1 von %2 Objekten wurden konvertiert</translation>
    </message>
    <message>
        <source> before the run was cancelled.</source>
        <translation>, bevor der Lauf abgebrochen wurde.</translation>
    </message>
    <message>
        <source>1 object could not be extracted:</source>
        <translation>1 Objekt konnte nicht entpackt werden:</translation>
    </message>
    <message>
        <source>1 object could not be converted:</source>
        <translation>1 Objekt konnte nicht konvertiert werden:</translation>
    </message>
    <message>
        <source>%1 objects could not be extracted:</source>
        <translation>%1 Objekte konnten nicht entpackt werden:</translation>
    </message>
    <message>
        <source>%1 objects could not be converted:</source>
        <translation>%1 Objekte konnten nicht konvertiert werden:</translation>
    </message>
    <message>
        <source>Object	Step	Reason</source>
        <translation>Objekt	Schritt	Grund</translation>
    </message>
</context>
<context>
    <name>ScriptJob</name>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>ScriptSearch</name>
    <message>
        <source>There is no text to find.</source>
        <translation>Es gibt keinen Text zum Suchen.</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1 (at character %2).</source>
        <translation>Der reguläre Ausdruck ist ungültig: %1 (bei Zeichen %2).</translation>
    </message>
</context>
<context>
    <name>ShowOpenDialog</name>
    <message>
        <source>VOL Files (*.vol)</source>
        <translation>VOL-Dateien (*.vol)</translation>
    </message>
    <message>
        <source>Application Files (*.exe)</source>
        <translation>Programmdateien (*.exe)</translation>
    </message>
    <message>
        <source>Palette Files (*.pal)</source>
        <translation>Palettendateien (*.pal)</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>no display found (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set); the command-line mode needs none: see kadrillo --help</source>
        <translation>keine Anzeige gefunden (DISPLAY, WAYLAND_DISPLAY und QT_QPA_PLATFORM sind nicht gesetzt); der Befehlszeilenmodus braucht keine: siehe kadrillo --help</translation>
    </message>
</context>
<context>
    <name>ToolLauncher</name>
    <message>
        <source>%1 is a Windows program and needs Wine to run, but Wine was not found. Install Wine (the Debian package wine64), or set KADRILLO_WINE to the Wine program</source>
        <translation>%1 ist ein Windows-Programm und braucht Wine, aber Wine wurde nicht gefunden. Installieren Sie Wine (das Debian-Paket wine64) oder setzen Sie KADRILLO_WINE auf das Wine-Programm</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it is a folder, not a program</source>
        <translation>es ist ein Ordner, kein Programm</translation>
    </message>
    <message>
        <source>the file is not executable</source>
        <translation>die Datei ist nicht ausführbar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ToolRunner</name>
    <message>
        <source>Kadrillo is closing.</source>
        <translation>Kadrillo wird beendet.</translation>
    </message>
    <message>
        <source>Another tool is still running.</source>
        <translation>Ein anderes Werkzeug läuft noch.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used, so the game&apos;s tools cannot run. Choose another working folder in the options.</source>
        <translation>Der Arbeitsordner „%1“ kann nicht benutzt werden, daher können die Werkzeuge des Spiels nicht laufen. Wählen Sie in den Optionen einen anderen Arbeitsordner.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to the working folder %2.</source>
        <translation>%1 kann nicht in den Arbeitsordner %2 kopiert werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own, so nothing is written there. Choose a folder outside the working folder.</source>
        <translation>%1 liegt im Arbeitsordner %2, in dem Kadrillo eigene Dateien ersetzt und löscht, daher wird dort nichts geschrieben. Wählen Sie einen Ordner außerhalb des Arbeitsordners.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kadrillo</source>
        <translation>Über Kadrillo</translation>
    </message>
    <message>
        <source>Opens Starsiege archives, previews their pictures, sounds and scripts, and extracts palettes.</source>
        <translation>Öffnet Starsiege-Archive, zeigt ihre Bilder, Klänge und Skripte und entpackt Paletten.</translation>
    </message>
    <message>
        <source>Written by the Kadrillo developers for the game&apos;s modding community.</source>
        <translation>Von den Kadrillo-Entwicklern für die Modder des Spiels.</translation>
    </message>
    <message>
        <source>Archives are read by the game&apos;s own tools, vtlist.exe and extract.exe.</source>
        <translation>Die Archive lesen die Spielwerkzeuge vtlist.exe und extract.exe.</translation>
    </message>
    <message>
        <source>Questions and bug reports: the issue tracker of the Kadrillo project.</source>
        <translation>Fragen und Fehler: der Issue-Tracker des Kadrillo-Projekts.</translation>
    </message>
    <message>
        <source>Made by players for players; not connected with the game&apos;s publisher.</source>
        <translation>Von Spielern für Spieler; unabhängig vom Verlag des Spiels.</translation>
    </message>
    <message>
        <source>&amp;Read Me</source>
        <translation>&amp;Liesmich</translation>
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
        <translation>Die Liesmich-Datei konnte nicht geöffnet werden: der Desktop hat kein Programm, das „%1“ anzeigt.

Öffnen Sie sie mit einem Texteditor Ihrer Wahl.</translation>
    </message>
</context>
<context>
    <name>frmContactSheet</name>
    <message>
        <source>Contact Sheet</source>
        <translation>Kontaktbogen</translation>
    </message>
    <message>
        <source>Contact sheet</source>
        <translation>Kontaktbogen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save the sheet as one PNG or BMP picture</source>
        <translation>Den Bogen als ein PNG- oder BMP-Bild speichern</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Contact Sheet (%1)</source>
        <translation>Kontaktbogen (%1)</translation>
    </message>
    <message>
        <source>Drawing picture %1 of %2</source>
        <translation>Zeichne Bild %1 von %2</translation>
    </message>
    <message>
        <source>%1: %2, so it ends before this picture</source>
        <translation>%1: %2, daher endet er vor diesem Bild</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>These pictures could not be drawn:
%1</source>
        <translation>Diese Bilder konnten nicht gezeichnet werden:
%1</translation>
    </message>
    <message>
        <source>Save Contact Sheet</source>
        <translation>Kontaktbogen speichern</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;BMP Pictures (*.bmp)</source>
        <translation>PNG-Bilder (*.png);;BMP-Bilder (*.bmp)</translation>
    </message>
    <message>
        <source>%1 is not saved: a contact sheet is saved as a PNG or BMP picture, under a name ending in &quot;.png&quot; or &quot;.bmp&quot;.</source>
        <translation>%1 wird nicht gespeichert: ein Kontaktbogen wird als PNG- oder BMP-Bild gespeichert, unter einem Namen auf „.png“ oder „.bmp“.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Layout: </source>
        <translation>&amp;Anordnung: </translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Draw the pictures at their own size, or scaled into cells of one size</source>
        <translation>Die Bilder in ihrer eigenen Größe zeichnen oder in Zellen einer Größe skaliert</translation>
    </message>
    <message>
        <source>Natural size</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>%1 px cells</source>
        <translation>Zellen zu %1 px</translation>
    </message>
    <message>
        <source>Another window is running the tools; choose the layout again when it is done</source>
        <translation>Ein anderes Fenster führt die Werkzeuge aus; wählen Sie die Anordnung danach erneut</translation>
    </message>
</context>
<context>
    <name>frmConvert</name>
    <message>
        <source>Convert Picture</source>
        <translation>Bild konvertieren</translation>
    </message>
    <message>
        <source>Extracting file # of #</source>
        <translation>Entpacke Datei # von #</translation>
    </message>
    <message>
        <source>Please wait converting picture...</source>
        <translation>Bitte warten, Bild wird konvertiert...</translation>
    </message>
    <message>
        <source>Conversion progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>%1 is not a bitmap file do you want to skip this file and continue with the rest.</source>
        <translation>%1 ist keine Bitmap-Datei. Wollen Sie diese Datei überspringen und mit den übrigen fortfahren?</translation>
    </message>
    <message>
        <source>Extracting file %1 of %2</source>
        <translation>Entpacke Datei %1 von %2</translation>
    </message>
    <message>
        <source>Converting file %1 of %2</source>
        <translation>Konvertiere Datei %1 von %2</translation>
    </message>
</context>
<context>
    <name>frmExportFormat</name>
    <message>
        <source>&amp;BMP: Windows bitmaps, as converted</source>
        <translation>&amp;BMP: Windows-Bitmaps, wie konvertiert</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>&amp;PNG: 8-bit indexed, with the same colour indices and palette</source>
        <translation>&amp;PNG: 8 Bit indiziert, mit denselben Farbindizes und derselben Palette</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>&amp;Transparent colour index:</source>
        <translation>&amp;Transparenter Farbindex:</translation>
    </message>
    <message>
        <source>Transparent colour</source>
        <translation>Transparente Farbe</translation>
    </message>
    <message>
        <source>Transparent colour index</source>
        <translation>Transparenter Farbindex</translation>
    </message>
    <message>
        <source>Conversion Format</source>
        <translation>Konvertierungsformat</translation>
    </message>
    <message>
        <source>Write converted pictures as</source>
        <translation>Konvertierte Bilder schreiben als</translation>
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
        <translation>Dateien entpacken</translation>
    </message>
    <message>
        <source>File # of ##</source>
        <translation>Datei # von ##</translation>
    </message>
    <message>
        <source>Please wait extracting files...</source>
        <translation>Bitte warten, Dateien werden entpackt...</translation>
    </message>
    <message>
        <source>Extraction process:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Extraction process</source>
        <translation>Fortschritt des Entpackens</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find in Archives</source>
        <translation>In Archiven suchen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>&amp;Unterordner einschließen</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Unterordner einschließen</translation>
    </message>
    <message>
        <source>Name pattern</source>
        <translation>Namensmuster</translation>
    </message>
    <message>
        <source>every object; * and ? as wildcards</source>
        <translation>jedes Objekt; * und ? als Platzhalter</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Archives listed</source>
        <translation>Aufgelistete Archive</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stand der Suche</translation>
    </message>
    <message>
        <source>Objects found</source>
        <translation>Gefundene Objekte</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Entpacken</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 of %2 archives listed</source>
        <translation>%1 von %2 Archiven aufgelistet</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>cannot be listed: %1</source>
        <translation>kann nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>not listed</source>
        <translation>nicht aufgelistet</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 Objekt</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 Objekte</translation>
    </message>
    <message>
        <source>1 archive</source>
        <translation>1 Archiv</translation>
    </message>
    <message>
        <source>%1 archives</source>
        <translation>%1 Archiven</translation>
    </message>
    <message>
        <source>%1 found in %2</source>
        <comment>objects, archives</comment>
        <translation>%1 in %2 gefunden</translation>
    </message>
</context>
<context>
    <name>frmFindScripts</name>
    <message>
        <source>Find in Scripts</source>
        <translation>In Skripten suchen</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Suchen in</translation>
    </message>
    <message>
        <source>The current archive</source>
        <translation>Dem aktuellen Archiv</translation>
    </message>
    <message>
        <source>Every open archive</source>
        <translation>Jedem geöffneten Archiv</translation>
    </message>
    <message>
        <source>The archives Find in Archives found</source>
        <translation>Den Archiven, die „In Archiven suchen“ fand</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>&amp;Regular expression</source>
        <translation>&amp;Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>&amp;Case-sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scripts read</source>
        <translation>Gelesene Skripte</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stand der Suche</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Gefundene Zeilen</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Search in:</source>
        <translation>Suchen &amp;in:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>There is no archive to search.</source>
        <translation>Es gibt kein Archiv zu durchsuchen.</translation>
    </message>
    <message>
        <source>%1 of %2 scripts read</source>
        <translation>%1 von %2 Skripten gelesen</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>cannot be listed: %1</source>
        <translation>kann nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>1 line found</source>
        <translation>1 Zeile gefunden</translation>
    </message>
    <message>
        <source>%1 lines found</source>
        <translation>%1 Zeilen gefunden</translation>
    </message>
</context>
<context>
    <name>frmGetList</name>
    <message>
        <source>Get List</source>
        <translation>Liste holen</translation>
    </message>
    <message>
        <source>Please wait getting list of files</source>
        <translation>Bitte warten, Dateiliste wird geholt</translation>
    </message>
    <message>
        <source>Cannot start %1 (%2): %3.</source>
        <translation>%1 (%2) kann nicht gestartet werden: %3.</translation>
    </message>
    <message>
        <source>Cannot find the volume file.</source>
        <translation>Die VOL-Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 objects; only the first %2 are listed.</source>
        <translation>%1 enthält mehr als %2 Objekte; nur die ersten %2 werden aufgelistet.</translation>
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
        <translation>Kadrillo kann in einem Lauf nicht mehr als %1 Archive öffnen.</translation>
    </message>
    <message>
        <source>Opening VOL File</source>
        <translation>Öffne VOL-Datei</translation>
    </message>
    <message>
        <source>Open VOL file</source>
        <translation>VOL-Datei öffnen</translation>
    </message>
    <message>
        <source>Geting List of Files</source>
        <translation>Hole Dateiliste</translation>
    </message>
    <message>
        <source>Extracting Files</source>
        <translation>Entpacke Dateien</translation>
    </message>
    <message>
        <source>Converting Picture Files</source>
        <translation>Konvertiere Bilddateien</translation>
    </message>
    <message>
        <source>There is a problem with the vol file, or it is not a vaild vol file.</source>
        <translation>Mit der VOL-Datei stimmt etwas nicht, oder es ist keine gültige VOL-Datei.</translation>
    </message>
    <message>
        <source>Kadrillo could not make itself the program for .vol files.

%1</source>
        <translation>Kadrillo konnte sich nicht als Programm für .vol-Dateien eintragen.

%1</translation>
    </message>
    <message>
        <source>Kadrillo: cannot write the settings to %1</source>
        <translation>Kadrillo: die Einstellungen können nicht nach %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Made the installed %1 the program for .vol files</source>
        <translation>Installiertes %1 als Programm für .vol-Dateien eingetragen</translation>
    </message>
    <message>
        <source>Wrote %1 and made it the program for .vol files</source>
        <translation>%1 geschrieben und als Programm für .vol-Dateien eingetragen</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>%1 schließen</translation>
    </message>
    <message>
        <source>Kadrillo cannot open the folder %1.</source>
        <translation>Kadrillo kann den Ordner %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>The cache of listings and scripts is cleared.</source>
        <translation>Der Cache der Listen und Skripte ist geleert.</translation>
    </message>
    <message>
        <source>Kadrillo cannot clear its cache: %1</source>
        <translation>Kadrillo kann seinen Cache nicht leeren: %1</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Location of Extract.exe:</source>
        <translation>Pfad zu Extract.exe:</translation>
    </message>
    <message>
        <source>Find Extract.exe</source>
        <translation>Extract.exe suchen</translation>
    </message>
    <message>
        <source>Location of Vtlist.exe:</source>
        <translation>Pfad zu Vtlist.exe:</translation>
    </message>
    <message>
        <source>Find Vtlist.exe</source>
        <translation>Vtlist.exe suchen</translation>
    </message>
    <message>
        <source>Temp Directory:</source>
        <translation>Arbeitsordner:</translation>
    </message>
    <message>
        <source>Find Temp Directory</source>
        <translation>Arbeitsordner suchen</translation>
    </message>
    <message>
        <source>Destination Directory:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>Find Destination Directory</source>
        <translation>Zielordner suchen</translation>
    </message>
    <message>
        <source>Default Palette:</source>
        <translation>Standardpalette:</translation>
    </message>
    <message>
        <source>Find Default Palette</source>
        <translation>Standardpalette suchen</translation>
    </message>
    <message>
        <source>Palette Directory:</source>
        <translation>Palettenordner:</translation>
    </message>
    <message>
        <source>Find Palette Directory</source>
        <translation>Palettenordner suchen</translation>
    </message>
    <message>
        <source>Parallel tool runs:</source>
        <translation>Parallele Läufe:</translation>
    </message>
    <message>
        <source>Parallel tool runs</source>
        <translation>Parallele Werkzeugläufe</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>Einer je Kern</translation>
    </message>
    <message>
        <source>Save Settings On Exit</source>
        <translation>Am Ende sichern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Browse: %1</source>
        <translation>Suchen: %1</translation>
    </message>
</context>
<context>
    <name>frmPalExtract</name>
    <message>
        <source>Palette Extractor</source>
        <translation>Paletten entpacken</translation>
    </message>
    <message>
        <source>Extract palettes from:</source>
        <translation>Paletten aus:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Palette 1 of 1</source>
        <translation>Palette 1 von 1</translation>
    </message>
    <message>
        <source>Palette Index:</source>
        <translation>Index:</translation>
    </message>
    <message>
        <source>Palette Index</source>
        <translation>Palettenindex</translation>
    </message>
    <message>
        <source>&amp;&lt;</source>
        <translation>&amp;&lt;</translation>
    </message>
    <message>
        <source>Previous palette</source>
        <translation>Vorige Palette</translation>
    </message>
    <message>
        <source>&amp;&gt;</source>
        <translation>&amp;&gt;</translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation>Nächste Palette</translation>
    </message>
    <message>
        <source>Extract to:</source>
        <translation>Entpacken nach:</translation>
    </message>
    <message>
        <source>Palette Directory</source>
        <translation>Palettenordner</translation>
    </message>
    <message>
        <source>Destination Directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>&amp;Add PPL name</source>
        <translation>PPL-&amp;Namen anfügen</translation>
    </message>
    <message>
        <source>Extract A&amp;ll</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Extract all palettes</source>
        <translation>Alle Paletten entpacken</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Entpacken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Palette %1 of %2</source>
        <translation>Palette %1 von %2</translation>
    </message>
    <message>
        <source>The palettes of %1 cannot be extracted: %2.</source>
        <translation>Die Paletten von %1 können nicht entpackt werden: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 palettes written to %3</source>
        <translation>%1 von %2 Paletten nach %3 geschrieben</translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation>Nicht geschrieben:</translation>
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
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Picture Menu</source>
        <translation>Bildmenü</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>This picture is too large to show (%1 × %2).</source>
        <translation>Dieses Bild ist zu groß für die Anzeige (%1 × %2).</translation>
    </message>
    <message>
        <source>error loading bitmap.</source>
        <translation>Fehler beim Laden der Bitmap.</translation>
    </message>
    <message>
        <source>%1 — %2 %</source>
        <translation>%1 — %2 %</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>%1 × %2, %3</source>
        <translation>%1 × %2, %3</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be used: %2.</source>
        <translation>Die Palettendatei %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>BMP Pictures (*.bmp);;PNG Pictures (*.png)</source>
        <translation>BMP-Bilder (*.bmp);;PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>%1 is not saved: a picture is saved as BMP or PNG, under a name ending in &quot;.bmp&quot; or &quot;.png&quot;.</source>
        <translation>%1 wird nicht gespeichert: ein Bild wird als BMP oder PNG gespeichert, unter einem Namen auf „.bmp“ oder „.png“.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>frmScript</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Preview Script</source>
        <translation>Skriptvorschau</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorige Fundstelle (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Next match (F3, Enter)</source>
        <translation>Nächste Fundstelle (F3, Eingabe)</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Fundstellen</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Fundstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Suchleiste schließen (Escape)</translation>
    </message>
    <message>
        <source>Line number</source>
        <translation>Zeilennummer</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Zeile:</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Go to this line (Enter)</source>
        <translation>Zu dieser Zeile gehen (Eingabe)</translation>
    </message>
    <message>
        <source>Close the line bar (Escape)</source>
        <translation>Zeilenleiste schließen (Escape)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>&amp;Gehe zu Zeile...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Preview Sound File</source>
        <translation>Klangvorschau</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Abgespielt</translation>
    </message>
    <message>
        <source>Why the sound cannot be played</source>
        <translation>Warum der Klang nicht abgespielt werden kann</translation>
    </message>
    <message>
        <source>Kadrillo cannot play %1: %2</source>
        <translation>Kadrillo kann %1 nicht abspielen: %2</translation>
    </message>
    <message>
        <source>This computer has no audio output device, so the sound cannot be heard.</source>
        <translation>Dieser Rechner hat kein Audioausgabegerät, daher ist der Klang nicht zu hören.</translation>
    </message>
</context>
</TS>
