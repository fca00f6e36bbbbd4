<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AllAreasWindow</name>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="140"/>
        <source>All Areas - Varnel</source>
        <translation>Todas las áreas - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="149"/>
        <location filename="../src/app/allareaswindow.cpp" line="150"/>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="158"/>
        <source>&amp;Only Problems</source>
        <translation>&amp;Solo problemas</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="164"/>
        <source>All Areas</source>
        <translation>Todas las áreas</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="207"/>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="219"/>
        <source>&amp;Problems</source>
        <translation>&amp;Problemas</translation>
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
            <numerusform>%n área</numerusform>
            <numerusform>%n áreas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="267"/>
        <source>%n group(s) the game reads</source>
        <translation>
            <numerusform>%n grupo que lee el juego</numerusform>
            <numerusform>%n grupos que lee el juego</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/allareaswindow.cpp" line="268"/>
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problema</numerusform>
            <numerusform>%n problemas</numerusform>
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
        <translation>Desbordamiento: la línea del área %1 tiene un TAB más allá del carácter %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="109"/>
        <source>Overflow: area line %1 has its name beyond character %2</source>
        <translation>Desbordamiento: la línea del área %1 tiene su nombre más allá del carácter %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="110"/>
        <source>Overflow: area line %1 has no &apos;#&apos; and runs beyond character %2</source>
        <translation>Desbordamiento: la línea del área %1 no tiene &apos;#&apos; y se extiende más allá del carácter %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="115"/>
        <source>Index out of range: the file holds more than %1 area lines</source>
        <translation>Índice fuera de rango: el archivo tiene más de %1 líneas de área</translation>
    </message>
</context>
<context>
    <name>AreaTableModel</name>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="23"/>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="25"/>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="27"/>
        <source>Where</source>
        <translation>Ubicación</translation>
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
            <numerusform>El juego lee %n nombre aquí, así que esta línea no es un grupo.</numerusform>
            <numerusform>El juego lee %n nombres aquí, así que esta línea no es un grupo.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="104"/>
        <source>The game holds %1 groups; this one is written past its table.</source>
        <translation>El juego admite %1 grupos; este queda escrito más allá del final de su tabla.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="122"/>
        <source>This list cannot be split into eight names.</source>
        <translation>Esta lista no se puede dividir en ocho nombres.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="160"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>AreaWriter</name>
    <message>
        <location filename="../src/format/areawriter.cpp" line="46"/>
        <source>Area &apos;%1&apos; holds a line break (U+%2), which would split the area&apos;s line in the file</source>
        <translation>El área &apos;%1&apos; contiene un salto de línea (U+%2), que partiría en dos la línea del área en el archivo</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="51"/>
        <source>Area &apos;%1&apos; holds the character &apos;#&apos; (U+%2), which would start the area&apos;s name or a comment in the file</source>
        <translation>El área &apos;%1&apos; contiene el carácter &apos;#&apos; (U+%2), que iniciaría el nombre del área o un comentario en el archivo</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="55"/>
        <source>Area &apos;%1&apos; holds the character &apos;%2&apos; (U+%3), which an 8-bit file cannot hold</source>
        <translation>El área &apos;%1&apos; contiene el carácter &apos;%2&apos; (U+%3), que no cabe en un archivo de 8-bit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="19"/>
        <source>Usage: %1 [options] [path]</source>
        <translation>Uso: %1 [opciones] [ruta]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="36"/>
        <source>Uses this language for this run: %1.</source>
        <translation>Usa este idioma en esta ejecución: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="37"/>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="48"/>
        <source>: Unknown language &apos;%1&apos;; give one of %2.

</source>
        <translation>: idioma desconocido &apos;%1&apos;; indique uno de %2.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="59"/>
        <source>: Give one game folder or file, not %1.

</source>
        <translation>: indique una sola carpeta de juego o archivo, no %1.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="76"/>
        <source>Edits the pedestrian groups of GTA3 (data/pedgrp.dat).</source>
        <translation>Edita los grupos de peatones de GTA3 (data/pedgrp.dat).</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="81"/>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>A game folder, whose data/pedgrp.dat is loaded, or a file to load directly.</source>
        <translation>Una carpeta de juego, cuyo data/pedgrp.dat se carga, o un archivo para cargar directamente.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="84"/>
        <source>[path]</source>
        <translation>[ruta]</translation>
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
        <translation>Reemplazado por Guardar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="94"/>
        <source>Replaced by Save As</source>
        <translation>Reemplazado por Guardar como</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="96"/>
        <source>Replaced by Restore BackUp</source>
        <translation>Reemplazado por Restaurar copia de seguridad</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="98"/>
        <source>Replaced by the .bak copy</source>
        <translation>Reemplazado por la copia .bak</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="100"/>
        <source>Unsaved, let go by Exit</source>
        <translation>Sin guardar, descartado al salir</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="102"/>
        <source>Unsaved, let go by Load</source>
        <translation>Sin guardar, descartado al cargar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="104"/>
        <source>Unsaved, kept while editing</source>
        <translation>Sin guardar, conservado durante la edición</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="114"/>
        <location filename="../src/app/earlierversions.cpp" line="117"/>
        <source>Earlier Versions</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="126"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>This Version</source>
        <translation>Esta versión</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Open Document</source>
        <translation>Documento abierto</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="136"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="139"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>When</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>What</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="193"/>
        <source>No open document of this file to compare with.</source>
        <translation>No hay ningún documento abierto de este archivo con el que comparar.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="202"/>
        <source>This version cannot be read: %1.</source>
        <translation>No se puede leer esta versión: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="209"/>
        <source>Same as the open document.</source>
        <translation>Igual que el documento abierto.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="246"/>
        <source>Varnel ended with unsaved changes to &apos;%1&apos;. They are kept in File &gt; Earlier Versions.</source>
        <translation>Varnel se cerró con cambios sin guardar en &apos;%1&apos;. Se conservan en Archivo &gt; Versiones anteriores.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="250"/>
        <source>&amp;Open It</source>
        <translation>&amp;Abrir</translation>
    </message>
</context>
<context>
    <name>EditingKeeper</name>
    <message>
        <location filename="../src/file/editingkeeper.cpp" line="56"/>
        <source>Unsaved changes are not being kept: %1.</source>
        <translation>No se están conservando los cambios sin guardar: %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/file/filecommands.cpp" line="152"/>
        <source>Unsaved changes have been made. Really Load?</source>
        <translation>Hay cambios sin guardar. ¿Seguro que desea cargar?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="153"/>
        <source>Really Load?</source>
        <translation>¿Seguro que desea cargar?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="193"/>
        <source>An error occured, the error was: %1.</source>
        <translation>Se produjo un error: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="229"/>
        <source>Enter the location of your GTA 3 Directory:</source>
        <translation>Indique la ubicación de su carpeta de GTA 3:</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="230"/>
        <source>Enter Directory</source>
        <translation>Indicar carpeta</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Enter file name to save as.</source>
        <translation>Indique el nombre con el que guardar el archivo.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="113"/>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="49"/>
        <source>An error occured while saving &apos;%1&apos;, the error was: %2.</source>
        <translation>Se produjo un error al guardar &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="51"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="62"/>
        <source>File save complete for &apos;%1&apos;.</source>
        <translation>Se ha guardado el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="63"/>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="96"/>
        <source>&apos;%1&apos; has been changed by another program since Varnel read it. Overwrite it?</source>
        <translation>Otro programa ha modificado &apos;%1&apos; desde que Varnel lo leyó. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="99"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="110"/>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="278"/>
        <source>The name ends in a folder separator, so it names a folder, not a file</source>
        <translation>El nombre termina en un separador de carpetas, así que designa una carpeta, no un archivo</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="314"/>
        <source>Enter your GTA3 directory or press cancel.</source>
        <translation>Indique su carpeta de GTA3 o pulse Cancelar.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="315"/>
        <source>Restore BackUp</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="324"/>
        <source>An error occured during the backup process, the error was &apos;%1.&apos;</source>
        <translation>Se produjo un error al restaurar la copia de seguridad: &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="329"/>
        <source>Backup file &apos;pedgrp.dat&apos; restored.</source>
        <translation>Se ha restaurado la copia de seguridad de &apos;pedgrp.dat&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="330"/>
        <source>Completed.</source>
        <translation>Completado.</translation>
    </message>
</context>
<context>
    <name>FileStamp</name>
    <message>
        <location filename="../src/storage/filestamp.cpp" line="67"/>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/app/frmmain.cpp" line="46"/>
        <source>An error occured during processing of this area.</source>
        <translation>Se produjo un error al procesar esta área.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="47"/>
        <source>The original &apos;pedgrps.dat&apos; is not written correctly, this is the most likely cause of this error.</source>
        <translation>El archivo &apos;pedgrp.dat&apos; original no está escrito correctamente; es la causa más probable de este error.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="50"/>
        <source>You can either restore the working backup from the file menu or add the comma&apos;s manually yourself.</source>
        <translation>Puede restaurar la copia de seguridad funcional desde el menú Archivo o añadir usted mismo las comas.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="52"/>
        <source>Damaged Area: %1.</source>
        <translation>Área dañada: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="53"/>
        <source>Damaged Data: &apos;%1&apos;.</source>
        <translation>Datos dañados: &apos;%1&apos;.</translation>
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
        <translation>Áreas:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="116"/>
        <source>Peds In Area:</source>
        <translation>Peds del área:</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="124"/>
        <source>Area List</source>
        <translation>Lista de áreas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="158"/>
        <source>Ped %1</source>
        <translation>Ped %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="200"/>
        <source>Load pedgrp.dat...</source>
        <translation>Cargar pedgrp.dat...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="201"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="202"/>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="203"/>
        <source>Restore BackUp</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="204"/>
        <source>Earlier Versions...</source>
        <translation>Versiones anteriores...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="205"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="207"/>
        <source>All &amp;Areas</source>
        <translation>&amp;Todas las áreas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="208"/>
        <source>Zone &amp;Map</source>
        <translation>&amp;Mapa de zonas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="210"/>
        <source>Set All In Area...</source>
        <translation>Cambiar todos en el área...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="212"/>
        <source>Set All In Liberty City...</source>
        <translation>Cambiar todos en Liberty City...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="214"/>
        <source>Randomize In Area</source>
        <translation>Peds al azar en el área</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="216"/>
        <source>Randomize In All Areas</source>
        <translation>Peds al azar en todas las áreas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="218"/>
        <source>Scan For Non-Existant Peds</source>
        <translation>Buscar peds inexistentes</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="219"/>
        <source>Readme File</source>
        <translation>Archivo Léame</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="220"/>
        <source>Quick Info...</source>
        <translation>Información rápida...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="221"/>
        <source>Author&apos;s Site</source>
        <translation>Sitio del autor</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="252"/>
        <source>Keep File Layout</source>
        <translation>Conservar formato del archivo</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="264"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="275"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="280"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="285"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="297"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="312"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="324"/>
        <source>System Language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="334"/>
        <source>Varnel will use the new language the next time it starts.</source>
        <translation>Varnel usará el nuevo idioma la próxima vez que se inicie.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="335"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="371"/>
        <source>Editor: [%1]</source>
        <translation>Editor: [%1]</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="376"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="460"/>
        <source>Unsaved changes have been made. Really Quit?</source>
        <translation>Hay cambios sin guardar. ¿Seguro que desea salir?</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="461"/>
        <source>Really Quit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="107"/>
        <source>the game sees %n name(s) (%1) and ignores those after the eighth.</source>
        <translation>
            <numerusform>el juego ve %n nombre (%1) e ignora los que siguen al octavo.</numerusform>
            <numerusform>el juego ve %n nombres (%1) e ignora los que siguen al octavo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="110"/>
        <source>the game sees %n name(s) (%1), so no group; every later group moves up one.</source>
        <translation>
            <numerusform>el juego ve %n nombre (%1), así que no hay grupo; todos los grupos siguientes se adelantan un puesto.</numerusform>
            <numerusform>el juego ve %n nombres (%1), así que no hay grupo; todos los grupos siguientes se adelantan un puesto.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="120"/>
        <source>the game sees no names, so no group; every later group moves up one.</source>
        <translation>el juego no ve ningún nombre, así que no hay grupo; todos los grupos siguientes se adelantan un puesto.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="123"/>
        <source>a line break in its list makes the game see %n line(s).</source>
        <translation>
            <numerusform>un salto de línea en su lista hace que el juego vea %n línea.</numerusform>
            <numerusform>un salto de línea en su lista hace que el juego vea %n líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="154"/>
        <source>%n group(s), but the game holds %1: the groups from %2 (area %3) on write past its table.</source>
        <translation>
            <numerusform>%n grupo, pero el juego admite %1: los grupos desde %2 (área %3) en adelante se escriben más allá del final de su tabla.</numerusform>
            <numerusform>%n grupos, pero el juego admite %1: los grupos desde %2 (área %3) en adelante se escriben más allá del final de su tabla.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="186"/>
        <source>the game reads only the first 1,022 characters of this line; the rest becomes a line of its own.</source>
        <translation>el juego solo lee los primeros 1022 caracteres de esta línea; el resto pasa a ser una línea aparte.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="191"/>
        <source>the game will not find %1.</source>
        <translation>el juego no encontrará %1.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="201"/>
        <source>the game takes a lone CR for no line end, so it reads this line as part of line %1.</source>
        <translation>el juego no toma un CR (retorno de carro) suelto como fin de línea, así que lee esta línea como parte de la línea %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="233"/>
        <source>%1 uses group %2 by day and night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 usa el grupo %2 de día y de noche, pero el juego solo lee %n grupo de este archivo.</numerusform>
            <numerusform>%1 usa el grupo %2 de día y de noche, pero el juego solo lee %n grupos de este archivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="241"/>
        <source>%1 uses group %2 by day, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 usa el grupo %2 de día, pero el juego solo lee %n grupo de este archivo.</numerusform>
            <numerusform>%1 usa el grupo %2 de día, pero el juego solo lee %n grupos de este archivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="247"/>
        <source>%1 uses group %2 by night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 usa el grupo %2 de noche, pero el juego solo lee %n grupo de este archivo.</numerusform>
            <numerusform>%1 usa el grupo %2 de noche, pero el juego solo lee %n grupos de este archivo.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="290"/>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="311"/>
        <source>Problems the game will have with this file:</source>
        <translation>Problemas que tendrá el juego con este archivo:</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="315"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="317"/>
        <source>Save anyway?</source>
        <translation>¿Guardar de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="322"/>
        <source>Game Check</source>
        <translation>Comprobación del juego</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="329"/>
        <source>%1 (area %2): %3</source>
        <translation>%1 (área %2): %3</translation>
    </message>
</context>
<context>
    <name>GameZones</name>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (day)</source>
        <translation>%1 (día)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (night)</source>
        <translation>%1 (noche)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="115"/>
        <source>default zone</source>
        <translation>zona predeterminada</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="117"/>
        <source>navigation zone</source>
        <translation>zona de navegación</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="119"/>
        <source>information zone</source>
        <translation>zona de información</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="127"/>
        <source>no island</source>
        <translation>sin isla</translation>
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
        <translation>nivel %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="159"/>
        <source>Set while the game runs: %1</source>
        <translation>Se define durante la partida: %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="224"/>
        <source>no zone uses it</source>
        <translation>ninguna zona lo usa</translation>
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
        <translation>No se pudo abrir el archivo Léame:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="30"/>
        <source>Readme File</source>
        <translation>Archivo Léame</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="35"/>
        <source>Varnel V1.0 By &apos;&apos;Oskin&apos;&apos;.</source>
        <translation>Varnel V1.0 por &apos;&apos;Oskin&apos;&apos;.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="36"/>
        <source>View the readme file for more information.</source>
        <translation>Consulte el archivo Léame para obtener más información.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="37"/>
        <source>Quick Info</source>
        <translation>Información rápida</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="44"/>
        <source>The author&apos;s site could not be opened:</source>
        <translation>No se pudo abrir el sitio del autor:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="45"/>
        <source>Author&apos;s Site</source>
        <translation>Sitio del autor</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="13"/>
        <source>the old file could not be kept as an earlier version (%1)</source>
        <translation>no se pudo conservar el archivo antiguo como versión anterior (%1)</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="18"/>
        <source>&apos;%1&apos; was larger than 16 MiB and was not kept</source>
        <translation>&apos;%1&apos; superaba los 16 MiB y no se conservó</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="119"/>
        <source>No .bak copy was made: %1.</source>
        <translation>No se hizo ninguna copia .bak: %1.</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="159"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>&apos;%1&apos; no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="138"/>
        <source>&apos;%1&apos; is read-only</source>
        <translation>&apos;%1&apos; es de solo lectura</translation>
    </message>
</context>
<context>
    <name>PedgrpFile</name>
    <message>
        <location filename="../src/file/pedgrpfile.cpp" line="16"/>
        <source>File does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
</context>
<context>
    <name>ProblemListModel</name>
    <message>
        <location filename="../src/app/problemlist.cpp" line="73"/>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="75"/>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <location filename="../src/app/problemlist.cpp" line="77"/>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="123"/>
        <source>Pedestrian groups (pedgrp.dat)</source>
        <translation>Grupos de peatones (pedgrp.dat)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="124"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="148"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
</context>
<context>
    <name>Randomize</name>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="51"/>
        <source>Randomize In Area</source>
        <translation>Peds al azar en el área</translation>
    </message>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="60"/>
        <source>Randomize In All Areas</source>
        <translation>Peds al azar en todas las áreas</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../src/bulk/scan.cpp" line="19"/>
        <source>The pedestrian &apos;%1&apos; does not exist. This is ped number &apos;%2&apos; in &apos;%3&apos;.</source>
        <translation>El peatón &apos;%1&apos; no existe. Es el ped número &apos;%2&apos; de &apos;%3&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="25"/>
        <source>The area &apos;%1&apos; does not hold eight peds: &apos;%2&apos;.</source>
        <translation>El área &apos;%1&apos; no contiene ocho peds: &apos;%2&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="42"/>
        <source>All peds in all areas exist. No errors found.</source>
        <translation>Todos los peds de todas las áreas existen. No se encontraron errores.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="47"/>
        <source>Error Scan</source>
        <translation>Búsqueda de errores</translation>
    </message>
</context>
<context>
    <name>SetAll</name>
    <message>
        <location filename="../src/bulk/setall.cpp" line="25"/>
        <source>Error: Could not find the pedestrian &apos;%1&apos;.</source>
        <translation>Error: no se encontró el peatón &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="26"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="46"/>
        <source>Enter the name of the ped to use, it will be checked to make sure it exists.</source>
        <translation>Indique el nombre del ped que desea usar; se comprobará que existe.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="48"/>
        <location filename="../src/bulk/setall.cpp" line="52"/>
        <source>Set All In Area</source>
        <translation>Cambiar todos en el área</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="58"/>
        <source>Enter the name of the ped to use in every area in every city, it will be checked to make sure it exists.</source>
        <translation>Indique el nombre del ped que desea usar en todas las áreas de todas las ciudades; se comprobará que existe.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="60"/>
        <source>Set All In LIberty</source>
        <translation>Cambiar todos en Liberty City</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="66"/>
        <source>Set All In Liberty City</source>
        <translation>Cambiar todos en Liberty City</translation>
    </message>
</context>
<context>
    <name>SlotBox</name>
    <message>
        <location filename="../src/app/boxes.cpp" line="114"/>
        <source>Not a model the game knows: %1</source>
        <translation>El juego no conoce este modelo: %1</translation>
    </message>
</context>
<context>
    <name>SlotEditCommand</name>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="7"/>
        <source>Typing in Ped %1</source>
        <translation>Escritura en Ped %1</translation>
    </message>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="8"/>
        <source>Choice in Ped %1</source>
        <translation>Elección en Ped %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="205"/>
        <source>the folder &apos;%1&apos; could not be made</source>
        <translation>no se pudo crear la carpeta &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="211"/>
        <source>the lock &apos;%1&apos; could not be taken</source>
        <translation>no se pudo obtener el bloqueo &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ZoneMap</name>
    <message>
        <location filename="../src/app/zonemap.cpp" line="103"/>
        <source>Load a game&apos;s pedgrp.dat to see its zones.</source>
        <translation>Cargue el pedgrp.dat de un juego para ver sus zonas.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="108"/>
        <source>Varnel reads the zones from data/gta3.zon and data/main.scm in the game folder; they were not found there.</source>
        <translation>Varnel lee las zonas de data/gta3.zon y data/main.scm en la carpeta del juego; no se encontraron allí.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="231"/>
        <source>set while the game runs</source>
        <translation>se define durante la partida</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="233"/>
        <source>group %1, %2</source>
        <translation>grupo %1, %2</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="234"/>
        <source>group %1, which this file does not give</source>
        <translation>grupo %1, que este archivo no define</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="239"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="240"/>
        <source>By day: %1</source>
        <translation>De día: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="241"/>
        <source>By night: %1</source>
        <translation>De noche: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by day</source>
        <translation>de día</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by night</source>
        <translation>de noche</translation>
    </message>
</context>
<context>
    <name>ZoneMapWindow</name>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="22"/>
        <source>Zone Map - Varnel</source>
        <translation>Mapa de zonas - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="26"/>
        <source>Zone Map</source>
        <translation>Mapa de zonas</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="84"/>
        <source>%1: the game makes no group of this line</source>
        <translation>%1: el juego no forma ningún grupo con esta línea</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="85"/>
        <source>%1, group %2: %3</source>
        <translation>%1, grupo %2: %3</translation>
    </message>
</context>
</TS>
