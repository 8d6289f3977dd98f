<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Check...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Your changes bring these problems into the printer's fax directory. Write anyway?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>The fax directory shown has these problems:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>The fax directory shown has no problems.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Sender</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Rejected %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Member %1 is an empty slot.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>The number %1 is in the slots %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>The group has no members.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>The printer does not accept the name "%1".</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>The printer does not accept the number "%1".</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>The number %1 is in the rejected numbers %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Shows only the entries whose name or number contains this text</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Name or number</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Write anyway</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
