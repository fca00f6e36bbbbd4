<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AllAreasWindow</name>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="140"/>
        <source>All Areas - Varnel</source>
        <translation>Wszystkie obszary - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="149"/>
        <location filename="../src/app/allareaswindow.cpp" line="150"/>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="158"/>
        <source>&amp;Only Problems</source>
        <translation>&amp;Tylko z problemami</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="164"/>
        <source>All Areas</source>
        <translation>Wszystkie obszary</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="207"/>
        <source>Problems</source>
        <translation>Problemy</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="219"/>
        <source>&amp;Problems</source>
        <translation>&amp;Problemy</translation>
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
            <numerusform>%n obszar</numerusform>
            <numerusform>%n obszary</numerusform>
            <numerusform>%n obszarów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="267"/>
        <source>%n group(s) the game reads</source>
        <translation>
            <numerusform>%n grupa odczytywana przez grę</numerusform>
            <numerusform>%n grupy odczytywane przez grę</numerusform>
            <numerusform>%n grup odczytywanych przez grę</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="268"/>
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problem</numerusform>
            <numerusform>%n problemy</numerusform>
            <numerusform>%n problemów</numerusform>
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
        <translation>Przepełnienie: wiersz obszaru %1 zawiera znak TAB za pozycją %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="109"/>
        <source>Overflow: area line %1 has its name beyond character %2</source>
        <translation>Przepełnienie: wiersz obszaru %1 ma nazwę za pozycją %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="110"/>
        <source>Overflow: area line %1 has no &apos;#&apos; and runs beyond character %2</source>
        <translation>Przepełnienie: wiersz obszaru %1 nie zawiera znaku &apos;#&apos; i wykracza poza pozycję %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="115"/>
        <source>Index out of range: the file holds more than %1 area lines</source>
        <translation>Indeks poza zakresem: plik zawiera ponad %1 wierszy obszarów</translation>
    </message>
</context>
<context>
    <name>AreaTableModel</name>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="23"/>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="25"/>
        <source>Area</source>
        <translation>Obszar</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="27"/>
        <source>Where</source>
        <translation>Gdzie</translation>
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
            <numerusform>Gra odczytuje tu %n nazwę, więc ten wiersz nie jest grupą.</numerusform>
            <numerusform>Gra odczytuje tu %n nazwy, więc ten wiersz nie jest grupą.</numerusform>
            <numerusform>Gra odczytuje tu %n nazw, więc ten wiersz nie jest grupą.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="104"/>
        <source>The game holds %1 groups; this one is written past its table.</source>
        <translation>Gra ma miejsce na %1 grup; ta jest zapisywana poza jej tabelą.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="122"/>
        <source>This list cannot be split into eight names.</source>
        <translation>Tej listy nie da się podzielić na osiem nazw.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="160"/>
        <source>%1 of %2</source>
        <translation>%1, obszar %2</translation>
    </message>
</context>
<context>
    <name>AreaWriter</name>
    <message>
        <location filename="../src/format/areawriter.cpp" line="46"/>
        <source>Area &apos;%1&apos; holds a line break (U+%2), which would split the area&apos;s line in the file</source>
        <translation>Obszar &apos;%1&apos; zawiera znak końca wiersza (U+%2), który podzieliłby wiersz obszaru w pliku</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="51"/>
        <source>Area &apos;%1&apos; holds the character &apos;#&apos; (U+%2), which would start the area&apos;s name or a comment in the file</source>
        <translation>Obszar &apos;%1&apos; zawiera znak &apos;#&apos; (U+%2), który w pliku rozpocząłby nazwę obszaru lub komentarz</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="55"/>
        <source>Area &apos;%1&apos; holds the character &apos;%2&apos; (U+%3), which an 8-bit file cannot hold</source>
        <translation>Obszar &apos;%1&apos; zawiera znak &apos;%2&apos; (U+%3), którego nie da się zapisać w pliku 8-bitowym</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="19"/>
        <source>Usage: %1 [options] [path]</source>
        <translation>Użycie: %1 [opcje] [ścieżka]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="36"/>
        <source>Uses this language for this run: %1.</source>
        <translation>Używa tego języka w tym uruchomieniu: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="37"/>
        <source>code</source>
        <translation>kod</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="48"/>
        <source>: Unknown language &apos;%1&apos;; give one of %2.

</source>
        <translation>: nieznany język &apos;%1&apos;; podaj jeden z: %2.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="59"/>
        <source>: Give one game folder or file, not %1.

</source>
        <translation>: podaj jeden folder gry lub plik, a nie %1.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="76"/>
        <source>Edits the pedestrian groups of GTA3 (data/pedgrp.dat).</source>
        <translation>Edytuje grupy przechodniów GTA3 (data/pedgrp.dat).</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="81"/>
        <source>path</source>
        <translation>ścieżka</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>A game folder, whose data/pedgrp.dat is loaded, or a file to load directly.</source>
        <translation>Folder gry, z którego wczytywany jest data/pedgrp.dat, albo plik do bezpośredniego wczytania.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="84"/>
        <source>[path]</source>
        <translation>[ścieżka]</translation>
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
        <translation>Zastąpiona poleceniem Zapisz</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="94"/>
        <source>Replaced by Save As</source>
        <translation>Zastąpiona poleceniem Zapisz jako</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="96"/>
        <source>Replaced by Restore BackUp</source>
        <translation>Zastąpiona poleceniem Przywróć kopię zapasową</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="98"/>
        <source>Replaced by the .bak copy</source>
        <translation>Zastąpiona kopią .bak</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="100"/>
        <source>Unsaved, let go by Exit</source>
        <translation>Niezapisana, porzucona przy zakończeniu</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="102"/>
        <source>Unsaved, let go by Load</source>
        <translation>Niezapisana, porzucona przy wczytaniu</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="104"/>
        <source>Unsaved, kept while editing</source>
        <translation>Niezapisana, zachowana podczas edycji</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="114"/>
        <location filename="../src/app/earlierversions.cpp" line="117"/>
        <source>Earlier Versions</source>
        <translation>Wcześniejsze wersje</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="126"/>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Area</source>
        <translation>Obszar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>This Version</source>
        <translation>Ta wersja</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Open Document</source>
        <translation>Otwarty dokument</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="136"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="139"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>When</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>What</source>
        <translation>Opis</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="193"/>
        <source>No open document of this file to compare with.</source>
        <translation>Ten plik nie jest otwarty; nie ma z czym porównać.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="202"/>
        <source>This version cannot be read: %1.</source>
        <translation>Nie można odczytać tej wersji: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="209"/>
        <source>Same as the open document.</source>
        <translation>Taka sama jak otwarty dokument.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="246"/>
        <source>Varnel ended with unsaved changes to &apos;%1&apos;. They are kept in File &gt; Earlier Versions.</source>
        <translation>Varnel zakończył działanie z niezapisanymi zmianami w &apos;%1&apos;. Zostały zachowane w menu Plik &gt; Wcześniejsze wersje.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="250"/>
        <source>&amp;Open It</source>
        <translation>&amp;Otwórz je</translation>
    </message>
</context>
<context>
    <name>EditingKeeper</name>
    <message>
        <location filename="../src/file/editingkeeper.cpp" line="56"/>
        <source>Unsaved changes are not being kept: %1.</source>
        <translation>Niezapisane zmiany nie są zachowywane: %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/file/filecommands.cpp" line="152"/>
        <source>Unsaved changes have been made. Really Load?</source>
        <translation>Wprowadzono niezapisane zmiany. Naprawdę wczytać?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="153"/>
        <source>Really Load?</source>
        <translation>Naprawdę wczytać?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="193"/>
        <source>An error occured, the error was: %1.</source>
        <translation>Wystąpił błąd: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="229"/>
        <source>Enter the location of your GTA 3 Directory:</source>
        <translation>Podaj położenie folderu GTA 3:</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="230"/>
        <source>Enter Directory</source>
        <translation>Podaj folder</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Enter file name to save as.</source>
        <translation>Podaj nazwę pliku do zapisu.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="113"/>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Save As...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="49"/>
        <source>An error occured while saving &apos;%1&apos;, the error was: %2.</source>
        <translation>Podczas zapisywania &apos;%1&apos; wystąpił błąd: %2.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="51"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="62"/>
        <source>File save complete for &apos;%1&apos;.</source>
        <translation>Zapisano plik &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="63"/>
        <source>Saved</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="96"/>
        <source>&apos;%1&apos; has been changed by another program since Varnel read it. Overwrite it?</source>
        <translation>Plik &apos;%1&apos; został zmieniony przez inny program, odkąd Varnel go wczytał. Zastąpić go?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="99"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="110"/>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>Plik &apos;%1&apos; już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="278"/>
        <source>The name ends in a folder separator, so it names a folder, not a file</source>
        <translation>Nazwa kończy się separatorem folderów, więc wskazuje folder, a nie plik</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="314"/>
        <source>Enter your GTA3 directory or press cancel.</source>
        <translation>Podaj folder GTA3 lub naciśnij Anuluj.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="315"/>
        <source>Restore BackUp</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="324"/>
        <source>An error occured during the backup process, the error was &apos;%1.&apos;</source>
        <translation>Podczas przywracania kopii zapasowej wystąpił błąd: &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="329"/>
        <source>Backup file &apos;pedgrp.dat&apos; restored.</source>
        <translation>Przywrócono kopię zapasową pliku &apos;pedgrp.dat&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="330"/>
        <source>Completed.</source>
        <translation>Zakończono.</translation>
    </message>
</context>
<context>
    <name>FileStamp</name>
    <message>
        <location filename="../src/storage/filestamp.cpp" line="67"/>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/app/frmmain.cpp" line="46"/>
        <source>An error occured during processing of this area.</source>
        <translation>Podczas przetwarzania tego obszaru wystąpił błąd.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="47"/>
        <source>The original &apos;pedgrps.dat&apos; is not written correctly, this is the most likely cause of this error.</source>
        <translation>Oryginalny plik &apos;pedgrps.dat&apos; nie jest zapisany poprawnie; to najbardziej prawdopodobna przyczyna tego błędu.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="50"/>
        <source>You can either restore the working backup from the file menu or add the comma&apos;s manually yourself.</source>
        <translation>Możesz przywrócić działającą kopię zapasową z menu Plik albo samodzielnie dopisać przecinki.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="52"/>
        <source>Damaged Area: %1.</source>
        <translation>Uszkodzony obszar: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="53"/>
        <source>Damaged Data: &apos;%1&apos;.</source>
        <translation>Uszkodzone dane: &apos;%1&apos;.</translation>
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
        <translation>Edytor</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="113"/>
        <source>Area List:</source>
        <translation>Obszary:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="116"/>
        <source>Peds In Area:</source>
        <translation>Pedy obszaru:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="124"/>
        <source>Area List</source>
        <translation>Lista obszarów</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="158"/>
        <source>Ped %1</source>
        <translation>Ped %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="200"/>
        <source>Load pedgrp.dat...</source>
        <translation>Wczytaj pedgrp.dat...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="201"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="202"/>
        <source>Save As...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="203"/>
        <source>Restore BackUp</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="204"/>
        <source>Earlier Versions...</source>
        <translation>Wcześniejsze wersje...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="205"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="207"/>
        <source>All &amp;Areas</source>
        <translation>Wszystkie &amp;obszary</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="208"/>
        <source>Zone &amp;Map</source>
        <translation>&amp;Mapa stref</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="210"/>
        <source>Set All In Area...</source>
        <translation>Ustaw wszystkie w obszarze...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="212"/>
        <source>Set All In Liberty City...</source>
        <translation>Ustaw wszystkie w Liberty City...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="214"/>
        <source>Randomize In Area</source>
        <translation>Losuj w obszarze</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="216"/>
        <source>Randomize In All Areas</source>
        <translation>Losuj we wszystkich obszarach</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="218"/>
        <source>Scan For Non-Existant Peds</source>
        <translation>Szukaj nieistniejących pedów</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="219"/>
        <source>Readme File</source>
        <translation>Plik Czytaj to</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="220"/>
        <source>Quick Info...</source>
        <translation>Krótka informacja...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="221"/>
        <source>Author&apos;s Site</source>
        <translation>Strona autora</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="252"/>
        <source>Keep File Layout</source>
        <translation>Zachowuj układ pliku</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="264"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="275"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="280"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="285"/>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="297"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="312"/>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="324"/>
        <source>System Language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="334"/>
        <source>Varnel will use the new language the next time it starts.</source>
        <translation>Varnel użyje nowego języka przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="335"/>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="371"/>
        <source>Editor: [%1]</source>
        <translation>Edytor: [%1]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="376"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="460"/>
        <source>Unsaved changes have been made. Really Quit?</source>
        <translation>Wprowadzono niezapisane zmiany. Naprawdę zakończyć?</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="461"/>
        <source>Really Quit?</source>
        <translation>Naprawdę zakończyć?</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="107"/>
        <source>the game sees %n name(s) (%1) and ignores those after the eighth.</source>
        <translation>
            <numerusform>gra widzi %n nazwę (%1) i pomija te po ósmej.</numerusform>
            <numerusform>gra widzi %n nazwy (%1) i pomija te po ósmej.</numerusform>
            <numerusform>gra widzi %n nazw (%1) i pomija te po ósmej.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="110"/>
        <source>the game sees %n name(s) (%1), so no group; every later group moves up one.</source>
        <translation>
            <numerusform>gra widzi %n nazwę (%1), więc nie ma tu grupy; każda dalsza grupa przesuwa się o jedno miejsce w górę.</numerusform>
            <numerusform>gra widzi %n nazwy (%1), więc nie ma tu grupy; każda dalsza grupa przesuwa się o jedno miejsce w górę.</numerusform>
            <numerusform>gra widzi %n nazw (%1), więc nie ma tu grupy; każda dalsza grupa przesuwa się o jedno miejsce w górę.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="120"/>
        <source>the game sees no names, so no group; every later group moves up one.</source>
        <translation>gra nie widzi żadnych nazw, więc nie ma tu grupy; każda dalsza grupa przesuwa się o jedno miejsce w górę.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="123"/>
        <source>a line break in its list makes the game see %n line(s).</source>
        <translation>
            <numerusform>przez znak końca wiersza w liście gra widzi %n wiersz.</numerusform>
            <numerusform>przez znak końca wiersza w liście gra widzi %n wiersze.</numerusform>
            <numerusform>przez znak końca wiersza w liście gra widzi %n wierszy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="154"/>
        <source>%n group(s), but the game holds %1: the groups from %2 (area %3) on write past its table.</source>
        <translation>
            <numerusform>%n grupa, ale gra ma miejsce na %1: grupy od %2 (obszar %3) wzwyż są zapisywane poza jej tabelą.</numerusform>
            <numerusform>%n grupy, ale gra ma miejsce na %1: grupy od %2 (obszar %3) wzwyż są zapisywane poza jej tabelą.</numerusform>
            <numerusform>%n grup, ale gra ma miejsce na %1: grupy od %2 (obszar %3) wzwyż są zapisywane poza jej tabelą.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="186"/>
        <source>the game reads only the first 1,022 characters of this line; the rest becomes a line of its own.</source>
        <translation>gra odczytuje tylko pierwsze 1022 znaki tego wiersza; reszta staje się osobnym wierszem.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="191"/>
        <source>the game will not find %1.</source>
        <translation>gra nie znajdzie: %1.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="201"/>
        <source>the game takes a lone CR for no line end, so it reads this line as part of line %1.</source>
        <translation>gra nie uznaje samego znaku CR za koniec wiersza, więc czyta ten wiersz jako część wiersza %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="233"/>
        <source>%1 uses group %2 by day and night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>Strefa %1 używa grupy %2 w dzień i w nocy, ale gra odczytuje z tego pliku tylko %n grupę.</numerusform>
            <numerusform>Strefa %1 używa grupy %2 w dzień i w nocy, ale gra odczytuje z tego pliku tylko %n grupy.</numerusform>
            <numerusform>Strefa %1 używa grupy %2 w dzień i w nocy, ale gra odczytuje z tego pliku tylko %n grup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="241"/>
        <source>%1 uses group %2 by day, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>Strefa %1 używa grupy %2 w dzień, ale gra odczytuje z tego pliku tylko %n grupę.</numerusform>
            <numerusform>Strefa %1 używa grupy %2 w dzień, ale gra odczytuje z tego pliku tylko %n grupy.</numerusform>
            <numerusform>Strefa %1 używa grupy %2 w dzień, ale gra odczytuje z tego pliku tylko %n grup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="247"/>
        <source>%1 uses group %2 by night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>Strefa %1 używa grupy %2 w nocy, ale gra odczytuje z tego pliku tylko %n grupę.</numerusform>
            <numerusform>Strefa %1 używa grupy %2 w nocy, ale gra odczytuje z tego pliku tylko %n grupy.</numerusform>
            <numerusform>Strefa %1 używa grupy %2 w nocy, ale gra odczytuje z tego pliku tylko %n grup.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="290"/>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="311"/>
        <source>Problems the game will have with this file:</source>
        <translation>Problemy, jakie gra będzie mieć z tym plikiem:</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="315"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... i %n kolejny</numerusform>
            <numerusform>... i %n kolejne</numerusform>
            <numerusform>... i %n kolejnych</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="317"/>
        <source>Save anyway?</source>
        <translation>Zapisać mimo to?</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="322"/>
        <source>Game Check</source>
        <translation>Sprawdzenie zgodności z grą</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="329"/>
        <source>%1 (area %2): %3</source>
        <translation>%1 (obszar %2): %3</translation>
    </message>
</context>
<context>
    <name>GameZones</name>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (day)</source>
        <translation>%1 (dzień)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (night)</source>
        <translation>%1 (noc)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="115"/>
        <source>default zone</source>
        <translation>strefa domyślna</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="117"/>
        <source>navigation zone</source>
        <translation>strefa nawigacyjna</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="119"/>
        <source>information zone</source>
        <translation>strefa informacyjna</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="127"/>
        <source>no island</source>
        <translation>bez wyspy</translation>
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
        <translation>poziom %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="159"/>
        <source>Set while the game runs: %1</source>
        <translation>Strefy z grupą ustawianą w trakcie gry: %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="224"/>
        <source>no zone uses it</source>
        <translation>żadna strefa jej nie używa</translation>
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
        <translation>Nie można otworzyć pliku Czytaj to:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="30"/>
        <source>Readme File</source>
        <translation>Plik Czytaj to</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="35"/>
        <source>Varnel V1.0 By &apos;&apos;Oskin&apos;&apos;.</source>
        <translation>Varnel V1.0, autor: &apos;&apos;Oskin&apos;&apos;.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="36"/>
        <source>View the readme file for more information.</source>
        <translation>Więcej informacji znajdziesz w pliku Czytaj to.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="37"/>
        <source>Quick Info</source>
        <translation>Krótka informacja</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="44"/>
        <source>The author&apos;s site could not be opened:</source>
        <translation>Nie można otworzyć strony autora:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="45"/>
        <source>Author&apos;s Site</source>
        <translation>Strona autora</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="13"/>
        <source>the old file could not be kept as an earlier version (%1)</source>
        <translation>nie można było zachować starego pliku jako wcześniejszej wersji (%1)</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="18"/>
        <source>&apos;%1&apos; was larger than 16 MiB and was not kept</source>
        <translation>Plik &apos;%1&apos; był większy niż 16 MiB i nie został zachowany</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="119"/>
        <source>No .bak copy was made: %1.</source>
        <translation>Nie utworzono kopii .bak: %1.</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="159"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>&apos;%1&apos; nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="138"/>
        <source>&apos;%1&apos; is read-only</source>
        <translation>plik &apos;%1&apos; jest tylko do odczytu</translation>
    </message>
</context>
<context>
    <name>PedgrpFile</name>
    <message>
        <location filename="../src/file/pedgrpfile.cpp" line="16"/>
        <source>File does not exist</source>
        <translation>Plik nie istnieje</translation>
    </message>
</context>
<context>
    <name>ProblemListModel</name>
    <message>
        <location filename="../src/app/problemlist.cpp" line="73"/>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="75"/>
        <source>Area</source>
        <translation>Obszar</translation>
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
        <translation>Grupy przechodniów (pedgrp.dat)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="124"/>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="148"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
</context>
<context>
    <name>Randomize</name>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="51"/>
        <source>Randomize In Area</source>
        <translation>Losuj w obszarze</translation>
    </message>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="60"/>
        <source>Randomize In All Areas</source>
        <translation>Losuj we wszystkich obszarach</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../src/bulk/scan.cpp" line="19"/>
        <source>The pedestrian &apos;%1&apos; does not exist. This is ped number &apos;%2&apos; in &apos;%3&apos;.</source>
        <translation>Przechodzień &apos;%1&apos; nie istnieje. Jest to ped numer &apos;%2&apos; w obszarze &apos;%3&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="25"/>
        <source>The area &apos;%1&apos; does not hold eight peds: &apos;%2&apos;.</source>
        <translation>Obszar &apos;%1&apos; nie zawiera ośmiu pedów: &apos;%2&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="42"/>
        <source>All peds in all areas exist. No errors found.</source>
        <translation>Wszystkie pedy we wszystkich obszarach istnieją. Nie znaleziono błędów.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="47"/>
        <source>Error Scan</source>
        <translation>Wyszukiwanie błędów</translation>
    </message>
</context>
<context>
    <name>SetAll</name>
    <message>
        <location filename="../src/bulk/setall.cpp" line="25"/>
        <source>Error: Could not find the pedestrian &apos;%1&apos;.</source>
        <translation>Błąd: nie znaleziono przechodnia &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="26"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="46"/>
        <source>Enter the name of the ped to use, it will be checked to make sure it exists.</source>
        <translation>Podaj nazwę peda do użycia; zostanie sprawdzone, czy istnieje.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="48"/>
        <location filename="../src/bulk/setall.cpp" line="52"/>
        <source>Set All In Area</source>
        <translation>Ustaw wszystkie w obszarze</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="58"/>
        <source>Enter the name of the ped to use in every area in every city, it will be checked to make sure it exists.</source>
        <translation>Podaj nazwę peda do użycia w każdym obszarze każdego miasta; zostanie sprawdzone, czy istnieje.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="60"/>
        <source>Set All In LIberty</source>
        <translation>Ustaw wszystkie w Liberty</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="66"/>
        <source>Set All In Liberty City</source>
        <translation>Ustaw wszystkie w Liberty City</translation>
    </message>
</context>
<context>
    <name>SlotBox</name>
    <message>
        <location filename="../src/app/boxes.cpp" line="114"/>
        <source>Not a model the game knows: %1</source>
        <translation>Model nieznany grze: %1</translation>
    </message>
</context>
<context>
    <name>SlotEditCommand</name>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="7"/>
        <source>Typing in Ped %1</source>
        <translation>Wpisywanie w Ped %1</translation>
    </message>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="8"/>
        <source>Choice in Ped %1</source>
        <translation>Wybór w Ped %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="205"/>
        <source>the folder &apos;%1&apos; could not be made</source>
        <translation>nie można utworzyć folderu &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="211"/>
        <source>the lock &apos;%1&apos; could not be taken</source>
        <translation>nie można założyć blokady &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ZoneMap</name>
    <message>
        <location filename="../src/app/zonemap.cpp" line="103"/>
        <source>Load a game&apos;s pedgrp.dat to see its zones.</source>
        <translation>Wczytaj pedgrp.dat gry, aby zobaczyć jej strefy.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="108"/>
        <source>Varnel reads the zones from data/gta3.zon and data/main.scm in the game folder; they were not found there.</source>
        <translation>Varnel odczytuje strefy z plików data/gta3.zon i data/main.scm w folderze gry; nie znaleziono ich tam.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="231"/>
        <source>set while the game runs</source>
        <translation>ustawiana w trakcie gry</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="233"/>
        <source>group %1, %2</source>
        <translation>grupa %1, %2</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="234"/>
        <source>group %1, which this file does not give</source>
        <translation>grupa %1, której ten plik nie zawiera</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="239"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="240"/>
        <source>By day: %1</source>
        <translation>W dzień: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="241"/>
        <source>By night: %1</source>
        <translation>W nocy: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by day</source>
        <translation>w dzień</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by night</source>
        <translation>w nocy</translation>
    </message>
</context>
<context>
    <name>ZoneMapWindow</name>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="22"/>
        <source>Zone Map - Varnel</source>
        <translation>Mapa stref - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="26"/>
        <source>Zone Map</source>
        <translation>Mapa stref</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="84"/>
        <source>%1: the game makes no group of this line</source>
        <translation>%1: gra nie tworzy grupy z tego wiersza</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="85"/>
        <source>%1, group %2: %3</source>
        <translation>%1, grupa %2: %3</translation>
    </message>
</context>
</TS>
