<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Περισσότερα</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Περισσότερες εντολές για τον κατάλογο που εμφανίζεται: εισαγωγή βιβλίου διευθύνσεων, εξαγωγή του καταλόγου</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Εισαγωγή...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>Ε&amp;ξαγωγή...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Βιβλία διευθύνσεων και κατάλογοι</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Βιβλίο διευθύνσεων vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Πίνακας CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Κατάλογος JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του αρχείου %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Δεν είναι δυνατή η εισαγωγή του αρχείου %1: δεν είναι βιβλίο διευθύνσεων ή κατάλογος που μπορεί να διαβάσει αυτό το πρόγραμμα.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του αρχείου %1. Ελέγξτε ότι έχετε δικαίωμα εγγραφής στον φάκελο και ότι ο δίσκος δεν είναι πλήρης.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Εισαγωγή</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: τοποθετήθηκαν %2, άλλαξαν %3, περικόπηκαν %4, δεν τοποθετήθηκαν %5.
Με το OK μεταφέρονται στον κατάλογο που εμφανίζεται· τίποτα δεν φτάνει στον εκτυπωτή πριν πατήσετε «Εγγραφή».</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Καταχωρίσεις του αρχείου:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Γραμμή</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Θέση</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Αριθμός φαξ</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Αποτέλεσμα</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Λεπτομέρειες</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Αποστολέας</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Απορριπτόμενος αριθμός %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Τοποθετήθηκε</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Άλλαξε</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Περικόπηκε</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Δεν τοποθετήθηκε</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>το όνομα «%1» έγινε «%2»</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>το όνομα «%1» περικόπηκε σε %2 χαρακτήρες</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>ο αριθμός «%1» έγινε «%2»</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>ο αριθμός «%1» περικόπηκε σε %2 χαρακτήρες</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>ο εκτυπωτής δεν έχει θέση %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>η θέση αναφέρεται δύο φορές</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>κανένας αριθμός που δέχεται ο εκτυπωτής</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>δεν έχει απομείνει ελεύθερη θέση</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>κανένας αριθμός που δέχεται ο εκτυπωτής· η θέση μένει κενή</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>το μέλος %1 παραλείφθηκε: ο εκτυπωτής δεν έχει τέτοια θέση</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>το μέλος %1 αναφέρεται δύο φορές</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Επιλογή στηλών</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Οι στήλες του %1 δεν αναγνωρίστηκαν. Επιλέξτε τη στήλη που περιέχει το όνομα κάθε επαφής και αυτήν που περιέχει τον αριθμό φαξ.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>Ό&amp;νομα:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Αριθμός φαξ:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
</TS>
