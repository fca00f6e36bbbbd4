<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AllAreasWindow</name>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="140"/>
        <source>All Areas - Varnel</source>
        <translation>Todas as áreas - Varnel</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="149"/>
        <location filename="../src/app/allareaswindow.cpp" line="150"/>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="158"/>
        <source>&amp;Only Problems</source>
        <translation>&amp;Somente problemas</translation>
    </message>
    <message>
        <location filename="../src/app/allareaswindow.cpp" line="164"/>
        <source>All Areas</source>
        <translation>Todas as áreas</translation>
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
            <numerusform>%n grupo lido pelo jogo</numerusform>
            <numerusform>%n grupos lidos pelo jogo</numerusform>
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
        <translation>Estouro: a linha de área %1 tem um TAB além do caractere %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="109"/>
        <source>Overflow: area line %1 has its name beyond character %2</source>
        <translation>Estouro: a linha de área %1 tem o nome além do caractere %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="110"/>
        <source>Overflow: area line %1 has no &apos;#&apos; and runs beyond character %2</source>
        <translation>Estouro: a linha de área %1 não tem &apos;#&apos; e passa do caractere %2</translation>
    </message>
    <message>
        <location filename="../src/format/areareader.cpp" line="115"/>
        <source>Index out of range: the file holds more than %1 area lines</source>
        <translation>Índice fora do intervalo: o arquivo contém mais de %1 linhas de área</translation>
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
        <translation>Local</translation>
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
            <numerusform>O jogo lê %n nome aqui, então esta linha não forma um grupo.</numerusform>
            <numerusform>O jogo lê %n nomes aqui, então esta linha não forma um grupo.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="104"/>
        <source>The game holds %1 groups; this one is written past its table.</source>
        <translation>O jogo comporta %1 grupos; este fica além do fim da tabela do jogo.</translation>
    </message>
    <message>
        <location filename="../src/app/areatablemodel.cpp" line="122"/>
        <source>This list cannot be split into eight names.</source>
        <translation>Esta lista não pode ser dividida em oito nomes.</translation>
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
        <translation>A área &apos;%1&apos; contém uma quebra de linha (U+%2), que dividiria a linha da área no arquivo</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="51"/>
        <source>Area &apos;%1&apos; holds the character &apos;#&apos; (U+%2), which would start the area&apos;s name or a comment in the file</source>
        <translation>A área &apos;%1&apos; contém o caractere &apos;#&apos; (U+%2), que iniciaria o nome da área ou um comentário no arquivo</translation>
    </message>
    <message>
        <location filename="../src/format/areawriter.cpp" line="55"/>
        <source>Area &apos;%1&apos; holds the character &apos;%2&apos; (U+%3), which an 8-bit file cannot hold</source>
        <translation>A área &apos;%1&apos; contém o caractere &apos;%2&apos; (U+%3), que um arquivo 8-bit não comporta</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="19"/>
        <source>Usage: %1 [options] [path]</source>
        <translation>Uso: %1 [opções] [caminho]</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="36"/>
        <source>Uses this language for this run: %1.</source>
        <translation>Usa este idioma nesta execução: %1.</translation>
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
        <translation>: idioma desconhecido &apos;%1&apos;; informe um de %2.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="59"/>
        <source>: Give one game folder or file, not %1.

</source>
        <translation>: informe uma única pasta do jogo ou arquivo, não %1.

</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="76"/>
        <source>Edits the pedestrian groups of GTA3 (data/pedgrp.dat).</source>
        <translation>Edita os grupos de pedestres do GTA3 (data/pedgrp.dat).</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Displays help on commandline options.</source>
        <translation>Exibe a ajuda sobre as opções de linha de comando.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="81"/>
        <source>path</source>
        <translation>caminho</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>A game folder, whose data/pedgrp.dat is loaded, or a file to load directly.</source>
        <translation>Uma pasta do jogo, cujo data/pedgrp.dat é carregado, ou um arquivo a carregar diretamente.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="84"/>
        <source>[path]</source>
        <translation>[caminho]</translation>
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
        <translation>Substituída por Salvar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="94"/>
        <source>Replaced by Save As</source>
        <translation>Substituída por Salvar como</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="96"/>
        <source>Replaced by Restore BackUp</source>
        <translation>Substituída por Restaurar backup</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="98"/>
        <source>Replaced by the .bak copy</source>
        <translation>Substituída pela cópia .bak</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="100"/>
        <source>Unsaved, let go by Exit</source>
        <translation>Não salva, descartada por Sair</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="102"/>
        <source>Unsaved, let go by Load</source>
        <translation>Não salva, descartada por Carregar</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="104"/>
        <source>Unsaved, kept while editing</source>
        <translation>Não salva, guardada durante a edição</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="114"/>
        <location filename="../src/app/earlierversions.cpp" line="117"/>
        <source>Earlier Versions</source>
        <translation>Versões anteriores</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="126"/>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>This Version</source>
        <translation>Esta versão</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="128"/>
        <source>Open Document</source>
        <translation>Documento aberto</translation>
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
        <translation>Quando</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>What</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="162"/>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="193"/>
        <source>No open document of this file to compare with.</source>
        <translation>Não há documento aberto deste arquivo para comparar.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="202"/>
        <source>This version cannot be read: %1.</source>
        <translation>Não é possível ler esta versão: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="209"/>
        <source>Same as the open document.</source>
        <translation>Igual ao documento aberto.</translation>
    </message>
    <message>
        <location filename="../src/app/earlierversions.cpp" line="246"/>
        <source>Varnel ended with unsaved changes to &apos;%1&apos;. They are kept in File &gt; Earlier Versions.</source>
        <translation>O Varnel foi encerrado com alterações não salvas em &apos;%1&apos;. Elas estão guardadas em Arquivo &gt; Versões anteriores.</translation>
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
        <translation>As alterações não salvas não estão sendo guardadas: %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/file/filecommands.cpp" line="152"/>
        <source>Unsaved changes have been made. Really Load?</source>
        <translation>Há alterações não salvas. Deseja realmente carregar?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="153"/>
        <source>Really Load?</source>
        <translation>Deseja realmente carregar?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="193"/>
        <source>An error occured, the error was: %1.</source>
        <translation>Ocorreu um erro: %1.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="229"/>
        <source>Enter the location of your GTA 3 Directory:</source>
        <translation>Informe o local da sua pasta do GTA 3:</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="230"/>
        <source>Enter Directory</source>
        <translation>Informar pasta</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Enter file name to save as.</source>
        <translation>Informe o nome com que o arquivo será salvo.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="113"/>
        <location filename="../src/file/filecommands.cpp" line="272"/>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="49"/>
        <source>An error occured while saving &apos;%1&apos;, the error was: %2.</source>
        <translation>Ocorreu um erro ao salvar &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="51"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="62"/>
        <source>File save complete for &apos;%1&apos;.</source>
        <translation>O arquivo &apos;%1&apos; foi salvo.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="63"/>
        <source>Saved</source>
        <translation>Salvo</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="96"/>
        <source>&apos;%1&apos; has been changed by another program since Varnel read it. Overwrite it?</source>
        <translation>&apos;%1&apos; foi alterado por outro programa depois que o Varnel o leu. Deseja sobrescrevê-lo?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="99"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="110"/>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="278"/>
        <source>The name ends in a folder separator, so it names a folder, not a file</source>
        <translation>O nome termina com um separador de pastas, então indica uma pasta, e não um arquivo</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="314"/>
        <source>Enter your GTA3 directory or press cancel.</source>
        <translation>Informe a sua pasta do GTA3 ou clique em Cancelar.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="315"/>
        <source>Restore BackUp</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="324"/>
        <source>An error occured during the backup process, the error was &apos;%1.&apos;</source>
        <translation>Ocorreu um erro durante a restauração do backup: &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="329"/>
        <source>Backup file &apos;pedgrp.dat&apos; restored.</source>
        <translation>O arquivo de backup &apos;pedgrp.dat&apos; foi restaurado.</translation>
    </message>
    <message>
        <location filename="../src/file/filecommands.cpp" line="330"/>
        <source>Completed.</source>
        <translation>Concluído.</translation>
    </message>
</context>
<context>
    <name>FileStamp</name>
    <message>
        <location filename="../src/storage/filestamp.cpp" line="67"/>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <location filename="../src/app/frmmain.cpp" line="46"/>
        <source>An error occured during processing of this area.</source>
        <translation>Ocorreu um erro ao processar esta área.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="47"/>
        <source>The original &apos;pedgrps.dat&apos; is not written correctly, this is the most likely cause of this error.</source>
        <translation>O arquivo &apos;pedgrps.dat&apos; original não está escrito corretamente; esta é a causa mais provável deste erro.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="50"/>
        <source>You can either restore the working backup from the file menu or add the comma&apos;s manually yourself.</source>
        <translation>Você pode restaurar o backup funcional pelo menu Arquivo ou adicionar as vírgulas você mesmo.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="52"/>
        <source>Damaged Area: %1.</source>
        <translation>Área danificada: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="53"/>
        <source>Damaged Data: &apos;%1&apos;.</source>
        <translation>Dados danificados: &apos;%1&apos;.</translation>
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
        <translation>Peds na área:</translation>
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
        <translation>Carregar pedgrp.dat...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="201"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="202"/>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="203"/>
        <source>Restore BackUp</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="204"/>
        <source>Earlier Versions...</source>
        <translation>Versões anteriores...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="205"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="59"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="64"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="207"/>
        <source>All &amp;Areas</source>
        <translation>&amp;Todas as áreas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="208"/>
        <source>Zone &amp;Map</source>
        <translation>&amp;Mapa de zonas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="210"/>
        <source>Set All In Area...</source>
        <translation>Definir todos na área...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="212"/>
        <source>Set All In Liberty City...</source>
        <translation>Definir todos em Liberty City...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="214"/>
        <source>Randomize In Area</source>
        <translation>Aleatorizar na área</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="216"/>
        <source>Randomize In All Areas</source>
        <translation>Aleatorizar em todas as áreas</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="218"/>
        <source>Scan For Non-Existant Peds</source>
        <translation>Procurar peds inexistentes</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="219"/>
        <source>Readme File</source>
        <translation>Arquivo Leia-me</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="220"/>
        <source>Quick Info...</source>
        <translation>Informações rápidas...</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="221"/>
        <source>Author&apos;s Site</source>
        <translation>Site do autor</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="252"/>
        <source>Keep File Layout</source>
        <translation>Manter layout do arquivo</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="264"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="275"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="280"/>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="285"/>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="297"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="312"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="324"/>
        <source>System Language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="334"/>
        <source>Varnel will use the new language the next time it starts.</source>
        <translation>O Varnel usará o novo idioma na próxima vez que for iniciado.</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="460"/>
        <source>Unsaved changes have been made. Really Quit?</source>
        <translation>Há alterações não salvas. Deseja realmente sair?</translation>
    </message>
    <message>
        <location filename="../src/app/frmmain.cpp" line="461"/>
        <source>Really Quit?</source>
        <translation>Deseja realmente sair?</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="107"/>
        <source>the game sees %n name(s) (%1) and ignores those after the eighth.</source>
        <translation>
            <numerusform>o jogo vê %n nome (%1) e ignora os que vêm depois do oitavo.</numerusform>
            <numerusform>o jogo vê %n nomes (%1) e ignora os que vêm depois do oitavo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="110"/>
        <source>the game sees %n name(s) (%1), so no group; every later group moves up one.</source>
        <translation>
            <numerusform>o jogo vê %n nome (%1), então não há grupo; todos os grupos seguintes sobem uma posição.</numerusform>
            <numerusform>o jogo vê %n nomes (%1), então não há grupo; todos os grupos seguintes sobem uma posição.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="120"/>
        <source>the game sees no names, so no group; every later group moves up one.</source>
        <translation>o jogo não vê nenhum nome, então não há grupo; todos os grupos seguintes sobem uma posição.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="123"/>
        <source>a line break in its list makes the game see %n line(s).</source>
        <translation>
            <numerusform>uma quebra de linha na lista faz o jogo ver %n linha.</numerusform>
            <numerusform>uma quebra de linha na lista faz o jogo ver %n linhas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="154"/>
        <source>%n group(s), but the game holds %1: the groups from %2 (area %3) on write past its table.</source>
        <translation>
            <numerusform>%n grupo, mas o jogo comporta %1: a partir de %2 (área %3), os grupos são gravados além do fim da tabela do jogo.</numerusform>
            <numerusform>%n grupos, mas o jogo comporta %1: a partir de %2 (área %3), os grupos são gravados além do fim da tabela do jogo.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="186"/>
        <source>the game reads only the first 1,022 characters of this line; the rest becomes a line of its own.</source>
        <translation>o jogo lê apenas os primeiros 1.022 caracteres desta linha; o restante vira uma linha à parte.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="191"/>
        <source>the game will not find %1.</source>
        <translation>o jogo não encontrará %1.</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="201"/>
        <source>the game takes a lone CR for no line end, so it reads this line as part of line %1.</source>
        <translation>o jogo não considera um CR isolado como fim de linha, então lê esta linha como parte da linha %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="233"/>
        <source>%1 uses group %2 by day and night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 usa o grupo %2 de dia e de noite, mas o jogo lê apenas %n grupo deste arquivo.</numerusform>
            <numerusform>%1 usa o grupo %2 de dia e de noite, mas o jogo lê apenas %n grupos deste arquivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="241"/>
        <source>%1 uses group %2 by day, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 usa o grupo %2 de dia, mas o jogo lê apenas %n grupo deste arquivo.</numerusform>
            <numerusform>%1 usa o grupo %2 de dia, mas o jogo lê apenas %n grupos deste arquivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="247"/>
        <source>%1 uses group %2 by night, but the game reads only %n group(s) from this file.</source>
        <translation>
            <numerusform>%1 usa o grupo %2 de noite, mas o jogo lê apenas %n grupo deste arquivo.</numerusform>
            <numerusform>%1 usa o grupo %2 de noite, mas o jogo lê apenas %n grupos deste arquivo.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="290"/>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="311"/>
        <source>Problems the game will have with this file:</source>
        <translation>Problemas que o jogo terá com este arquivo:</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gamereading/gamecheck.cpp" line="315"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... e mais %n</numerusform>
            <numerusform>... e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="317"/>
        <source>Save anyway?</source>
        <translation>Salvar mesmo assim?</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamecheck.cpp" line="322"/>
        <source>Game Check</source>
        <translation>Verificação do jogo</translation>
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
        <translation>%1 (dia)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="108"/>
        <source>%1 (night)</source>
        <translation>%1 (noite)</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="115"/>
        <source>default zone</source>
        <translation>zona padrão</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="117"/>
        <source>navigation zone</source>
        <translation>zona de navegação</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="119"/>
        <source>information zone</source>
        <translation>zona de informação</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="127"/>
        <source>no island</source>
        <translation>sem ilha</translation>
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
        <translation>nível %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="159"/>
        <source>Set while the game runs: %1</source>
        <translation>Definidas durante o jogo: %1</translation>
    </message>
    <message>
        <location filename="../src/gamereading/gamezones.cpp" line="224"/>
        <source>no zone uses it</source>
        <translation>nenhuma zona o usa</translation>
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
        <translation>Não foi possível abrir o arquivo Leia-me:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="30"/>
        <source>Readme File</source>
        <translation>Arquivo Leia-me</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="35"/>
        <source>Varnel V1.0 By &apos;&apos;Oskin&apos;&apos;.</source>
        <translation>Varnel V1.0 por &apos;&apos;Oskin&apos;&apos;.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="36"/>
        <source>View the readme file for more information.</source>
        <translation>Consulte o arquivo Leia-me para mais informações.</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="37"/>
        <source>Quick Info</source>
        <translation>Informações rápidas</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="44"/>
        <source>The author&apos;s site could not be opened:</source>
        <translation>Não foi possível abrir o site do autor:</translation>
    </message>
    <message>
        <location filename="../src/help/helpcommands.cpp" line="45"/>
        <source>Author&apos;s Site</source>
        <translation>Site do autor</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="13"/>
        <source>the old file could not be kept as an earlier version (%1)</source>
        <translation>não foi possível guardar o arquivo antigo como versão anterior (%1)</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="18"/>
        <source>&apos;%1&apos; was larger than 16 MiB and was not kept</source>
        <translation>&apos;%1&apos; tinha mais de 16 MiB e não foi guardado</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="119"/>
        <source>No .bak copy was made: %1.</source>
        <translation>Nenhuma cópia .bak foi feita: %1.</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="159"/>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>&apos;%1&apos; não é um arquivo comum</translation>
    </message>
    <message>
        <location filename="../src/storage/keptcopies.cpp" line="138"/>
        <source>&apos;%1&apos; is read-only</source>
        <translation>&apos;%1&apos; é somente leitura</translation>
    </message>
</context>
<context>
    <name>PedgrpFile</name>
    <message>
        <location filename="../src/file/pedgrpfile.cpp" line="16"/>
        <source>File does not exist</source>
        <translation>O arquivo não existe</translation>
    </message>
</context>
<context>
    <name>ProblemListModel</name>
    <message>
        <location filename="../src/app/problemlist.cpp" line="73"/>
        <source>Line</source>
        <translation>Linha</translation>
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
        <translation>Grupos de pedestres (pedgrp.dat)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="124"/>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <location filename="../src/platform/dialogs.cpp" line="148"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
</context>
<context>
    <name>Randomize</name>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="51"/>
        <source>Randomize In Area</source>
        <translation>Aleatorizar na área</translation>
    </message>
    <message>
        <location filename="../src/bulk/randomize.cpp" line="60"/>
        <source>Randomize In All Areas</source>
        <translation>Aleatorizar em todas as áreas</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <location filename="../src/bulk/scan.cpp" line="19"/>
        <source>The pedestrian &apos;%1&apos; does not exist. This is ped number &apos;%2&apos; in &apos;%3&apos;.</source>
        <translation>O pedestre &apos;%1&apos; não existe. É o ped número &apos;%2&apos; em &apos;%3&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="25"/>
        <source>The area &apos;%1&apos; does not hold eight peds: &apos;%2&apos;.</source>
        <translation>A área &apos;%1&apos; não contém oito peds: &apos;%2&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="42"/>
        <source>All peds in all areas exist. No errors found.</source>
        <translation>Todos os peds de todas as áreas existem. Nenhum erro encontrado.</translation>
    </message>
    <message>
        <location filename="../src/bulk/scan.cpp" line="47"/>
        <source>Error Scan</source>
        <translation>Verificação de erros</translation>
    </message>
</context>
<context>
    <name>SetAll</name>
    <message>
        <location filename="../src/bulk/setall.cpp" line="25"/>
        <source>Error: Could not find the pedestrian &apos;%1&apos;.</source>
        <translation>Erro: não foi possível encontrar o pedestre &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="26"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="46"/>
        <source>Enter the name of the ped to use, it will be checked to make sure it exists.</source>
        <translation>Informe o nome do ped a usar; será verificado se ele existe.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="48"/>
        <location filename="../src/bulk/setall.cpp" line="52"/>
        <source>Set All In Area</source>
        <translation>Definir todos na área</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="58"/>
        <source>Enter the name of the ped to use in every area in every city, it will be checked to make sure it exists.</source>
        <translation>Informe o nome do ped a usar em todas as áreas de todas as cidades; será verificado se ele existe.</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="60"/>
        <source>Set All In LIberty</source>
        <translation>Definir todos em Liberty</translation>
    </message>
    <message>
        <location filename="../src/bulk/setall.cpp" line="66"/>
        <source>Set All In Liberty City</source>
        <translation>Definir todos em Liberty City</translation>
    </message>
</context>
<context>
    <name>SlotBox</name>
    <message>
        <location filename="../src/app/boxes.cpp" line="114"/>
        <source>Not a model the game knows: %1</source>
        <translation>Modelo desconhecido pelo jogo: %1</translation>
    </message>
</context>
<context>
    <name>SlotEditCommand</name>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="7"/>
        <source>Typing in Ped %1</source>
        <translation>Digitação no Ped %1</translation>
    </message>
    <message>
        <location filename="../src/editor/editcommands.cpp" line="8"/>
        <source>Choice in Ped %1</source>
        <translation>Escolha no Ped %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="205"/>
        <source>the folder &apos;%1&apos; could not be made</source>
        <translation>não foi possível criar a pasta &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/storage/versionhistory.cpp" line="211"/>
        <source>the lock &apos;%1&apos; could not be taken</source>
        <translation>não foi possível obter o bloqueio &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ZoneMap</name>
    <message>
        <location filename="../src/app/zonemap.cpp" line="103"/>
        <source>Load a game&apos;s pedgrp.dat to see its zones.</source>
        <translation>Carregue o pedgrp.dat de um jogo para ver as zonas dele.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="108"/>
        <source>Varnel reads the zones from data/gta3.zon and data/main.scm in the game folder; they were not found there.</source>
        <translation>O Varnel lê as zonas de data/gta3.zon e data/main.scm, na pasta do jogo; esses arquivos não foram encontrados lá.</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="231"/>
        <source>set while the game runs</source>
        <translation>definido durante o jogo</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="233"/>
        <source>group %1, %2</source>
        <translation>grupo %1, %2</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="234"/>
        <source>group %1, which this file does not give</source>
        <translation>grupo %1, que este arquivo não fornece</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="239"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="240"/>
        <source>By day: %1</source>
        <translation>De dia: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="241"/>
        <source>By night: %1</source>
        <translation>De noite: %1</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by day</source>
        <translation>de dia</translation>
    </message>
    <message>
        <location filename="../src/app/zonemap.cpp" line="350"/>
        <source>by night</source>
        <translation>de noite</translation>
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
        <translation>%1: o jogo não forma nenhum grupo com esta linha</translation>
    </message>
    <message>
        <location filename="../src/app/zonemapwindow.cpp" line="85"/>
        <source>%1, group %2: %3</source>
        <translation>%1, grupo %2: %3</translation>
    </message>
</context>
</TS>
