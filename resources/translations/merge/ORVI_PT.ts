<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Mesclar com as alterações da impressora</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>A agenda de fax da impressora foi alterada depois de ter sido lida. A mesclagem mantém as alterações feitas na impressora e as feitas aqui. Quando os dois lados alteraram uma posição de forma diferente, escolha qual versão a mesclagem mantém.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Posições alteradas:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Versão da &amp;impressora</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Versão desta &amp;janela</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Membros de &amp;grupo removidos porque a mesclagem esvazia suas posições:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Mesclar e gravar</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Mesclar...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Posição</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Na impressora</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Nesta janela</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Alteração</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Versão mantida</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Na impressora</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Nesta janela</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Nas duas igualmente</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflito</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Da impressora</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Desta janela</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(vazia)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grupo de %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Remetente</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Número rejeitado %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>O grupo %1 perde o membro %2</translation>
    </message>
</context>
</TS>
