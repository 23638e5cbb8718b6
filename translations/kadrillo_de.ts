<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ArchiveCache</name>
    <message>
        <source>The listing holds a name that cannot be cached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveFolder</name>
    <message>
        <source>The folder&apos;s name is not text in the system&apos;s encoding (UTF-8), so it was not searched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is not text in the system&apos;s encoding (UTF-8), so it cannot be listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveListing</name>
    <message>
        <source>Cannot find the volume file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchInterpreter</name>
    <message>
        <source>usage: kadrillo-batch SCRIPT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the script: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a script runs one tool only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot change to the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find the tool %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot start %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 crashed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchLine</name>
    <message>
        <source>the operator %1 outside quotes is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one output redirection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a redirection without a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a double quote is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a redirection without a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the character % is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cd needs one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the operator %1 is not supported in cd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BitmapReader</name>
    <message>
        <source>it is too large to show (%1 × %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CacheFolder</name>
    <message>
        <source>Others may enter the cache folder %1 (its mode is %2, not 0700), so nothing is cached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cache folder %1 is a link, a file or another user&apos;s folder, so nothing is cached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cache folder %1 cannot be made, so nothing is cached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is too large to be cached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLineMode</name>
    <message>
        <source>see kadrillo --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped by a termination signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than %2 objects; only the first %2 are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) did not end normally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) ended with status %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is a problem with the vol file, or it is not a valid vol file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working folder %1 is not a folder of your own, so the game&apos;s tools will not run there; choose another &quot;Temp Path&quot; in the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working folder %1 can be written by other users, so the game&apos;s tools will not run there; make it private (chmod 700) or choose another &quot;Temp Path&quot; in the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the working folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can not find %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy %1 into the working folder %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can not find the default palette %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own; choose a place outside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not in the archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not written, because the sheet would be too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not written, because there is no picture to draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not written, because no picture could be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused, because %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not drawn, because the sheet is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not extracted, because the tool could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted, because the tool could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not drawn, because the tool could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not extracted, because the run was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted, because the run was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not drawn, because the run was stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>%1 cannot name a file or folder: its bytes are not text in the system&apos;s encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given: use --list, --extract, --convert or --contact-sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give only one of --list, --extract, --convert and --contact-sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no archive given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list takes one archive and no object names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to DIR is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to only goes with --extract, --convert and --contact-sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--contact-sheet writes a .png or a .bmp file, and %1 ends in neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format and --transparent only go with --convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--transparent only goes with --format png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format takes bmp or png, once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--transparent takes one colour index from 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes one number of tools to run at once, from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to needs one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
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
  kadrillo --contact-sheet ARCHIVE [NAME...] --to FILE.png|FILE.bmp
      draw the named pictures (as --convert chooses them) side by side with their names
      below, into one PNG or BMP picture, as the ending of FILE says
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
archive that cannot be listed.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactSheet</name>
    <message>
        <source>%1 (%2 × %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactSheetCommand</name>
    <message>
        <source>&amp;Contact Sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactSheetJob</name>
    <message>
        <source>not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sheet would be larger than %1 × %1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>not written as PNG, because %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied unconverted, because %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted, because its name does not end in &quot;bmp&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a standard bitmap, kept with its own colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a standard bitmap, copied as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtractionJob</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the destination folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureTable</name>
    <message>
        <source>Objects not done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the table on the clipboard as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run again on these objects only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program %1 was not found; install the Debian package %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the file association.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineNumberGutter</name>
    <message>
        <source>Line numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;review Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview &amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;lette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Re-size to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Subdirectories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion &amp;Format...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Palette Extractor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Associate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open (Ctrl + O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get List (Ctrl + L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract (Ctrl + E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview (Ctrl + P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update (Ctrl + U)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>Rewind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player gives no reason</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoticeBoxes</name>
    <message>
        <source>The working folder %1 is not a folder of your own, so Kadrillo will not run the game&apos;s tools there. Choose another working folder in the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working folder %1 can be written by other users, so Kadrillo will not run the game&apos;s tools there. Make it private (chmod 700) or choose another working folder in the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the working folder &quot;%1&quot;. Choose another working folder in the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1 into the working folder %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find the default palette.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectDragOut</name>
    <message>
        <source>Cannot make a folder for the dragged objects in the working folder &quot;%1&quot;. Choose another working folder in the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These objects could not be dragged out:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectName</name>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds the character %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectPane</name>
    <message>
        <source>Objects in VOL file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects in VOL file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the objects whose names hold this text, or match it with * and ? (Ctrl+F; Escape clears)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract Palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of files in the VOL file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of files selected:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteChoices</name>
    <message>
        <source>Own colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As converted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteCodec</name>
    <message>
        <source>it holds %1 bytes, and a palette file has %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteExtraction</name>
    <message>
        <source>no folder is set to extract them to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without its last four characters it names no folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder would lie outside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteListCodec</name>
    <message>
        <source>it holds %1 bytes, too few for the heading of a palette list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it says it holds %1 palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 bytes, and %2 palettes need %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteOrigin</name>
    <message>
        <source>its own colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palette %1: %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the palette last used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palette %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default palette: number %2 not found)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Palettes</name>
    <message>
        <source>The palette file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette file %1 cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the palette file %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureCodec</name>
    <message>
        <source>the file is too short for a PBMP header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its size of %1 x %2 pixels is impossible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its size of %1 x %2 pixels is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 bits per pixel instead of 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its picture data (%1 bytes) is shorter than %2 x %3 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is cut short: its picture data and palette number need %1 bytes, and it has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its rows of %1 pixels with %2 padding bytes each run past its picture data (%3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too short for a bitmap with a 256-colour table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only bitmaps of 8 bits per pixel with a full 256-colour table can be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is cut short: its pixels need %1 bytes, and it has %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>The picture %1 cannot be converted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot prepare %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file you seleted to be opened does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a valid bitmap file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a valid bitmap file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is a standard bitmap file.<byte value="xd"/>
Are you sure you want to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewCommand</name>
    <message>
        <source>%1 is not a palette list that Kadrillo can read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previewing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Sound File (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Script (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kadrillo cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be previewed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extract.exe did not extract %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the object in hand (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>cannot prepare %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (also when run alone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not end normally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ended with code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tool wrote no file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>refused name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tool could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tool wrote nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palette missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sheet full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled; its tool was ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not tried, as the tool could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extraction Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of 1 object was extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of 1 object was converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 objects were extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 objects were converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> before the run was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 object could not be extracted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 object could not be converted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 objects could not be extracted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 objects could not be converted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object	Step	Reason</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptSearch</name>
    <message>
        <source>There is no text to find.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1 (at character %2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowOpenDialog</name>
    <message>
        <source>VOL Files (*.vol)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Files (*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette Files (*.pal)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>no display found (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set); the command-line mode needs none: see kadrillo --help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolLauncher</name>
    <message>
        <source>%1 is a Windows program and needs Wine to run, but Wine was not found. Install Wine (the Debian package wine64), or set KADRILLO_WINE to the Wine program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolRunner</name>
    <message>
        <source>Kadrillo is closing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another tool is still running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used, so the game&apos;s tools cannot run. Choose another working folder in the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1 to the working folder %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own, so nothing is written there. Choose a folder outside the working folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Kadrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Starsiege archives, previews their pictures, sounds and scripts, and extracts palettes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the Kadrillo developers for the game&apos;s modding community.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives are read by the game&apos;s own tools, vtlist.exe and extract.exe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions and bug reports: the issue tracker of the Kadrillo project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by players for players; not connected with the game&apos;s publisher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read-me could not be opened: the desktop has no program that shows &quot;%1&quot;.

Open it with a text editor of your choice.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmContactSheet</name>
    <message>
        <source>Contact Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the sheet as one PNG or BMP picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Sheet (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing picture %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, so it ends before this picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These pictures could not be drawn:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Contact Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;BMP Pictures (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not saved: a contact sheet is saved as a PNG or BMP picture, under a name ending in &quot;.png&quot; or &quot;.bmp&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmConvert</name>
    <message>
        <source>Convert Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting file # of #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait converting picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a bitmap file do you want to skip this file and continue with the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting file %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting file %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExportFormat</name>
    <message>
        <source>&amp;BMP: Windows bitmaps, as converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PNG: 8-bit indexed, with the same colour indices and palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transparent colour index:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent colour index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write converted pictures as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExtract</name>
    <message>
        <source>Extract Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File # of ##</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait extracting files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extraction process:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extraction process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGetList</name>
    <message>
        <source>Get List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait getting list of files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start %1 (%2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the volume file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than %2 objects; only the first %2 are listed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Starsiege Kadrillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kadrillo cannot open more than %1 archives in one run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening VOL File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open VOL file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geting List of Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting Picture Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a problem with the vol file, or it is not a vaild vol file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kadrillo could not make itself the program for .vol files.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location of Extract.exe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Extract.exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location of Vtlist.exe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Vtlist.exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Temp Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Destination Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Palette:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Default Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Palette Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel tool runs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel tool runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One per core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings On Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPalExtract</name>
    <message>
        <source>Palette Extractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract palettes from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette 1 of 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette Index:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add PPL name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract all palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palettes of %1 cannot be extracted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 palettes written to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPalette</name>
    <message>
        <source>Palette</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This picture is too large to show (%1 × %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error loading bitmap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette file %1 cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP Pictures (*.bmp);;PNG Pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not saved: a picture is saved as BMP or PNG, under a name ending in &quot;.bmp&quot; or &quot;.png&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmScript</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3, Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to this line (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the line bar (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Preview Sound File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the sound cannot be played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kadrillo cannot play %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no audio output device, so the sound cannot be heard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
