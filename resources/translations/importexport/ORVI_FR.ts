<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Autres commandes pour le répertoire affiché : importer un carnet d’adresses, exporter le répertoire</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Carnets d’adresses et répertoires</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Carnet d’adresses vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tableau CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Répertoire JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Le fichier %1 n’a pas pu être lu.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Le fichier %1 ne peut pas être importé : ce n’est ni un carnet d’adresses ni un répertoire que ce programme sait lire.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Le fichier %1 n’a pas pu être enregistré. Vérifiez que vous avez le droit d’écrire dans le dossier et que le disque n’est pas plein.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1 : %2 placée(s), %3 modifiée(s), %4 tronquée(s), %5 non placée(s).
OK les intègre au répertoire affiché ; rien n’est envoyé à l’imprimante avant que vous ne cliquiez sur Écrire.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Entrées du fichier :</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Expéditeur</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Numéro rejeté %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Placée</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Tronquée</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Non placée</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nom « %1 » changé en « %2 »</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nom « %1 » tronqué à %2 caractères</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numéro « %1 » changé en « %2 »</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numéro « %1 » tronqué à %2 caractères</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>l’imprimante n’a pas d’emplacement %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>l’emplacement est indiqué deux fois</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>aucun numéro accepté par l’imprimante</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>il ne reste aucun emplacement libre</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>aucun numéro accepté par l’imprimante ; l’emplacement reste vide</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>membre %1 omis : l’imprimante n’a pas cet emplacement</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>le membre %1 est indiqué deux fois</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Choisir les colonnes</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Les colonnes de %1 ne sont pas reconnues. Choisissez la colonne qui contient le nom de chaque contact et celle qui contient le numéro de fax.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Numéro de &amp;fax :</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
