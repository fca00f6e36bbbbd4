<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AllAreasWindow</name>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="124"/>
        <source>All Areas - Varnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="137"/>
        <location filename="../src/app/allareaswindow.cpp" line="138"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="149"/>
        <source>All Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="196"/>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="197"/>
        <source>1 area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="197"/>
        <source>%1 areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="198"/>
        <source>1 group the game reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="199"/>
        <source>%1 groups the game reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="200"/>
        <source>1 problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="200"/>
        <source>%1 problems</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaTableModel</name>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="23"/>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="25"/>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="27"/>
        <source>Ped %1</source>
        <translation type="unfinished">Ped %1</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="94"/>
        <source>The game reads %1 names here, so this line is no group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="95"/>
        <source>The game holds %1 groups; this one is written past its table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="113"/>
        <source>This list cannot be split into eight names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="135"/>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="19"/>
        <source>Usage: %1 [options] [path]</source>
        <translation>Aufruf: %1 [Optionen] [Pfad]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="36"/>
        <source>Uses this language for this run: %1.</source>
        <translation>Verwendet diese Sprache für diesen Lauf: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="37"/>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="48"/>
        <source>: Unknown language &apos;%1&apos;; give one of %2.

</source>
        <translation>: Unbekannte Sprache &apos;%1&apos;; möglich sind %2.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="59"/>
        <source>: Give one game folder or file, not %1.

</source>
        <translation>: Geben Sie einen Spielordner oder eine Datei an, nicht %1.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="76"/>
        <source>Edits the pedestrian groups of GTA3 (data/pedgrp.dat).</source>
        <translation>Bearbeitet die Fußgängergruppen von GTA3 (data/pedgrp.dat).</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="81"/>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>A game folder, whose data/pedgrp.dat is loaded, or a file to load directly.</source>
        <translation>Ein Spielordner, dessen data/pedgrp.dat geladen wird, oder eine Datei, die direkt geladen wird.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="84"/>
        <source>[path]</source>
        <translation>[Pfad]</translation>
    </message>
</context>
<context>
    <name>EarlierVersionsDialog</name>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="30"/>
        <source>Replaced by Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="32"/>
        <source>Replaced by Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="34"/>
        <source>Replaced by Restore BackUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="36"/>
        <source>Replaced by the .bak copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="38"/>
        <source>Unsaved, let go by Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="40"/>
        <source>Unsaved, let go by Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="42"/>
        <source>Unsaved, kept while editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="51"/>
        <location filename="../src/app/earlierversions.cpp" line="55"/>
        <source>Earlier Versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="65"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="68"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="86"/>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="86"/>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="86"/>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="86"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="118"/>
        <source>Varnel ended with unsaved changes to &apos;%1&apos;. They are kept in File &gt; Earlier Versions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/file/filecommands.cpp" line="139"/>
        <source>Unsaved changes have been made. Really Load?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="140"/>
        <source>Really Load?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="174"/>
        <source>An error occured, the error was: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="207"/>
        <source>Enter the location of your GTA 3 Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="208"/>
        <source>Enter Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="249"/>
        <source>Enter file name to save as.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="249"/>
        <source>Save As...</source>
        <translation type="unfinished">Speichern unter...</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="255"/>
        <source>The name ends in a folder separator, so it names a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="284"/>
        <source>Enter your GTA3 directory or press cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="285"/>
        <source>Restore BackUp</source>
        <translation type="unfinished">Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="294"/>
        <source>An error occured during the backup process, the error was &apos;%1.&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="299"/>
        <source>Backup file &apos;pedgrp.dat&apos; restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="299"/>
        <source>Completed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/app/frmmain.cpp" line="45"/>
        <source>An error occured during processing of this area.</source>
        <translation>Beim Verarbeiten dieses Gebiets ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="46"/>
        <source>The original &apos;pedgrps.dat&apos; is not written correctly, this is the most likely cause of this error.</source>
        <translation>Die ursprüngliche &apos;pedgrps.dat&apos; ist nicht richtig geschrieben; das ist die wahrscheinlichste Ursache dieses Fehlers.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="49"/>
        <source>You can either restore the working backup from the file menu or add the comma&apos;s manually yourself.</source>
        <translation>Sie können entweder die funktionierende Sicherung über das Menü Datei wiederherstellen oder die Kommas selbst ergänzen.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="51"/>
        <source>Damaged Area: %1.</source>
        <translation>Beschädigtes Gebiet: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="52"/>
        <source>Damaged Data: &apos;%1&apos;.</source>
        <translation>Beschädigte Daten: &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="73"/>
        <source>Varnel[*]</source>
        <translation>Varnel[*]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="89"/>
        <location filename="../src/app/frmmain.cpp" line="325"/>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="100"/>
        <source>Area List:</source>
        <translation>Gebiete:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="103"/>
        <source>Peds In Area:</source>
        <translation>Gebiets-Peds:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="111"/>
        <source>Area List</source>
        <translation>Gebietsliste</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="145"/>
        <source>Ped %1</source>
        <translation>Ped %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="165"/>
        <source>Load pedgrp.dat...</source>
        <translation>pedgrp.dat laden...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="166"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="167"/>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="168"/>
        <source>Restore BackUp</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="169"/>
        <source>Earlier Versions...</source>
        <translation>Frühere Versionen...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="170"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="171"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="174"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="179"/>
        <source>All &amp;Areas</source>
        <translation>Alle &amp;Gebiete</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="181"/>
        <source>Set All In Area...</source>
        <translation>Alle im Gebiet setzen...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="183"/>
        <source>Set All In Liberty City...</source>
        <translation>Alle in Liberty City setzen...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="185"/>
        <source>Randomize In Area</source>
        <translation>Gebiet zufällig füllen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="187"/>
        <source>Randomize In All Areas</source>
        <translation>Alle Gebiete zufällig füllen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="189"/>
        <source>Scan For Non-Existant Peds</source>
        <translation>Nach unbekannten Peds suchen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="190"/>
        <source>Readme File</source>
        <translation>Liesmich-Datei</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="191"/>
        <source>Quick Info...</source>
        <translation>Kurzinfo...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="192"/>
        <source>Author&apos;s Site</source>
        <translation>Website des Autors</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="221"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="232"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="237"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="241"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="251"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="266"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="278"/>
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="288"/>
        <source>Varnel will use the new language the next time it starts.</source>
        <translation>Varnel verwendet die neue Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="289"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="325"/>
        <source>Editor: [%1]</source>
        <translation>Editor: [%1]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="330"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="384"/>
        <source>Unsaved changes have been made. Really Quit?</source>
        <translation>Es gibt ungespeicherte Änderungen. Wirklich beenden?</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="385"/>
        <source>Really Quit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="100"/>
        <source>the old file could not be kept as &apos;%1&apos; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PedgrpFile</name>
    <message>
        <location filename="../src/file/pedgrpfile.cpp" line="16"/>
        <source>File does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotBox</name>
    <message>
        <location filename="../src/app/boxes.cpp" line="111"/>
        <source>Not a model the game knows: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="235"/>
        <source>the lock &apos;%1&apos; could not be taken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
