<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Más comandos para la agenda mostrada: importar una libreta de direcciones, exportar la agenda</translation>
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
        <translation>Libretas de direcciones y agendas</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Libreta de direcciones vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabla CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Agenda JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>No se ha podido leer el archivo %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>No se puede importar el archivo %1: no es una libreta de direcciones ni una agenda que este programa pueda leer.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>No se ha podido guardar el archivo %1. Compruebe que tiene permiso de escritura en la carpeta y que el disco no está lleno.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 asignadas, %3 modificadas, %4 recortadas, %5 sin asignar.
Aceptar las incorpora a la agenda mostrada; no se envía nada a la impresora hasta que pulse Escribir.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Entradas del archivo:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Posición</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>Detalles</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Remitente</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Número rechazado %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Asignada</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Modificada</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Recortada</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Sin asignar</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nombre «%1» cambiado a «%2»</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nombre «%1» recortado a %2 caracteres</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>número «%1» cambiado a «%2»</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>número «%1» recortado a %2 caracteres</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>la impresora no tiene la posición %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>la posición aparece dos veces</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>ningún número que acepte la impresora</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>no queda ninguna posición libre</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>ningún número que acepte la impresora; la posición queda vacía</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>miembro %1 omitido: la impresora no tiene esa posición</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>el miembro %1 aparece dos veces</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Elegir columnas</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>No se reconocen las columnas de %1. Elija la columna que contiene el nombre de cada contacto y la que contiene el número de fax.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Número de &amp;fax:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
