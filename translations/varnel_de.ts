<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AllAreasWindow</name>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="140"/>
        <source>All Areas - Varnel</source>
        <translation>Alle Gebiete - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="149"/>
        <location filename="../src/app/allareaswindow.cpp" line="150"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="158"/>
        <source>&amp;Only Problems</source>
        <translation>&amp;Nur Probleme</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="164"/>
        <source>All Areas</source>
        <translation>Alle Gebiete</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="207"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="219"/>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="265"/>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="266"/>
        <source>%n area(s)</source>
        <translation>
            <numerusform>%n Gebiet</numerusform>
            <numerusform>%n Gebiete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="267"/>
        <source>%n group(s) the game reads</source>
        <translation>
            <numerusform>%n Gruppe, die das Spiel liest</numerusform>
            <numerusform>%n Gruppen, die das Spiel liest</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="268"/>
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n Problem</numerusform>
            <numerusform>%n Probleme</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="269"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>AreaReader</name>
    <message>
        <location filename="../src/format/areareader.cpp" line="101"/>
        <source>Overflow: area line %1 has a TAB beyond character %2</source>
        <translation>Überlauf: In Gebietszeile %1 steht ein TAB hinter Zeichen %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="109"/>
        <source>Overflow: area line %1 has its name beyond character %2</source>
        <translation>Überlauf: In Gebietszeile %1 steht der Name hinter Zeichen %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="110"/>
        <source>Overflow: area line %1 has no &apos;#&apos; and runs beyond character %2</source>
        <translation>Überlauf: Gebietszeile %1 hat kein &apos;#&apos; und reicht über Zeichen %2 hinaus</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="115"/>
        <source>Index out of range: the file holds more than %1 area lines</source>
        <translation>Index außerhalb des gültigen Bereichs: Die Datei enthält mehr als %1 Gebietszeilen</translation>
    </message>
</context>
<context>
    <name>AreaTableModel</name>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="23"/>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="25"/>
        <source>Area</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="27"/>
        <source>Where</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="29"/>
        <source>Ped %1</source>
        <translation>Ped %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/areatablemodel.cpp" line="102"/>
        <source>The game reads %n name(s) here, so this line is no group.</source>
        <translation>
            <numerusform>Das Spiel liest hier %n Namen, daher ergibt diese Zeile keine Gruppe.</numerusform>
            <numerusform>Das Spiel liest hier %n Namen, daher ergibt diese Zeile keine Gruppe.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="104"/>
        <source>The game holds %1 groups; this one is written past its table.</source>
        <translation>Das Spiel fasst %1 Gruppen; diese hier wird über das Ende seiner Tabelle hinaus geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="122"/>
        <source>This list cannot be split into eight names.</source>
        <translation>Diese Liste lässt sich nicht in acht Namen aufteilen.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="160"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>AreaWriter</name>
    <message>
        <location filename="../src/format/areawriter.cpp" line="46"/>
        <source>Area &apos;%1&apos; holds a line break (U+%2), which would split the area&apos;s line in the file</source>
        <translation>Das Gebiet &apos;%1&apos; enthält einen Zeilenumbruch (U+%2), der die Zeile des Gebiets in der Datei teilen würde</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="51"/>
        <source>Area &apos;%1&apos; holds the character &apos;#&apos; (U+%2), which would start the area&apos;s name or a comment in the file</source>
        <translation>Das Gebiet &apos;%1&apos; enthält das Zeichen &apos;#&apos; (U+%2), mit dem in der Datei der Name des Gebiets oder ein Kommentar beginnen würde</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="55"/>
        <source>Area &apos;%1&apos; holds the character &apos;%2&apos; (U+%3), which an 8-bit file cannot hold</source>
        <translation>Das Gebiet &apos;%1&apos; enthält das Zeichen &apos;%2&apos; (U+%3), das eine 8-bit-Datei nicht aufnehmen kann</translation>
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
        <translation>Verwendet diese Sprache für diesen Programmlauf: %1.</translation>
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
        <location filename="../src/app/earlierversions.cpp" line="53"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="92"/>
        <source>Replaced by Save</source>
        <translation>Ersetzt durch Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="94"/>
        <source>Replaced by Save As</source>
        <translation>Ersetzt durch Speichern unter</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="96"/>
        <source>Replaced by Restore BackUp</source>
        <translation>Ersetzt durch Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="98"/>
        <source>Replaced by the .bak copy</source>
        <translation>Ersetzt durch die .bak-Kopie</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="100"/>
        <source>Unsaved, let go by Exit</source>
        <translation>Ungespeichert, beim Beenden verworfen</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="102"/>
        <source>Unsaved, let go by Load</source>
        <translation>Ungespeichert, beim Laden verworfen</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="104"/>
        <source>Unsaved, kept while editing</source>
        <translation>Ungespeichert, beim Bearbeiten aufbewahrt</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="114"/>
        <location filename="../src/app/earlierversions.cpp" line="117"/>
        <source>Earlier Versions</source>
        <translation>Frühere Versionen</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="126"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Area</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>This Version</source>
        <translation>Diese Version</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Open Document</source>
        <translation>Geöffnetes Dokument</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="136"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="139"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>When</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>What</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="193"/>
        <source>No open document of this file to compare with.</source>
        <translation>Kein geöffnetes Dokument dieser Datei zum Vergleichen.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="202"/>
        <source>This version cannot be read: %1.</source>
        <translation>Diese Version kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="209"/>
        <source>Same as the open document.</source>
        <translation>Identisch mit dem geöffneten Dokument.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="246"/>
        <source>Varnel ended with unsaved changes to &apos;%1&apos;. They are kept in File &gt; Earlier Versions.</source>
        <translation>Varnel wurde mit ungespeicherten Änderungen an &apos;%1&apos; beendet. Sie sind unter Datei &gt; Frühere Versionen aufbewahrt.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="250"/>
        <source>&amp;Open It</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>EditingKeeper</name>
    <message>
        <location filename="../src/file/editingkeeper.cpp" line="56"/>
        <source>Unsaved changes are not being kept: %1.</source>
        <translation>Ungespeicherte Änderungen werden nicht aufbewahrt: %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/file/filecommands.cpp" line="152"/>
        <source>Unsaved changes have been made. Really Load?</source>
        <translation>Es gibt ungespeicherte Änderungen. Wirklich laden?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="153"/>
        <source>Really Load?</source>
        <translation>Wirklich laden?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="193"/>
        <source>An error occured, the error was: %1.</source>
        <translation>Ein Fehler ist aufgetreten: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="229"/>
        <source>Enter the location of your GTA 3 Directory:</source>
        <translation>Geben Sie den Ordner von GTA 3 ein:</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="230"/>
        <source>Enter Directory</source>
        <translation>Ordner eingeben</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Enter file name to save as.</source>
        <translation>Geben Sie den Dateinamen zum Speichern ein.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="113"/>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="49"/>
        <source>An error occured while saving &apos;%1&apos;, the error was: %2.</source>
        <translation>Beim Speichern von &apos;%1&apos; ist ein Fehler aufgetreten: %2.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="51"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="62"/>
        <source>File save complete for &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; wurde gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="63"/>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="96"/>
        <source>&apos;%1&apos; has been changed by another program since Varnel read it. Overwrite it?</source>
        <translation>&apos;%1&apos; wurde von einem anderen Programm geändert, seit Varnel die Datei gelesen hat. Überschreiben?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="99"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="110"/>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="278"/>
        <source>The name ends in a folder separator, so it names a folder, not a file</source>
        <translation>Der Name endet mit einem Ordnertrennzeichen und bezeichnet daher einen Ordner, keine Datei</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="314"/>
        <source>Enter your GTA3 directory or press cancel.</source>
        <translation>Geben Sie den Ordner von GTA3 ein oder klicken Sie auf Abbrechen.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="315"/>
        <source>Restore BackUp</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="324"/>
        <source>An error occured during the backup process, the error was &apos;%1.&apos;</source>
        <translation>Beim Wiederherstellen der Sicherung ist ein Fehler aufgetreten: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="329"/>
        <source>Backup file &apos;pedgrp.dat&apos; restored.</source>
        <translation>&apos;pedgrp.dat&apos; wurde aus der Sicherung wiederhergestellt.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="330"/>
        <source>Completed.</source>
        <translation>Abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>FileStamp</name>
    <message>
        <location filename="../src/storage/filestamp.cpp" line="67"/>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/app/frmmain.cpp" line="46"/>
        <source>An error occured during processing of this area.</source>
        <translation>Beim Verarbeiten dieses Gebiets ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="47"/>
        <source>The original &apos;pedgrps.dat&apos; is not written correctly, this is the most likely cause of this error.</source>
        <translation>Die ursprüngliche &apos;pedgrp.dat&apos; ist fehlerhaft aufgebaut; das ist die wahrscheinlichste Ursache dieses Fehlers.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="50"/>
        <source>You can either restore the working backup from the file menu or add the comma&apos;s manually yourself.</source>
        <translation>Sie können entweder die funktionierende Sicherung über das Menü Datei wiederherstellen oder die Kommas selbst ergänzen.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="52"/>
        <source>Damaged Area: %1.</source>
        <translation>Beschädigtes Gebiet: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="53"/>
        <source>Damaged Data: &apos;%1&apos;.</source>
        <translation>Beschädigte Daten: &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="85"/>
        <source>Varnel[*]</source>
        <translation>Varnel[*]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="102"/>
        <location filename="../src/app/frmmain.cpp" line="371"/>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="113"/>
        <source>Area List:</source>
        <translation>Gebiete:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="116"/>
        <source>Peds In Area:</source>
        <translation>Gebiets-Peds:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="124"/>
        <source>Area List</source>
        <translation>Gebietsliste</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="158"/>
        <source>Ped %1</source>
        <translation>Ped %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="200"/>
        <source>Load pedgrp.dat...</source>
        <translation>pedgrp.dat laden...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="201"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="202"/>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="203"/>
        <source>Restore BackUp</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="204"/>
        <source>Earlier Versions...</source>
        <translation>Frühere Versionen...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="205"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="207"/>
        <source>All &amp;Areas</source>
        <translation>Alle &amp;Gebiete</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="208"/>
        <source>Zone &amp;Map</source>
        <translation>&amp;Zonenkarte</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="210"/>
        <source>Set All In Area...</source>
        <translation>Gebiet einheitlich füllen...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="212"/>
        <source>Set All In Liberty City...</source>
        <translation>Liberty City einheitlich füllen...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="214"/>
        <source>Randomize In Area</source>
        <translation>Gebiet zufällig füllen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="216"/>
        <source>Randomize In All Areas</source>
        <translation>Alle Gebiete zufällig füllen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="218"/>
        <source>Scan For Non-Existant Peds</source>
        <translation>Nach unbekannten Peds suchen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="219"/>
        <source>Readme File</source>
        <translation>Liesmich-Datei</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="220"/>
        <source>Quick Info...</source>
        <translation>Kurzinfo...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="221"/>
        <source>Author&apos;s Site</source>
        <translation>Website des Autors</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="252"/>
        <source>Keep File Layout</source>
        <translation>Dateiaufbau beibehalten</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="264"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="275"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="280"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="285"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="297"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="312"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="324"/>
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="334"/>
        <source>Varnel will use the new language the next time it starts.</source>
        <translation>Varnel verwendet die neue Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="335"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="371"/>
        <source>Editor: [%1]</source>
        <translation>Editor: [%1]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="376"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="460"/>
        <source>Unsaved changes have been made. Really Quit?</source>
        <translation>Es gibt ungespeicherte Änderungen. Wirklich beenden?</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="461"/>
        <source>Really Quit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="107"/>
        <source>the game sees %n name(s) (%1) and ignores those after the eighth.</source>
        <translation>
            <numerusform>das Spiel sieht %n Namen (%1) und übergeht alle nach dem achten.</numerusform>
            <numerusform>das Spiel sieht %n Namen (%1) und übergeht alle nach dem achten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="110"/>
        <source>the game sees %n name(s) (%1), so no group; every later group moves up one.</source>
        <translation>
            <numerusform>das Spiel sieht %n Namen (%1), daher keine Gruppe; jede folgende Gruppe rückt um eine Stelle auf.</numerusform>
            <numerusform>das Spiel sieht %n Namen (%1), daher keine Gruppe; jede folgende Gruppe rückt um eine Stelle auf.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="120"/>
        <source>the game sees no names, so no group; every later group moves up one.</source>
        <translation>das Spiel sieht keine Namen, daher keine Gruppe; jede folgende Gruppe rückt um eine Stelle auf.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="123"/>
        <source>a line break in its list makes the game see %n line(s).</source>
        <translation>
            <numerusform>ein Zeilenumbruch in seiner Liste lässt das Spiel %n Zeile sehen.</numerusform>
            <numerusform>ein Zeilenumbruch in seiner Liste lässt das Spiel %n Zeilen sehen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="154"/>
        <source>%n group(s), but the game holds %1: the groups from %2 (area %3) on write past its table.</source>
        <translation>
            <numerusform>%n Gruppe, aber das Spiel fasst %1: die Gruppen ab %2 (Gebiet %3) werden über das Ende seiner Tabelle hinaus geschrieben.</numerusform>
            <numerusform>%n Gruppen, aber das Spiel fasst %1: die Gruppen ab %2 (Gebiet %3) werden über das Ende seiner Tabelle hinaus geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="186"/>
        <source>the game reads only the first 1,022 characters of this line; the rest becomes a line of its own.</source>
        <translation>das Spiel liest nur die ersten 1.022 Zeichen dieser Zeile; der Rest wird zu einer eigenen Zeile.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="191"/>
        <source>the game will not find %1.</source>
        <translation>das Spiel findet %1 nicht.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="201"/>
        <source>the game takes a lone CR for no line end, so it reads this line as part of line %1.</source>
        <translation>das Spiel sieht ein einzelnes CR nicht als Zeilenende an und liest diese Zeile daher als Teil von Zeile %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="233"/>
        <source>%1 uses group %2 by day and night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 nutzt tagsüber und nachts Gruppe %2, aber das Spiel liest aus dieser Datei nur %n Gruppe.</numerusform>
            <numerusform>%1 nutzt tagsüber und nachts Gruppe %2, aber das Spiel liest aus dieser Datei nur %n Gruppen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="241"/>
        <source>%1 uses group %2 by day, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 nutzt tagsüber Gruppe %2, aber das Spiel liest aus dieser Datei nur %n Gruppe.</numerusform>
            <numerusform>%1 nutzt tagsüber Gruppe %2, aber das Spiel liest aus dieser Datei nur %n Gruppen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="247"/>
        <source>%1 uses group %2 by night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 nutzt nachts Gruppe %2, aber das Spiel liest aus dieser Datei nur %n Gruppe.</numerusform>
            <numerusform>%1 nutzt nachts Gruppe %2, aber das Spiel liest aus dieser Datei nur %n Gruppen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="290"/>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="311"/>
        <source>Problems the game will have with this file:</source>
        <translation>Probleme, die das Spiel mit dieser Datei haben wird:</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="315"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="317"/>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="322"/>
        <source>Game Check</source>
        <translation>Spielprüfung</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="329"/>
        <source>%1 (area %2): %3</source>
        <translation>%1 (Gebiet %2): %3</translation>
    </message>
</context>
<context>
    <name>GameZones</name>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (day)</source>
        <translation>%1 (Tag)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (night)</source>
        <translation>%1 (Nacht)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="115"/>
        <source>default zone</source>
        <translation>Standardzone</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="117"/>
        <source>navigation zone</source>
        <translation>Navigationszone</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="119"/>
        <source>information zone</source>
        <translation>Informationszone</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="127"/>
        <source>no island</source>
        <translation>keine Insel</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="129"/>
        <source>Portland</source>
        <translation>Portland</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="131"/>
        <source>Staunton Island</source>
        <translation>Staunton Island</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="133"/>
        <source>Shoreside Vale</source>
        <translation>Shoreside Vale</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="135"/>
        <source>level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="159"/>
        <source>Set while the game runs: %1</source>
        <translation>Während des Spiels gesetzt: %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="224"/>
        <source>no zone uses it</source>
        <translation>von keiner Zone genutzt</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="236"/>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="29"/>
        <source>The read-me file could not be opened:</source>
        <translation>Die Liesmich-Datei konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="30"/>
        <source>Readme File</source>
        <translation>Liesmich-Datei</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="35"/>
        <source>Varnel V1.0 By &apos;&apos;Oskin&apos;&apos;.</source>
        <translation>Varnel V1.0 von &apos;&apos;Oskin&apos;&apos;.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="36"/>
        <source>View the readme file for more information.</source>
        <translation>Weitere Informationen finden Sie in der Liesmich-Datei.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="37"/>
        <source>Quick Info</source>
        <translation>Kurzinfo</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="44"/>
        <source>The author&apos;s site could not be opened:</source>
        <translation>Die Website des Autors konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="45"/>
        <source>Author&apos;s Site</source>
        <translation>Website des Autors</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="13"/>
        <source>the old file could not be kept as an earlier version (%1)</source>
        <translation>die alte Datei konnte nicht als frühere Version aufbewahrt werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="18"/>
        <source>&apos;%1&apos; was larger than 16 MiB and was not kept</source>
        <translation>&apos;%1&apos; war größer als 16 MiB und wurde nicht aufbewahrt</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="119"/>
        <source>No .bak copy was made: %1.</source>
        <translation>Es wurde keine .bak-Kopie angelegt: %1.</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="159"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>&apos;%1&apos; ist keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="138"/>
        <source>&apos;%1&apos; is read-only</source>
        <translation>&apos;%1&apos; ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>PedgrpFile</name>
    <message>
        <location filename="../src/file/pedgrpfile.cpp" line="16"/>
        <source>File does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
</context>
<context>
    <name>ProblemListModel</name>
    <message>
        <location filename="../src/app/problemlist.cpp" line="73"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="75"/>
        <source>Area</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="77"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="123"/>
        <source>Pedestrian groups (pedgrp.dat)</source>
        <translation>Fußgängergruppen (pedgrp.dat)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="124"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="148"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
</context>
<context>
    <name>Randomize</name>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="51"/>
        <source>Randomize In Area</source>
        <translation>Gebiet zufällig füllen</translation>
    </message>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="60"/>
        <source>Randomize In All Areas</source>
        <translation>Alle Gebiete zufällig füllen</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../src/bulk/scan.cpp" line="19"/>
        <source>The pedestrian &apos;%1&apos; does not exist. This is ped number &apos;%2&apos; in &apos;%3&apos;.</source>
        <translation>Der Fußgänger &apos;%1&apos; existiert nicht. Es ist Ped Nummer &apos;%2&apos; in &apos;%3&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="25"/>
        <source>The area &apos;%1&apos; does not hold eight peds: &apos;%2&apos;.</source>
        <translation>Das Gebiet &apos;%1&apos; enthält nicht genau acht Peds: &apos;%2&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="42"/>
        <source>All peds in all areas exist. No errors found.</source>
        <translation>Alle Peds in allen Gebieten existieren. Keine Fehler gefunden.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="47"/>
        <source>Error Scan</source>
        <translation>Fehlersuche</translation>
    </message>
</context>
<context>
    <name>SetAll</name>
    <message>
        <location filename="../src/bulk/setall.cpp" line="25"/>
        <source>Error: Could not find the pedestrian &apos;%1&apos;.</source>
        <translation>Fehler: Der Fußgänger &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="26"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="46"/>
        <source>Enter the name of the ped to use, it will be checked to make sure it exists.</source>
        <translation>Geben Sie den Namen des gewünschten Peds ein; es wird geprüft, ob er existiert.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="48"/>
        <location filename="../src/bulk/setall.cpp" line="52"/>
        <source>Set All In Area</source>
        <translation>Gebiet einheitlich füllen</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="58"/>
        <source>Enter the name of the ped to use in every area in every city, it will be checked to make sure it exists.</source>
        <translation>Geben Sie den Namen des Peds ein, der in jedem Gebiet jeder Stadt verwendet werden soll; es wird geprüft, ob er existiert.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="60"/>
        <source>Set All In LIberty</source>
        <translation>Liberty City einheitlich füllen</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="66"/>
        <source>Set All In Liberty City</source>
        <translation>Liberty City einheitlich füllen</translation>
    </message>
</context>
<context>
    <name>SlotBox</name>
    <message>
        <location filename="../src/app/boxes.cpp" line="114"/>
        <source>Not a model the game knows: %1</source>
        <translation>Dem Spiel unbekanntes Modell: %1</translation>
    </message>
</context>
<context>
    <name>SlotEditCommand</name>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="7"/>
        <source>Typing in Ped %1</source>
        <translation>Eingabe in Ped %1</translation>
    </message>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="8"/>
        <source>Choice in Ped %1</source>
        <translation>Auswahl in Ped %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="205"/>
        <source>the folder &apos;%1&apos; could not be made</source>
        <translation>der Ordner &apos;%1&apos; konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="211"/>
        <source>the lock &apos;%1&apos; could not be taken</source>
        <translation>die Sperre &apos;%1&apos; konnte nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>ZoneMap</name>
    <message>
        <location filename="../src/app/zonemap.cpp" line="103"/>
        <source>Load a game&apos;s pedgrp.dat to see its zones.</source>
        <translation>Laden Sie die pedgrp.dat eines Spiels, um seine Zonen zu sehen.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="108"/>
        <source>Varnel reads the zones from data/gta3.zon and data/main.scm in the game folder; they were not found there.</source>
        <translation>Varnel liest die Zonen aus data/gta3.zon und data/main.scm im Spielordner; diese Dateien wurden dort nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="231"/>
        <source>set while the game runs</source>
        <translation>während des Spiels gesetzt</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="233"/>
        <source>group %1, %2</source>
        <translation>Gruppe %1, %2</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="234"/>
        <source>group %1, which this file does not give</source>
        <translation>Gruppe %1, die diese Datei nicht enthält</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="239"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="240"/>
        <source>By day: %1</source>
        <translation>Tagsüber: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="241"/>
        <source>By night: %1</source>
        <translation>Nachts: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by day</source>
        <translation>tagsüber</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by night</source>
        <translation>nachts</translation>
    </message>
</context>
<context>
    <name>ZoneMapWindow</name>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="22"/>
        <source>Zone Map - Varnel</source>
        <translation>Zonenkarte - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="26"/>
        <source>Zone Map</source>
        <translation>Zonenkarte</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="84"/>
        <source>%1: the game makes no group of this line</source>
        <translation>%1: das Spiel macht aus dieser Zeile keine Gruppe</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="85"/>
        <source>%1, group %2: %3</source>
        <translation>%1, Gruppe %2: %3</translation>
    </message>
</context>
</TS>
