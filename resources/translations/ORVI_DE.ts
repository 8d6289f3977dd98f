<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Geben Sie die Faxnummer ein, die für diesen Eintrag gewählt wird.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Geben Sie den Namen dieses Eintrags ein.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Geben Sie den Namen der Gruppe ein.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Einträge, die der Gruppe hinzugefügt werden können.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Die ausgewählten Einträge zur Gruppe hinzufügen.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Die ausgewählten Mitglieder aus der Gruppe entfernen.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Einträge, die zur Gruppe gehören.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxverzeichnis</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Spei&amp;chern...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>La&amp;den...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Meldungen</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Wählen Sie einen Drucker aus und klicken Sie auf „Lesen“, um sein Faxverzeichnis anzuzeigen.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Die Verbindung zum Drucker ist fehlgeschlagen. Prüfen Sie, ob der Drucker eingeschaltet und angeschlossen ist, und versuchen Sie es erneut.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Der Drucker ist mit einem anderen Auftrag beschäftigt. Warten Sie, bis er fertig ist, und versuchen Sie es erneut.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Der Anschluss des Druckers wird von einem anderen Benutzer verwendet. Versuchen Sie es erneut, wenn dieser Benutzer fertig ist.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Für diesen Vorgang ist nicht genügend Arbeitsspeicher vorhanden. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Die Verzeichnisdatei konnte nicht gespeichert werden. Prüfen Sie, ob Sie Schreibrechte für den Ordner haben und ob auf dem Datenträger genügend Speicherplatz frei ist.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Die Liste der unterstützten Druckermodelle (orvkit.dat) konnte nicht gelesen werden. Bitte installieren Sie das Programm erneut.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Die Datei konnte nicht gelesen werden, oder sie ist keine Faxverzeichnisdatei.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Bitte geben Sie eine Faxnummer ein. Ein Eintrag mit einem Namen benötigt eine Faxnummer.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Bitte fügen Sie mindestens ein Mitglied hinzu. Eine Gruppe mit einem Namen benötigt Mitglieder.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Diese Verzeichnisdatei wurde für ein anderes Druckermodell gespeichert. Möchten Sie sie trotzdem laden?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Sie haben einen anderen Drucker gewählt, aber das angezeigte Verzeichnis enthält Änderungen, die nicht in den Drucker geschrieben wurden. Möchten Sie diese Änderungen verwerfen?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Das Faxverzeichnis im Drucker wurde geändert, nachdem Sie es gelesen haben. Möchten Sie es mit dem hier angezeigten Verzeichnis überschreiben?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Dies ist ein Beispiel für eine Fehlermeldung.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Sie haben einen anderen Drucker gewählt. Möchten Sie das angezeigte Verzeichnis schließen?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Das Verzeichnis enthält Änderungen, die nicht in den Drucker geschrieben wurden. Möchten Sie diese Änderungen verwerfen?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Das Programm läuft bereits in der Sitzung eines anderen Benutzers. Es kann jeweils nur von einem Benutzer verwendet werden.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Dies ist ein Beispiel für eine Hinweismeldung.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden. Prüfen Sie, ob es sich um ein unterstütztes Druckermodell handelt und ob der Drucker eingeschaltet und angeschlossen ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Die Sitzung kann nicht beendet werden, solange das Programm beschäftigt ist. Bitte warten Sie, bis es fertig ist, und versuchen Sie es erneut.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Der Computer kann nicht in den Standbymodus wechseln, während das Programm mit dem Drucker kommuniziert. Bitte versuchen Sie es erneut, wenn das Programm fertig ist.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Das Faxverzeichnis wurde in den Drucker geschrieben.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>de</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Das Faxverzeichnis aus dem ausgewählten Drucker lesen.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Wählen Sie, welcher Teil des Verzeichnisses angezeigt wird.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Das Verzeichnis in einer Datei auf diesem Computer speichern.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Ein Verzeichnis aus einer Datei auf diesem Computer laden.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Das angezeigte Verzeichnis in den Drucker schreiben.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Die Kurzwahleinträge des Druckers.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Die Absenderangaben, die auf Ihre gesendeten Faxe gedruckt werden.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxnummern, deren Faxe der Drucker abweist.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Geben Sie Ihren Namen so ein, wie er auf Ihren Faxen erscheinen soll.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Geben Sie Ihre Faxnummer so ein, wie sie auf Ihren Faxen erscheinen soll.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Die Absenderangaben übernehmen.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Den ausgewählten Eintrag bearbeiten.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Alle Einträge auswählen.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Die ausgewählten Einträge löschen.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Einen Eintrag mit einer Faxnummer anlegen.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Eine Gruppe aus mehreren Einträgen anlegen.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Wählen Sie den Drucker, mit dem Sie arbeiten möchten.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Geben Sie die abzuweisende Faxnummer ein.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Diese Gruppe übernehmen.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Mit dem gewählten Typ fortfahren.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Diesen Eintrag übernehmen.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Diese Nummer übernehmen.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Gruppe]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Kurzwahl</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Absenderangaben</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Abgewiesene Nummern</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faxverzeichnis</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Kurzwahl: Einträge für Zielwahl und kodierte Kurzwahl</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Kurzwahl: Einträge für kodierte Kurzwahl</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Zielwahleinträge sind mit 01, 02 usw. nummeriert.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Einträge für kodierte Kurzwahl sind mit *00, *01 usw. nummeriert.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Absenderangaben: Name und Faxnummer, die auf Ihre gesendeten Faxe gedruckt werden</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Abgewiesene Nummern: Faxe von diesen Nummern werden nicht empfangen</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Sprache...</translation>
    </message>
</context>
</TS>
