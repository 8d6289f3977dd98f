<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>Έ&amp;λεγχος...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Οι αλλαγές σας εισάγουν αυτά τα προβλήματα στον κατάλογο φαξ του εκτυπωτή. Θέλετε να γίνει εγγραφή παρ’ όλα αυτά;</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Ο κατάλογος φαξ που εμφανίζεται έχει τα εξής προβλήματα:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Ο κατάλογος φαξ που εμφανίζεται δεν έχει προβλήματα.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Θέση</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Πρόβλημα</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Αποστολέας</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Απορριπτόμενος αριθμός %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Το μέλος %1 είναι κενή θέση.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Ο αριθμός %1 βρίσκεται στις θέσεις %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Η ομάδα δεν έχει μέλη.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Ο εκτυπωτής δεν δέχεται το όνομα «%1».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Ο εκτυπωτής δεν δέχεται τον αριθμό «%1».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Ο αριθμός %1 βρίσκεται στους απορριπτόμενους αριθμούς %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Εμφάνιση μόνο των καταχωρίσεων των οποίων το όνομα ή ο αριθμός περιέχει αυτό το κείμενο</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Όνομα ή αριθμός</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Εύ&amp;ρεση:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Έλεγχος</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Εγγραφή παρ’ όλα αυτά</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
</TS>
