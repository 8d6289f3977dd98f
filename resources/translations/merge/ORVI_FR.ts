<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Fusionner avec les modifications de l’imprimante</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Le répertoire fax de l’imprimante a été modifié depuis que vous l’avez lu. La fusion conserve les modifications faites sur l’imprimante et celles faites ici. Lorsqu’un emplacement a été modifié différemment des deux côtés, choisissez la version que la fusion conserve.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Emplacements modifiés :</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Version de l’&amp;imprimante</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Version de cette &amp;fenêtre</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Membres de &amp;groupe retirés car la fusion vide leurs emplacements :</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Fusionner et écrire</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Fusionner...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Sur l’imprimante</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Dans cette fenêtre</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Modification</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Version retenue</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Sur l’imprimante</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Dans cette fenêtre</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Des deux côtés à l’identique</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflit</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>De l’imprimante</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>De cette fenêtre</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (groupe de %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Expéditeur</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Numéro rejeté %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Le groupe %1 perd le membre %2</translation>
    </message>
</context>
</TS>
