<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Verifica...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Le modifiche apportate introducono i seguenti problemi nella rubrica fax della stampante. Scrivere comunque?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>La rubrica fax visualizzata presenta i seguenti problemi:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>La rubrica fax visualizzata non presenta problemi.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Posizione</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Mittente</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Numero rifiutato %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Il membro %1 è una posizione vuota.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Il numero %1 è nelle posizioni %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Il gruppo non ha membri.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>La stampante non accetta il nome “%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>La stampante non accetta il numero “%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Il numero %1 è tra i numeri rifiutati %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Mostra solo le voci il cui nome o numero contiene questo testo</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nome o numero</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>T&amp;rova:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Scrivi comunque</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
