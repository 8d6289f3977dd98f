<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Mais comandos para a agenda mostrada: importar um catálogo de endereços, exportar a agenda</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Catálogos de endereços e agendas</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Catálogo de endereços vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabela CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Agenda JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Não é possível importar o arquivo %1: ele não é um catálogo de endereços nem uma agenda que este programa consiga ler.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Não foi possível salvar o arquivo %1. Verifique se é possível escrever na pasta e se o disco não está cheio.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importação</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 inseridas, %3 alteradas, %4 truncadas, %5 não inseridas.
OK as incorpora à agenda mostrada; nada é enviado à impressora antes de você clicar em Gravar.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Entradas do arquivo:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Posição</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Remetente</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Número rejeitado %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Inserida</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Alterada</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Truncada</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Não inserida</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nome “%1” alterado para “%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nome “%1” truncado em %2 caracteres</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>número “%1” alterado para “%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>número “%1” truncado em %2 caracteres</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>a impressora não tem a posição %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>a posição aparece duas vezes</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>nenhum número aceito pela impressora</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>não resta nenhuma posição livre</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>nenhum número aceito pela impressora; a posição fica vazia</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>membro %1 omitido: a impressora não tem essa posição</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>o membro %1 aparece duas vezes</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Escolher colunas</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>As colunas de %1 não foram reconhecidas. Escolha a coluna que contém o nome de cada contato e a que contém o número de fax.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Número de &amp;fax:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
