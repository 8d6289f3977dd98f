<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Συγχώνευση με τις αλλαγές του εκτυπωτή</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Ο κατάλογος φαξ στον εκτυπωτή άλλαξε μετά την ανάγνωσή του. Η συγχώνευση διατηρεί τόσο τις αλλαγές που έγιναν στον εκτυπωτή όσο και αυτές που έγιναν εδώ. Όπου και οι δύο πλευρές άλλαξαν μια θέση με διαφορετικό τρόπο, επιλέξτε ποια πλευρά θα διατηρήσει η συγχώνευση.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Θέσεις που άλλαξαν:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Από τον &amp;εκτυπωτή</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Από αυτό το &amp;παράθυρο</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Μέλη ομάδων που αφαιρούνται επειδή η συγχώνευση αδειάζει τις θέσεις τους:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Συγχώνευση και εγγραφή</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Συγχώνευση...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Θέση</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Στον εκτυπωτή</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Σε αυτό το παράθυρο</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Αλλαγή</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Η συγχώνευση κρατά</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Στον εκτυπωτή</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Σε αυτό το παράθυρο</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Ίδια και στα δύο</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Διένεξη</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Του εκτυπωτή</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Αυτού του παραθύρου</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(κενή)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (ομάδα από %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Αποστολέας</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Απορριπτόμενος αριθμός %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Η ομάδα %1 χάνει το μέλος %2</translation>
    </message>
</context>
</TS>
