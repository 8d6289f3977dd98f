<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Enter the fax number to dial for this entry.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Enter the name of this entry.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Enter the name of the group.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Entries that can be added to the group.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Add the selected entries to the group.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Remove the selected members from the group.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Entries that belong to the group.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Fax directory</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Sa&amp;ve...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>L&amp;oad...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Messages</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Choose a printer and press Read to see its fax directory.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>The printer is busy with another job. Wait until it has finished, then try again.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>The printer's port is in use by another user. Try again when that user has finished.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>There is not enough memory to complete this operation. Close other programs and try again.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>The file could not be read, or it is not a fax directory file.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Please enter a fax number. An entry with a name needs a fax number.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Please add at least one member. A group with a name needs members.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>This directory file was saved for another printer model. Do you want to load it anyway?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>This is an example of an error message.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>You chose another printer. Do you want to close the directory that is shown?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>The directory has changes that were not written to the printer. Do you want to discard them?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>The program is already running in another user's session. Only one user can use it at a time.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>This is an example of an information message.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>The session cannot end while the program is busy. Please wait until it has finished, then try again.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>The fax directory was written to the printer.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>en</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Read the fax directory from the selected printer.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Choose which part of the directory to show.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Save the directory to a file on this computer.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Load a directory from a file on this computer.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Write the directory shown to the printer.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>The printer's speed-dial entries.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>The sender information printed on the faxes you send.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Fax numbers whose faxes the printer rejects.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Enter your name as it should appear on the faxes you send.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Enter your fax number as it should appear on the faxes you send.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Keep the sender information.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Edit the selected entry.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Select all entries.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Delete the selected entries.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Create an entry with one fax number.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Create a group of several entries.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Choose the printer to work with.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Enter the fax number to reject.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Keep this group.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Continue with the chosen type.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Keep this entry.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Keep this number.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Fax number</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Fax number</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Group]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Fax number</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Speed dial</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Sender information</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Rejected numbers</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Fax Directory</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Fax number</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Fax number</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Speed dial: one-touch and coded dial entries</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Speed dial: coded dial entries</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>One-touch dial entries are numbered 01, 02 and so on.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Coded dial entries are numbered *00, *01 and so on.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Sender information: the name and fax number printed on the faxes you send</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Rejected numbers: faxes from these numbers are not received</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Language...</translation>
    </message>
</context>
</TS>
