<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Introduzca el número de fax que se marcará para esta entrada.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Introduzca el nombre de esta entrada.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Introduzca el nombre del grupo.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Entradas que se pueden añadir al grupo.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Añadir las entradas seleccionadas al grupo.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Quitar del grupo los miembros seleccionados.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Entradas que pertenecen al grupo.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Agenda de fax</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Ca&amp;rgar...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Mensajes</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Elija una impresora y pulse Leer para ver su agenda de fax.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Error de comunicación con la impresora. Compruebe que la impresora esté encendida y conectada, y vuelva a intentarlo.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>La impresora está ocupada con otro trabajo. Espere a que termine y vuelva a intentarlo.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Otro usuario está utilizando el puerto de la impresora. Vuelva a intentarlo cuando ese usuario haya terminado.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>No hay memoria suficiente para completar esta operación. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>No se ha podido guardar el archivo de agenda. Compruebe que tiene permiso de escritura en la carpeta y que el disco no está lleno.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>No se ha podido leer la lista de modelos de impresora compatibles (orvkit.dat). Vuelva a instalar el programa.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>No se ha podido leer el archivo o no es un archivo de agenda de fax.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Introduzca un número de fax. Una entrada con nombre necesita un número de fax.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Añada al menos un miembro. Un grupo con nombre necesita miembros.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Este archivo de agenda se guardó para otro modelo de impresora. ¿Desea cargarlo de todos modos?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Ha elegido otra impresora, pero la agenda mostrada tiene cambios que no se han escrito en la impresora. ¿Desea descartarlos?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>La agenda de fax de la impresora se ha modificado después de que usted la leyera. ¿Desea sobrescribirla con la agenda que se muestra aquí?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Este es un ejemplo de mensaje de error.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Ha elegido otra impresora. ¿Desea cerrar la agenda mostrada?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>La agenda tiene cambios que no se han escrito en la impresora. ¿Desea descartarlos?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>El programa ya se está ejecutando en la sesión de otro usuario. Solo un usuario puede utilizarlo a la vez.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Este es un ejemplo de mensaje informativo.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>No se ha podido completar la operación. Compruebe que la impresora sea un modelo compatible y que esté encendida y conectada, y vuelva a intentarlo.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>No se puede cerrar la sesión mientras el programa está ocupado. Espere a que termine y vuelva a intentarlo.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>El ordenador no puede pasar al modo de espera mientras el programa se comunica con la impresora. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>La agenda de fax se ha escrito en la impresora.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>es</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Leer la agenda de fax de la impresora seleccionada.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Elija qué parte de la agenda desea ver.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Guardar la agenda en un archivo de este ordenador.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Cargar una agenda desde un archivo de este ordenador.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Escribir en la impresora la agenda mostrada.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Las entradas de marcación rápida de la impresora.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>La información del remitente que se imprime en los faxes que envía.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Números de fax cuyos faxes rechaza la impresora.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Introduzca su nombre tal como debe aparecer en los faxes que envía.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Introduzca su número de fax tal como debe aparecer en los faxes que envía.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Aceptar la información del remitente.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Editar la entrada seleccionada.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Seleccionar todas las entradas.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Borrar las entradas seleccionadas.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Crear una entrada con un solo número de fax.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Crear un grupo de varias entradas.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Elija la impresora con la que desea trabajar.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Introduzca el número de fax que desea rechazar.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Aceptar este grupo.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Continuar con el tipo elegido.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Aceptar esta entrada.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Aceptar este número.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grupo]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Marcación rápida</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Información del remitente</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Números rechazados</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Agenda de fax Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Marcación rápida: entradas de una pulsación y de marcación codificada</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Marcación rápida: entradas de marcación codificada</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Las entradas de una pulsación se numeran 01, 02, etc.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Las entradas de marcación codificada se numeran *00, *01, etc.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Información del remitente: nombre y número de fax que se imprimen en los faxes que envía</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Números rechazados: no se reciben los faxes de estos números</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
</context>
</TS>
