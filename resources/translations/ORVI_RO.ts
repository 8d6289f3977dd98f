<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Introduceți numărul de fax care se apelează pentru această intrare.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Introduceți numele acestei intrări.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Introduceți numele grupului.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Intrări care pot fi adăugate în grup.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Adaugă intrările selectate în grup.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Elimină membrii selectați din grup.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Intrări care aparțin grupului.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Scriere</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Închidere</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Citire</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Agendă fax</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Sal&amp;vare...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Î&amp;ncărcare...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Imprimantă:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Mesaje</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Alegeți o imprimantă și apăsați Citire pentru a vedea agenda fax a acesteia.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Comunicarea cu imprimanta a eșuat. Verificați dacă imprimanta este pornită și conectată, apoi încercați din nou.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Imprimanta este ocupată cu o altă lucrare. Așteptați până când aceasta se termină, apoi încercați din nou.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Portul imprimantei este folosit de un alt utilizator. Încercați din nou după ce acel utilizator a terminat.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Nu există suficientă memorie pentru a finaliza această operație. Închideți alte programe și încercați din nou.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Fișierul de agendă nu a putut fi salvat. Verificați dacă aveți drept de scriere în dosar și dacă discul nu este plin.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Lista modelelor de imprimantă acceptate (orvkit.dat) nu a putut fi citită. Vă rugăm să reinstalați programul.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Fișierul nu a putut fi citit sau nu este un fișier de agendă fax.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Vă rugăm să introduceți un număr de fax. O intrare care are nume necesită un număr de fax.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Vă rugăm să adăugați cel puțin un membru. Un grup care are nume necesită membri.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Acest fișier de agendă a fost salvat pentru un alt model de imprimantă. Doriți totuși să îl încărcați?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Ați ales o altă imprimantă, dar agenda afișată conține modificări care nu au fost scrise în imprimantă. Doriți să renunțați la ele?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Agenda fax din imprimantă a fost modificată după ce ați citit-o. Doriți să o suprascrieți cu agenda afișată aici?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Acesta este un exemplu de mesaj de eroare.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Ați ales o altă imprimantă. Doriți să închideți agenda afișată?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Agenda conține modificări care nu au fost scrise în imprimantă. Doriți să renunțați la ele?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programul rulează deja în sesiunea altui utilizator. Îl poate folosi un singur utilizator la un moment dat.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Acesta este un exemplu de mesaj de informare.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operația nu a putut fi finalizată. Verificați dacă imprimanta este un model acceptat și dacă este pornită și conectată, apoi încercați din nou.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Sesiunea nu se poate încheia cât timp programul este ocupat. Vă rugăm să așteptați până când acesta termină, apoi încercați din nou.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Computerul nu poate trece în stare de veghe cât timp programul comunică cu imprimanta. Vă rugăm să încercați din nou după ce comunicarea s-a încheiat.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Agenda fax a fost scrisă în imprimantă.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>ro</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Citește agenda fax din imprimanta selectată.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Alegeți ce parte a agendei se afișează.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Salvează agenda într-un fișier pe acest computer.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Încarcă o agendă dintr-un fișier de pe acest computer.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Scrie în imprimantă agenda afișată.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Intrările de apelare rapidă ale imprimantei.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Informațiile despre expeditor tipărite pe faxurile pe care le trimiteți.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Numere de fax ale căror faxuri sunt respinse de imprimantă.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Introduceți numele așa cum trebuie să apară pe faxurile pe care le trimiteți.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Introduceți numărul de fax așa cum trebuie să apară pe faxurile pe care le trimiteți.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Păstrează informațiile despre expeditor.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Editează intrarea selectată.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Selectează toate intrările.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Șterge intrările selectate.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Creează o intrare cu un singur număr de fax.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Creează un grup din mai multe intrări.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Alegeți imprimanta cu care lucrați.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Introduceți numărul de fax care va fi respins.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Păstrează acest grup.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Continuă cu tipul ales.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Păstrează această intrare.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Păstrează acest număr.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Număr de fax</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Număr de fax</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grup]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Număr de fax</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Apelare rapidă</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Informații despre expeditor</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Numere respinse</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Agenda fax Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Număr de fax</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Număr de fax</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Apelare rapidă: intrări de apelare cu o atingere și de apelare codificată</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Apelare rapidă: intrări de apelare codificată</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Intrările de apelare cu o atingere sunt numerotate 01, 02 și așa mai departe.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Intrările de apelare codificată sunt numerotate *00, *01 și așa mai departe.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Informații despre expeditor: numele și numărul de fax tipărite pe faxurile pe care le trimiteți</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Numere respinse: faxurile de la aceste numere nu sunt recepționate</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Limbă...</translation>
    </message>
</context>
</TS>
