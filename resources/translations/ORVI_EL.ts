<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Εισαγάγετε τον αριθμό φαξ που θα καλείται για αυτήν την καταχώριση.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Εισαγάγετε το όνομα αυτής της καταχώρισης.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Εισαγάγετε το όνομα της ομάδας.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Καταχωρίσεις που μπορούν να προστεθούν στην ομάδα.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Προσθήκη των επιλεγμένων καταχωρίσεων στην ομάδα.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Αφαίρεση των επιλεγμένων μελών από την ομάδα.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Καταχωρίσεις που ανήκουν στην ομάδα.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>Ε&amp;γγραφή</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Ανάγνωση</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Κατάλογος φαξ</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Απο&amp;θήκευση...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Φόρτωση...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Εκτυπωτής:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Μηνύματα</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Επιλέξτε έναν εκτυπωτή και πατήστε «Ανάγνωση» για να δείτε τον κατάλογο φαξ του.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Η επικοινωνία με τον εκτυπωτή απέτυχε. Ελέγξτε ότι ο εκτυπωτής είναι ενεργοποιημένος και συνδεδεμένος και, στη συνέχεια, δοκιμάστε ξανά.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Ο εκτυπωτής είναι απασχολημένος με άλλη εργασία. Περιμένετε να ολοκληρωθεί και, στη συνέχεια, δοκιμάστε ξανά.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Η θύρα του εκτυπωτή χρησιμοποιείται από άλλον χρήστη. Δοκιμάστε ξανά όταν ο χρήστης αυτός ολοκληρώσει την εργασία του.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη για την ολοκλήρωση αυτής της λειτουργίας. Κλείστε άλλα προγράμματα και δοκιμάστε ξανά.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του αρχείου καταλόγου. Ελέγξτε ότι έχετε δικαίωμα εγγραφής στον φάκελο και ότι ο δίσκος δεν είναι πλήρης.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της λίστας των υποστηριζόμενων μοντέλων εκτυπωτή (orvkit.dat). Εγκαταστήστε ξανά το πρόγραμμα.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του αρχείου ή το αρχείο δεν είναι αρχείο καταλόγου φαξ.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Εισαγάγετε έναν αριθμό φαξ. Μια καταχώριση με όνομα πρέπει να έχει αριθμό φαξ.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Προσθέστε τουλάχιστον ένα μέλος. Μια ομάδα με όνομα πρέπει να έχει μέλη.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Αυτό το αρχείο καταλόγου αποθηκεύτηκε για άλλο μοντέλο εκτυπωτή. Θέλετε να το φορτώσετε παρ’ όλα αυτά;</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Επιλέξατε άλλον εκτυπωτή, αλλά ο κατάλογος που εμφανίζεται έχει αλλαγές που δεν έχουν εγγραφεί στον εκτυπωτή. Θέλετε να απορρίψετε τις αλλαγές;</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Ο κατάλογος φαξ στον εκτυπωτή άλλαξε μετά την ανάγνωσή του. Θέλετε να τον αντικαταστήσετε με τον κατάλογο που εμφανίζεται εδώ;</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Αυτό είναι ένα παράδειγμα μηνύματος σφάλματος.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Επιλέξατε άλλον εκτυπωτή. Θέλετε να κλείσετε τον κατάλογο που εμφανίζεται;</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Ο κατάλογος έχει αλλαγές που δεν έχουν εγγραφεί στον εκτυπωτή. Θέλετε να απορρίψετε τις αλλαγές;</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Το πρόγραμμα εκτελείται ήδη στην περίοδο λειτουργίας άλλου χρήστη. Μόνο ένας χρήστης μπορεί να το χρησιμοποιεί κάθε φορά.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Αυτό είναι ένα παράδειγμα μηνύματος πληροφοριών.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Δεν ήταν δυνατή η ολοκλήρωση της λειτουργίας. Ελέγξτε ότι ο εκτυπωτής είναι υποστηριζόμενο μοντέλο και ότι είναι ενεργοποιημένος και συνδεδεμένος και, στη συνέχεια, δοκιμάστε ξανά.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Δεν είναι δυνατός ο τερματισμός της περιόδου λειτουργίας όσο το πρόγραμμα είναι απασχολημένο. Περιμένετε να ολοκληρωθεί η εργασία και, στη συνέχεια, δοκιμάστε ξανά.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Ο υπολογιστής δεν μπορεί να μεταβεί σε κατάσταση αναμονής όσο το πρόγραμμα επικοινωνεί με τον εκτυπωτή. Δοκιμάστε ξανά όταν ολοκληρωθεί η επικοινωνία.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Ο κατάλογος φαξ εγγράφηκε στον εκτυπωτή.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>el</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Ανάγνωση του καταλόγου φαξ από τον επιλεγμένο εκτυπωτή.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Επιλέξτε ποιο τμήμα του καταλόγου θα εμφανίζεται.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Αποθήκευση του καταλόγου σε αρχείο σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Φόρτωση καταλόγου από αρχείο σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Εγγραφή του καταλόγου που εμφανίζεται στον εκτυπωτή.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Οι καταχωρίσεις ταχείας κλήσης του εκτυπωτή.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Τα στοιχεία αποστολέα που εκτυπώνονται στα φαξ που στέλνετε.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Αριθμοί φαξ των οποίων τα φαξ απορρίπτει ο εκτυπωτής.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Εισαγάγετε το όνομά σας όπως πρέπει να εμφανίζεται στα φαξ που στέλνετε.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Εισαγάγετε τον αριθμό φαξ σας όπως πρέπει να εμφανίζεται στα φαξ που στέλνετε.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Διατήρηση των στοιχείων αποστολέα.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Επεξεργασία της επιλεγμένης καταχώρισης.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Επιλογή όλων των καταχωρίσεων.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Διαγραφή των επιλεγμένων καταχωρίσεων.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Δημιουργία καταχώρισης με έναν αριθμό φαξ.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Δημιουργία ομάδας από πολλές καταχωρίσεις.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Επιλέξτε τον εκτυπωτή με τον οποίο θα εργαστείτε.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Εισαγάγετε τον αριθμό φαξ που θα απορρίπτεται.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Διατήρηση αυτής της ομάδας.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Συνέχεια με τον επιλεγμένο τύπο.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Διατήρηση αυτής της καταχώρισης.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Διατήρηση αυτού του αριθμού.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Αρ.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Αριθμός φαξ</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Αριθμός φαξ</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Ομάδα]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Αρ.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Αριθμός φαξ</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Ταχεία κλήση</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Στοιχεία αποστολέα</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Απορριπτόμενοι αριθμοί</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Φαξ</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Κατάλογος φαξ</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Αρ.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Αριθμός φαξ</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Αρ.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Αριθμός φαξ</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Ταχεία κλήση: καταχωρίσεις κλήσης με ένα πλήκτρο και κωδικοποιημένης κλήσης</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Ταχεία κλήση: καταχωρίσεις κωδικοποιημένης κλήσης</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Οι καταχωρίσεις κλήσης με ένα πλήκτρο αριθμούνται 01, 02 κ.ο.κ.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Οι καταχωρίσεις κωδικοποιημένης κλήσης αριθμούνται *00, *01 κ.ο.κ.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Στοιχεία αποστολέα: το όνομα και ο αριθμός φαξ που εκτυπώνονται στα φαξ που στέλνετε</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Απορριπτόμενοι αριθμοί: τα φαξ από αυτούς τους αριθμούς δεν λαμβάνονται</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Γλώσσα...</translation>
    </message>
</context>
</TS>
