<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Saisissez le numéro de fax à composer pour cette entrée.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Saisissez le nom de cette entrée.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Saisissez le nom du groupe.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Entrées pouvant être ajoutées au groupe.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Ajouter les entrées sélectionnées au groupe.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Retirer du groupe les membres sélectionnés.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Entrées appartenant au groupe.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>Éc&amp;rire</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Répertoire fax</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Messages</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Choisissez une imprimante et cliquez sur Lire pour afficher son répertoire fax.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>La communication avec l’imprimante a échoué. Vérifiez que l’imprimante est allumée et connectée, puis réessayez.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>L’imprimante est occupée par une autre tâche. Attendez qu’elle ait terminé, puis réessayez.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Le port de l’imprimante est utilisé par un autre utilisateur. Réessayez lorsque cet utilisateur aura terminé.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>La mémoire disponible est insuffisante pour effectuer cette opération. Fermez d’autres programmes, puis réessayez.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Le fichier de répertoire n’a pas pu être enregistré. Vérifiez que vous avez le droit d’écrire dans le dossier et que le disque n’est pas plein.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>La liste des modèles d’imprimantes pris en charge (orvkit.dat) n’a pas pu être lue. Veuillez réinstaller le programme.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Le fichier n’a pas pu être lu, ou ce n’est pas un fichier de répertoire fax.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Veuillez saisir un numéro de fax. Une entrée qui a un nom doit avoir un numéro de fax.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Veuillez ajouter au moins un membre. Un groupe qui a un nom doit avoir des membres.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Ce fichier de répertoire a été enregistré pour un autre modèle d’imprimante. Voulez-vous quand même le charger ?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Vous avez choisi une autre imprimante, mais le répertoire affiché contient des modifications qui n’ont pas été écrites dans l’imprimante. Voulez-vous les abandonner ?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Le répertoire fax de l’imprimante a été modifié depuis que vous l’avez lu. Voulez-vous le remplacer par le répertoire affiché ici ?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Ceci est un exemple de message d’erreur.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Vous avez choisi une autre imprimante. Voulez-vous fermer le répertoire affiché ?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Le répertoire contient des modifications qui n’ont pas été écrites dans l’imprimante. Voulez-vous les abandonner ?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Le programme est déjà en cours d’exécution dans la session d’un autre utilisateur. Il ne peut être utilisé que par un seul utilisateur à la fois.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Ceci est un exemple de message d’information.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>L’opération n’a pas pu être effectuée. Vérifiez que l’imprimante est un modèle pris en charge, qu’elle est allumée et connectée, puis réessayez.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>La session ne peut pas être fermée tant que le programme est occupé. Veuillez attendre qu’il ait terminé, puis réessayer.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>L’ordinateur ne peut pas passer en veille pendant que le programme communique avec l’imprimante. Veuillez réessayer lorsque la communication sera terminée.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Le répertoire fax a été écrit dans l’imprimante.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>fr</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Lire le répertoire fax de l’imprimante sélectionnée.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Choisissez la partie du répertoire à afficher.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Enregistrer le répertoire dans un fichier sur cet ordinateur.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Charger un répertoire à partir d’un fichier sur cet ordinateur.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Écrire le répertoire affiché dans l’imprimante.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Les entrées de numérotation abrégée de l’imprimante.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Les informations sur l’expéditeur imprimées sur les fax que vous envoyez.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Numéros de fax dont l’imprimante rejette les fax.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Saisissez votre nom tel qu’il doit apparaître sur les fax que vous envoyez.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Saisissez votre numéro de fax tel qu’il doit apparaître sur les fax que vous envoyez.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Valider les informations sur l’expéditeur.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Modifier l’entrée sélectionnée.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Sélectionner toutes les entrées.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Supprimer les entrées sélectionnées.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Créer une entrée avec un seul numéro de fax.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Créer un groupe de plusieurs entrées.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Choisissez l’imprimante avec laquelle travailler.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Saisissez le numéro de fax à rejeter.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Valider ce groupe.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Continuer avec le type choisi.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Valider cette entrée.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Valider ce numéro.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Groupe]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Numérotation abrégée</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Informations sur l’expéditeur</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Numéros rejetés</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Répertoire fax Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Numéro de fax</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Numérotation abrégée : entrées monotouches et à numérotation codée</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Numérotation abrégée : entrées à numérotation codée</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Les entrées monotouches sont numérotées 01, 02, etc.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Les entrées à numérotation codée sont numérotées *00, *01, etc.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Informations sur l’expéditeur : nom et numéro de fax imprimés sur les fax que vous envoyez</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Numéros rejetés : les fax provenant de ces numéros ne sont pas reçus</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Langue...</translation>
    </message>
</context>
</TS>
