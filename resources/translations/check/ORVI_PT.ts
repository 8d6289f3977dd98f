<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Verificar...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Suas alterações introduzem estes problemas na agenda de fax da impressora. Deseja gravá-la mesmo assim?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>A agenda de fax mostrada tem estes problemas:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>A agenda de fax mostrada não tem nenhum problema.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Posição</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Remetente</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Número rejeitado %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>O membro %1 é uma posição vazia.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>O número %1 está nas posições %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>O grupo não tem membros.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>A impressora não aceita o nome “%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>A impressora não aceita o número “%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>O número %1 está entre os números rejeitados %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Mostra apenas as entradas cujo nome ou número contém este texto</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nome ou número</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Verificação</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Gravar mesmo assim</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
