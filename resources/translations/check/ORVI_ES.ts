<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Comprobar...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Sus cambios introducen estos problemas en la agenda de fax de la impresora. ¿Desea escribirla de todos modos?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>La agenda de fax mostrada tiene estos problemas:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>La agenda de fax mostrada no tiene ningún problema.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Posición</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Remitente</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Número rechazado %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>El miembro %1 es una posición vacía.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>El número %1 está en las posiciones %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>El grupo no tiene miembros.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>La impresora no acepta el nombre «%1».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>La impresora no acepta el número «%1».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>El número %1 está entre los números rechazados %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Muestra solo las entradas cuyo nombre o número contiene este texto</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nombre o número</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>B&amp;uscar:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Escribir igualmente</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
