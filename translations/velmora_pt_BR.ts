<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>A lista de pastas está sendo salva; tente novamente em instantes.</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>Não é possível ler o tamanho “%1”: use um número com k, M ou G, como em size:&gt;10M</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>Não é possível ler a data “%1”: use um ano, um mês ou um dia, como em modified:2019-07-14, ou today, yesterday, week ou month</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 não está mais na lista de pastas.</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>Estas pastas de %1 não podem ser usadas; elas permanecem no arquivo como estão:</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>Um caminho de pasta com quebra de linha não pode ser salvo.</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>Um caminho de pasta com um byte NUL não pode ser usado.</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>Um caminho de pasta tão longo não pode ser usado.</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>Uma tag com quebra de linha não pode ser salva.</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>Não é possível bloquear %1: outro programa está alterando a lista de pastas. Tente novamente em instantes; nada foi alterado.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Subpastas</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 ainda não existe: Enter ou OK a cria.</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>Digite o nome da nova pasta: Enter ou OK a cria.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir “%1”: %2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>o nome contém um byte NUL</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>nenhum programa está definido para abrir este tipo de arquivo</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Selecione uma pasta</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>Iniciando a cópia</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>Iniciando a movimentação</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>Nenhum arquivo para excluir</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Tem certeza de que deseja excluir os arquivos selecionados?</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>Iniciando a exclusão</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>Digite o novo nome do arquivo</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>Novo nome de arquivo</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>Iniciando a ação de desfazer</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>Estes arquivos permaneceram como estavam:</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>Um nome de arquivo não pode conter “/”: isso moveria o arquivo para outra pasta.</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>Um nome de arquivo não pode conter um caractere NUL.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>“%1” indica uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 mantido</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>Já existe um arquivo chamado %1. Substituí-lo?</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1. Excluí-lo permanentemente?</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>Localizar por nome</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>Todas as pastas juntas</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
As alterações de pastas não podem ser salvas enquanto ela não puder ser lida.</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>Digite uma tag personalizada</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>A pasta %1 da pesquisa “%2” não está mais na lista de pastas.</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - Todas as pastas</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — pesquisa %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
Alterações feitas em outro lugar são verificadas a cada %1 s</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>A pasta %1 não existe mais</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>Sobre o Velmora (leia-me)</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versão 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alguma</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Mover para</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copiar para</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>Tags automáticas</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>Adicionar tag própria</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> Clique em uma tag para adicioná-la ao filtro ou removê-la dele.</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>das tags a seguir.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Com</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Tags:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Pastas:</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>Filtro de tags</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>Tags próprias</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>Rolar as tags</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>Rolar as tags próprias</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Adicionar uma pasta</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>Remover uma pasta</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir pasta que contém</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar caminho</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>Mostrar a contagem na linha de status</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>Excluir “%1”</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>Ordem em que apareceram</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>De A a Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>Mais arquivos primeiro</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>Tags dos nomes de pastas</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>Manter dígitos nas tags</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>Manter o filtro após os comandos</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>Somente tags inteiras</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>Ordem de leitura</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Localizar…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>Salvar pesquisa</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
As pesquisas não podem ser guardadas enquanto ele não puder ser lido.</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>Pesquisas salvas</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gerenciar…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>Salvar pesquisa…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>Nome da pesquisa:</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>Já existe uma pesquisa chamada %1. Substituí-la?</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>Duas pesquisas não podem ter o mesmo nome %1; nada foi alterado.</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%L1 de %2</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
%1 da pasta, %L2 deles listados</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>Verificando %1 listados antes…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>Lendo tamanhos e datas…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>Não verificado: %1 listados conforme uma leitura anterior</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>Parado em %1</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>A atualização ao vivo está desativada para esta pasta</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 pasta não pôde ser lida</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>Todas as pastas: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>a origem e o destino são o mesmo arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>outro arquivo tomou o lugar dele nesse meio-tempo</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>%1 foi copiado, mas não pode ser removido</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>a pasta %1 dele não existe mais</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>a pasta dele não é mais a pasta de onde veio</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>ele foi alterado desde então</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>agora há um arquivo com esse nome lá</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>Não é possível copiar %1 para %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>Não é possível mover %1 para %2</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>Não é possível renomear %1 para %2</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Não é possível excluir %1</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>%1 não pode ser movido para a lixeira (%2)</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>Não é possível devolver %1 como %2</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>ele não existe mais</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>agora há outro arquivo no lugar dele</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>Não é possível restaurar %1 da lixeira</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>ele não está mais na lixeira</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>Não é possível bloquear %1: é um link simbólico, que não é seguido</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Não é possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>%1 não será usado: %2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>é um link ou um arquivo</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>outros podem gravar nela</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>Não registradas:</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>não %1</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>Cópia concluída</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>Nenhum arquivo para copiar</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>Cópia cancelada</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>Movimentação concluída</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>Nenhum arquivo para mover</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>Movimentação cancelada</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>Exclusão concluída</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>Exclusão cancelada</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Desfazer concluído</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>Desfazer cancelado</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>Não é possível copiar %1</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>Não é possível mover %1</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>Não é possível renomear %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln arquivo</numerusform>
            <numerusform>%Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln pasta não pôde ser lida</numerusform>
            <numerusform>%Ln pastas não puderam ser lidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>Cópia cancelada após %1 de %2</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>Copiados %1 de %2; %3 não copiados</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>Movimentação cancelada após %1 de %2</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>Movidos %1 de %2; %3 não movidos</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>Desfazer a movimentação de %1</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>Exclusão cancelada após %1 de %2</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>Excluídos %1 de %2; %3 não excluídos</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>Desfazer a exclusão de %1</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>Desfazer a renomeação de %1</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>Desfazer cancelado após %1 de %2</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>Desfeitos %1 de %2; %3 não desfeitos</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>A lista de pastas mudou desde que %1 foi removida: não se sabe mais onde ela estava, então ela não foi recolocada.</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 não tem mais a tag própria “%2”.</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>As tags próprias de %1 mudaram desde então, por isso ficaram como estão.</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>Desfazer a remoção da pasta</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>Desfazer a remoção da tag “%1”</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>Desfazer a renomeação da tag “%1”</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>Uma tag não pode conter vírgula: ela seria lida como duas tags.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>Não é possível abrir “%1”: não foi possível iniciar %2</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>Não é possível abrir %n arquivo: não foi possível iniciar %1</numerusform>
            <numerusform>Não é possível abrir %n arquivos: não foi possível iniciar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Abrir com</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>Escolha o programa para abrir os arquivos:</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>Adicionar tag aos nomes</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>Tag a escrever nos nomes dos arquivos selecionados:</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>Nova palavra para “%1” nos nomes dos arquivos listados:</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>Renomear tag nos nomes</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>Nenhum nome de arquivo muda</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>Renomear %n arquivo?</numerusform>
            <numerusform>Renomear %n arquivos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>Renomeação cancelada após %1 de %2</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renomeação concluída</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>Renomeados %1 de %2; %3 não renomeados</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>Nenhum arquivo para renomear</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>Renomeação cancelada</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>Renomeando %n arquivo</numerusform>
            <numerusform>Renomeando %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>Estes arquivos não foram renomeados:</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>Adicione uma pasta com +</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>Adicionar uma pasta à lista</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>Tirar a pasta selecionada da lista; seus arquivos ficam</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>Atribuir uma tag própria à pasta selecionada</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>Abrir os arquivos selecionados com seus programas (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>Copiar os arquivos selecionados para uma pasta à sua escolha</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>Mover os arquivos selecionados para uma pasta à sua escolha</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>Renomear os arquivos selecionados um a um (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>Mover os arquivos selecionados para a lixeira (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>Selecionar todos os arquivos listados, ou nenhum (%1 na lista)</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>Mostrar as tags tiradas dos nomes dos arquivos</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>Listar os arquivos cujos nomes contêm todas as tags do filtro</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>Listar os arquivos cujos nomes contêm alguma tag do filtro</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>Outro aplicativo…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>Adicionar tag aos nomes…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>Remover tag dos nomes…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>Renomear tag nos nomes…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>Renomear tag…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>Novo nome da tag “%1”:</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>Renomear tag</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Remover tag</translation>
    </message>
</context>
</TS>
