<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AllAreasWindow</name>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="140"/>
        <source>All Areas - Varnel</source>
        <translation>Все районы - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="149"/>
        <location filename="../src/app/allareaswindow.cpp" line="150"/>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="158"/>
        <source>&amp;Only Problems</source>
        <translation>&amp;Только с проблемами</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="164"/>
        <source>All Areas</source>
        <translation>Все районы</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="207"/>
        <source>Problems</source>
        <translation>Проблемы</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="219"/>
        <source>&amp;Problems</source>
        <translation>&amp;Проблемы</translation>
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
            <numerusform>%n район</numerusform>
            <numerusform>%n района</numerusform>
            <numerusform>%n районов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="267"/>
        <source>%n group(s) the game reads</source>
        <translation>
            <numerusform>игра читает %n группу</numerusform>
            <numerusform>игра читает %n группы</numerusform>
            <numerusform>игра читает %n групп</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="268"/>
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n проблема</numerusform>
            <numerusform>%n проблемы</numerusform>
            <numerusform>%n проблем</numerusform>
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
        <translation>Переполнение: в строке района %1 символ TAB стоит дальше позиции %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="109"/>
        <source>Overflow: area line %1 has its name beyond character %2</source>
        <translation>Переполнение: в строке района %1 имя стоит дальше позиции %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="110"/>
        <source>Overflow: area line %1 has no &apos;#&apos; and runs beyond character %2</source>
        <translation>Переполнение: в строке района %1 нет «#», и она продолжается дальше позиции %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="115"/>
        <source>Index out of range: the file holds more than %1 area lines</source>
        <translation>Индекс вне диапазона: в файле больше %1 строк районов</translation>
    </message>
</context>
<context>
    <name>AreaTableModel</name>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="23"/>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="25"/>
        <source>Area</source>
        <translation>Район</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="27"/>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="29"/>
        <source>Ped %1</source>
        <translation>Пед %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/areatablemodel.cpp" line="102"/>
        <source>The game reads %n name(s) here, so this line is no group.</source>
        <translation>
            <numerusform>Игра читает здесь %n имя, поэтому эта строка не даёт группы.</numerusform>
            <numerusform>Игра читает здесь %n имени, поэтому эта строка не даёт группы.</numerusform>
            <numerusform>Игра читает здесь %n имён, поэтому эта строка не даёт группы.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="104"/>
        <source>The game holds %1 groups; this one is written past its table.</source>
        <translation>Число групп в игре: %1; эта группа записывается за пределами её таблицы.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="122"/>
        <source>This list cannot be split into eight names.</source>
        <translation>Этот список нельзя разделить на восемь имён.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="160"/>
        <source>%1 of %2</source>
        <translation>%1, район %2</translation>
    </message>
</context>
<context>
    <name>AreaWriter</name>
    <message>
        <location filename="../src/format/areawriter.cpp" line="46"/>
        <source>Area &apos;%1&apos; holds a line break (U+%2), which would split the area&apos;s line in the file</source>
        <translation>Район «%1» содержит перевод строки (U+%2), который разбил бы строку района в файле</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="51"/>
        <source>Area &apos;%1&apos; holds the character &apos;#&apos; (U+%2), which would start the area&apos;s name or a comment in the file</source>
        <translation>Район «%1» содержит символ «#» (U+%2), с которого в файле начиналось бы имя района или комментарий</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="55"/>
        <source>Area &apos;%1&apos; holds the character &apos;%2&apos; (U+%3), which an 8-bit file cannot hold</source>
        <translation>Район «%1» содержит символ «%2» (U+%3), который нельзя записать в файл с 8-bit кодировкой</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="19"/>
        <source>Usage: %1 [options] [path]</source>
        <translation>Использование: %1 [параметры] [путь]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="36"/>
        <source>Uses this language for this run: %1.</source>
        <translation>Язык для этого запуска: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="37"/>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="48"/>
        <source>: Unknown language &apos;%1&apos;; give one of %2.

</source>
        <translation>: неизвестный язык «%1»; укажите один из: %2.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="59"/>
        <source>: Give one game folder or file, not %1.

</source>
        <translation>: укажите одну папку игры или один файл, а не %1.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="76"/>
        <source>Edits the pedestrian groups of GTA3 (data/pedgrp.dat).</source>
        <translation>Редактирует группы пешеходов GTA3 (data/pedgrp.dat).</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Displays help on commandline options.</source>
        <translation>Показать справку по параметрам командной строки.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="81"/>
        <source>path</source>
        <translation>путь</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>A game folder, whose data/pedgrp.dat is loaded, or a file to load directly.</source>
        <translation>Папка игры, из которой загружается data/pedgrp.dat, или файл для прямой загрузки.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="84"/>
        <source>[path]</source>
        <translation>[путь]</translation>
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
        <translation>Заменена командой «Сохранить»</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="94"/>
        <source>Replaced by Save As</source>
        <translation>Заменена командой «Сохранить как»</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="96"/>
        <source>Replaced by Restore BackUp</source>
        <translation>Заменена командой «Восстановить резервную копию»</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="98"/>
        <source>Replaced by the .bak copy</source>
        <translation>Заменена копией .bak</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="100"/>
        <source>Unsaved, let go by Exit</source>
        <translation>Несохранённая, отброшена при выходе</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="102"/>
        <source>Unsaved, let go by Load</source>
        <translation>Несохранённая, отброшена при загрузке</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="104"/>
        <source>Unsaved, kept while editing</source>
        <translation>Несохранённая, записана во время правки</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="114"/>
        <location filename="../src/app/earlierversions.cpp" line="117"/>
        <source>Earlier Versions</source>
        <translation>Прежние версии</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="126"/>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Area</source>
        <translation>Район</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>This Version</source>
        <translation>Эта версия</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Open Document</source>
        <translation>Открытый документ</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="136"/>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="139"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="193"/>
        <source>No open document of this file to compare with.</source>
        <translation>Нет открытого документа этого файла для сравнения.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="202"/>
        <source>This version cannot be read: %1.</source>
        <translation>Не удаётся прочитать эту версию: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="209"/>
        <source>Same as the open document.</source>
        <translation>Совпадает с открытым документом.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="246"/>
        <source>Varnel ended with unsaved changes to &apos;%1&apos;. They are kept in File &gt; Earlier Versions.</source>
        <translation>Varnel завершил работу, не сохранив изменения в «%1». Они сохранены в меню Файл &gt; Прежние версии.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="250"/>
        <source>&amp;Open It</source>
        <translation>&amp;Открыть</translation>
    </message>
</context>
<context>
    <name>EditingKeeper</name>
    <message>
        <location filename="../src/file/editingkeeper.cpp" line="56"/>
        <source>Unsaved changes are not being kept: %1.</source>
        <translation>Копии несохранённых изменений не создаются: %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/file/filecommands.cpp" line="152"/>
        <source>Unsaved changes have been made. Really Load?</source>
        <translation>Есть несохранённые изменения. Действительно загрузить?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="153"/>
        <source>Really Load?</source>
        <translation>Действительно загрузить?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="193"/>
        <source>An error occured, the error was: %1.</source>
        <translation>Произошла ошибка: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="229"/>
        <source>Enter the location of your GTA 3 Directory:</source>
        <translation>Укажите расположение папки GTA 3:</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="230"/>
        <source>Enter Directory</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Enter file name to save as.</source>
        <translation>Введите имя файла для сохранения.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="113"/>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="49"/>
        <source>An error occured while saving &apos;%1&apos;, the error was: %2.</source>
        <translation>При сохранении «%1» произошла ошибка: %2.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="51"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="62"/>
        <source>File save complete for &apos;%1&apos;.</source>
        <translation>Файл «%1» сохранён.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="63"/>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="96"/>
        <source>&apos;%1&apos; has been changed by another program since Varnel read it. Overwrite it?</source>
        <translation>Файл «%1» был изменён другой программой после того, как Varnel его прочитал. Перезаписать его?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="99"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="110"/>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>Файл «%1» уже существует. Заменить его?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="278"/>
        <source>The name ends in a folder separator, so it names a folder, not a file</source>
        <translation>Имя оканчивается разделителем папок, поэтому это имя папки, а не файла</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="314"/>
        <source>Enter your GTA3 directory or press cancel.</source>
        <translation>Укажите папку GTA3 или нажмите «Отмена».</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="315"/>
        <source>Restore BackUp</source>
        <translation>Восстановить резервную копию</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="324"/>
        <source>An error occured during the backup process, the error was &apos;%1.&apos;</source>
        <translation>При восстановлении резервной копии произошла ошибка: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="329"/>
        <source>Backup file &apos;pedgrp.dat&apos; restored.</source>
        <translation>Файл «pedgrp.dat» восстановлен из резервной копии.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="330"/>
        <source>Completed.</source>
        <translation>Готово.</translation>
    </message>
</context>
<context>
    <name>FileStamp</name>
    <message>
        <location filename="../src/storage/filestamp.cpp" line="67"/>
        <source>Not a regular file</source>
        <translation>Не является обычным файлом</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/app/frmmain.cpp" line="46"/>
        <source>An error occured during processing of this area.</source>
        <translation>При обработке этого района произошла ошибка.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="47"/>
        <source>The original &apos;pedgrps.dat&apos; is not written correctly, this is the most likely cause of this error.</source>
        <translation>Исходный файл «pedgrp.dat» записан неправильно; скорее всего, ошибка вызвана именно этим.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="50"/>
        <source>You can either restore the working backup from the file menu or add the comma&apos;s manually yourself.</source>
        <translation>Вы можете восстановить рабочую резервную копию через меню «Файл» или сами добавить запятые.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="52"/>
        <source>Damaged Area: %1.</source>
        <translation>Повреждённый район: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="53"/>
        <source>Damaged Data: &apos;%1&apos;.</source>
        <translation>Повреждённые данные: «%1».</translation>
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
        <translation>Редактор</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="113"/>
        <source>Area List:</source>
        <translation>Районы:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="116"/>
        <source>Peds In Area:</source>
        <translation>Педы района:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="124"/>
        <source>Area List</source>
        <translation>Список районов</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="158"/>
        <source>Ped %1</source>
        <translation>Пед %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="200"/>
        <source>Load pedgrp.dat...</source>
        <translation>Загрузить pedgrp.dat...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="201"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="202"/>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="203"/>
        <source>Restore BackUp</source>
        <translation>Восстановить резервную копию</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="204"/>
        <source>Earlier Versions...</source>
        <translation>Прежние версии...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="205"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить «%1»</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить «%1»</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="207"/>
        <source>All &amp;Areas</source>
        <translation>Все &amp;районы</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="208"/>
        <source>Zone &amp;Map</source>
        <translation>Карта &amp;зон</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="210"/>
        <source>Set All In Area...</source>
        <translation>Задать всем в районе...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="212"/>
        <source>Set All In Liberty City...</source>
        <translation>Задать всем в Liberty City...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="214"/>
        <source>Randomize In Area</source>
        <translation>Случайные педы в районе</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="216"/>
        <source>Randomize In All Areas</source>
        <translation>Случайные педы во всех районах</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="218"/>
        <source>Scan For Non-Existant Peds</source>
        <translation>Найти несуществующих педов</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="219"/>
        <source>Readme File</source>
        <translation>Файл readme</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="220"/>
        <source>Quick Info...</source>
        <translation>Краткие сведения...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="221"/>
        <source>Author&apos;s Site</source>
        <translation>Сайт автора</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="252"/>
        <source>Keep File Layout</source>
        <translation>Сохранять разметку файла</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="264"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="275"/>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="280"/>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="285"/>
        <source>&amp;Options</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="297"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="312"/>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="324"/>
        <source>System Language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="334"/>
        <source>Varnel will use the new language the next time it starts.</source>
        <translation>Varnel будет использовать новый язык при следующем запуске.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="335"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="371"/>
        <source>Editor: [%1]</source>
        <translation>Редактор: [%1]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="376"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="460"/>
        <source>Unsaved changes have been made. Really Quit?</source>
        <translation>Есть несохранённые изменения. Действительно выйти?</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="461"/>
        <source>Really Quit?</source>
        <translation>Действительно выйти?</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="107"/>
        <source>the game sees %n name(s) (%1) and ignores those after the eighth.</source>
        <translation>
            <numerusform>игра видит %n имя (%1) и пропускает все после восьмого.</numerusform>
            <numerusform>игра видит %n имени (%1) и пропускает все после восьмого.</numerusform>
            <numerusform>игра видит %n имён (%1) и пропускает все после восьмого.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="110"/>
        <source>the game sees %n name(s) (%1), so no group; every later group moves up one.</source>
        <translation>
            <numerusform>игра видит %n имя (%1), поэтому группы нет; все следующие группы сдвигаются на одну вверх.</numerusform>
            <numerusform>игра видит %n имени (%1), поэтому группы нет; все следующие группы сдвигаются на одну вверх.</numerusform>
            <numerusform>игра видит %n имён (%1), поэтому группы нет; все следующие группы сдвигаются на одну вверх.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="120"/>
        <source>the game sees no names, so no group; every later group moves up one.</source>
        <translation>игра не видит ни одного имени, поэтому группы нет; все следующие группы сдвигаются на одну вверх.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="123"/>
        <source>a line break in its list makes the game see %n line(s).</source>
        <translation>
            <numerusform>из-за перевода строки в списке игра видит %n строку.</numerusform>
            <numerusform>из-за перевода строки в списке игра видит %n строки.</numerusform>
            <numerusform>из-за перевода строки в списке игра видит %n строк.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="154"/>
        <source>%n group(s), but the game holds %1: the groups from %2 (area %3) on write past its table.</source>
        <translation>
            <numerusform>%n группа, а игра вмещает %1: группы начиная с района %3 (%2) записываются за пределами её таблицы.</numerusform>
            <numerusform>%n группы, а игра вмещает %1: группы начиная с района %3 (%2) записываются за пределами её таблицы.</numerusform>
            <numerusform>%n групп, а игра вмещает %1: группы начиная с района %3 (%2) записываются за пределами её таблицы.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="186"/>
        <source>the game reads only the first 1,022 characters of this line; the rest becomes a line of its own.</source>
        <translation>игра читает только первые 1022 символа этой строки; остальное становится отдельной строкой.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="191"/>
        <source>the game will not find %1.</source>
        <translation>игра не найдёт %1.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="201"/>
        <source>the game takes a lone CR for no line end, so it reads this line as part of line %1.</source>
        <translation>игра не считает одиночный CR концом строки, поэтому читает эту строку как часть строки %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="233"/>
        <source>%1 uses group %2 by day and night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 использует группу %2 днём и ночью, но игра читает из этого файла только %n группу.</numerusform>
            <numerusform>%1 использует группу %2 днём и ночью, но игра читает из этого файла только %n группы.</numerusform>
            <numerusform>%1 использует группу %2 днём и ночью, но игра читает из этого файла только %n групп.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="241"/>
        <source>%1 uses group %2 by day, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 использует группу %2 днём, но игра читает из этого файла только %n группу.</numerusform>
            <numerusform>%1 использует группу %2 днём, но игра читает из этого файла только %n группы.</numerusform>
            <numerusform>%1 использует группу %2 днём, но игра читает из этого файла только %n групп.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="247"/>
        <source>%1 uses group %2 by night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 использует группу %2 ночью, но игра читает из этого файла только %n группу.</numerusform>
            <numerusform>%1 использует группу %2 ночью, но игра читает из этого файла только %n группы.</numerusform>
            <numerusform>%1 использует группу %2 ночью, но игра читает из этого файла только %n групп.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="290"/>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="311"/>
        <source>Problems the game will have with this file:</source>
        <translation>Проблемы, которые будут у игры с этим файлом:</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="315"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... и ещё %n проблема</numerusform>
            <numerusform>... и ещё %n проблемы</numerusform>
            <numerusform>... и ещё %n проблем</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="317"/>
        <source>Save anyway?</source>
        <translation>Всё равно сохранить?</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="322"/>
        <source>Game Check</source>
        <translation>Проверка совместимости с игрой</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="329"/>
        <source>%1 (area %2): %3</source>
        <translation>%1 (район %2): %3</translation>
    </message>
</context>
<context>
    <name>GameZones</name>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (day)</source>
        <translation>%1 (днём)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (night)</source>
        <translation>%1 (ночью)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="115"/>
        <source>default zone</source>
        <translation>обычная зона</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="117"/>
        <source>navigation zone</source>
        <translation>навигационная зона</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="119"/>
        <source>information zone</source>
        <translation>информационная зона</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="127"/>
        <source>no island</source>
        <translation>вне островов</translation>
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
        <translation>уровень %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="159"/>
        <source>Set while the game runs: %1</source>
        <translation>Задаются во время игры: %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="224"/>
        <source>no zone uses it</source>
        <translation>не используется ни одной зоной</translation>
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
        <translation>Не удалось открыть файл readme:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="30"/>
        <source>Readme File</source>
        <translation>Файл readme</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="35"/>
        <source>Varnel V1.0 By &apos;&apos;Oskin&apos;&apos;.</source>
        <translation>Varnel V1.0, автор &apos;&apos;Oskin&apos;&apos;.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="36"/>
        <source>View the readme file for more information.</source>
        <translation>Подробности смотрите в файле readme.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="37"/>
        <source>Quick Info</source>
        <translation>Краткие сведения</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="44"/>
        <source>The author&apos;s site could not be opened:</source>
        <translation>Не удалось открыть сайт автора:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="45"/>
        <source>Author&apos;s Site</source>
        <translation>Сайт автора</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="13"/>
        <source>the old file could not be kept as an earlier version (%1)</source>
        <translation>старый файл не удалось сохранить как прежнюю версию (%1)</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="18"/>
        <source>&apos;%1&apos; was larger than 16 MiB and was not kept</source>
        <translation>файл «%1» больше 16 MiB и не был сохранён</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="119"/>
        <source>No .bak copy was made: %1.</source>
        <translation>Копия .bak не создана: %1.</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="159"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>«%1» не является обычным файлом</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="138"/>
        <source>&apos;%1&apos; is read-only</source>
        <translation>файл «%1» доступен только для чтения</translation>
    </message>
</context>
<context>
    <name>PedgrpFile</name>
    <message>
        <location filename="../src/file/pedgrpfile.cpp" line="16"/>
        <source>File does not exist</source>
        <translation>Файл не существует</translation>
    </message>
</context>
<context>
    <name>ProblemListModel</name>
    <message>
        <location filename="../src/app/problemlist.cpp" line="73"/>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="75"/>
        <source>Area</source>
        <translation>Район</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="77"/>
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="123"/>
        <source>Pedestrian groups (pedgrp.dat)</source>
        <translation>Группы пешеходов (pedgrp.dat)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="124"/>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="148"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
</context>
<context>
    <name>Randomize</name>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="51"/>
        <source>Randomize In Area</source>
        <translation>Случайные педы в районе</translation>
    </message>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="60"/>
        <source>Randomize In All Areas</source>
        <translation>Случайные педы во всех районах</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../src/bulk/scan.cpp" line="19"/>
        <source>The pedestrian &apos;%1&apos; does not exist. This is ped number &apos;%2&apos; in &apos;%3&apos;.</source>
        <translation>Пешехода «%1» не существует. Это пед номер %2 в районе «%3».</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="25"/>
        <source>The area &apos;%1&apos; does not hold eight peds: &apos;%2&apos;.</source>
        <translation>В районе «%1» не восемь педов: «%2».</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="42"/>
        <source>All peds in all areas exist. No errors found.</source>
        <translation>Все педы во всех районах существуют. Ошибок не найдено.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="47"/>
        <source>Error Scan</source>
        <translation>Поиск ошибок</translation>
    </message>
</context>
<context>
    <name>SetAll</name>
    <message>
        <location filename="../src/bulk/setall.cpp" line="25"/>
        <source>Error: Could not find the pedestrian &apos;%1&apos;.</source>
        <translation>Ошибка: пешеход «%1» не найден.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="26"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="46"/>
        <source>Enter the name of the ped to use, it will be checked to make sure it exists.</source>
        <translation>Введите имя педа; программа проверит, что такой пед существует.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="48"/>
        <location filename="../src/bulk/setall.cpp" line="52"/>
        <source>Set All In Area</source>
        <translation>Задать всем в районе</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="58"/>
        <source>Enter the name of the ped to use in every area in every city, it will be checked to make sure it exists.</source>
        <translation>Введите имя педа для всех районов всех городов; программа проверит, что такой пед существует.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="60"/>
        <source>Set All In LIberty</source>
        <translation>Задать всем в Liberty City</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="66"/>
        <source>Set All In Liberty City</source>
        <translation>Задать всем в Liberty City</translation>
    </message>
</context>
<context>
    <name>SlotBox</name>
    <message>
        <location filename="../src/app/boxes.cpp" line="114"/>
        <source>Not a model the game knows: %1</source>
        <translation>Модель, неизвестная игре: %1</translation>
    </message>
</context>
<context>
    <name>SlotEditCommand</name>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="7"/>
        <source>Typing in Ped %1</source>
        <translation>Ввод в поле Пед %1</translation>
    </message>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="8"/>
        <source>Choice in Ped %1</source>
        <translation>Выбор в поле Пед %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="205"/>
        <source>the folder &apos;%1&apos; could not be made</source>
        <translation>не удалось создать папку «%1»</translation>
    </message>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="211"/>
        <source>the lock &apos;%1&apos; could not be taken</source>
        <translation>не удалось получить блокировку «%1»</translation>
    </message>
</context>
<context>
    <name>ZoneMap</name>
    <message>
        <location filename="../src/app/zonemap.cpp" line="103"/>
        <source>Load a game&apos;s pedgrp.dat to see its zones.</source>
        <translation>Загрузите pedgrp.dat игры, чтобы увидеть её зоны.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="108"/>
        <source>Varnel reads the zones from data/gta3.zon and data/main.scm in the game folder; they were not found there.</source>
        <translation>Varnel читает зоны из data/gta3.zon и data/main.scm в папке игры; там они не найдены.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="231"/>
        <source>set while the game runs</source>
        <translation>задаётся во время игры</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="233"/>
        <source>group %1, %2</source>
        <translation>группа %1, %2</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="234"/>
        <source>group %1, which this file does not give</source>
        <translation>группа %1, которой нет в этом файле</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="239"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="240"/>
        <source>By day: %1</source>
        <translation>Днём: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="241"/>
        <source>By night: %1</source>
        <translation>Ночью: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by day</source>
        <translation>днём</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by night</source>
        <translation>ночью</translation>
    </message>
</context>
<context>
    <name>ZoneMapWindow</name>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="22"/>
        <source>Zone Map - Varnel</source>
        <translation>Карта зон - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="26"/>
        <source>Zone Map</source>
        <translation>Карта зон</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="84"/>
        <source>%1: the game makes no group of this line</source>
        <translation>%1: игра не делает из этой строки группу</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="85"/>
        <source>%1, group %2: %3</source>
        <translation>%1, группа %2: %3</translation>
    </message>
</context>
</TS>
