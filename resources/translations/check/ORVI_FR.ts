<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Vérifier...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Vos modifications introduisent les problèmes suivants dans le répertoire fax de l’imprimante. Voulez-vous quand même l’écrire ?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Le répertoire fax affiché présente les problèmes suivants :</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Le répertoire fax affiché ne présente aucun problème.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Expéditeur</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Numéro rejeté %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Le membre %1 est un emplacement vide.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Le numéro %1 figure dans les emplacements %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Le groupe n’a aucun membre.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>L’imprimante n’accepte pas le nom « %1 ».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>L’imprimante n’accepte pas le numéro « %1 ».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Le numéro %1 figure parmi les numéros rejetés %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Affiche uniquement les entrées dont le nom ou le numéro contient ce texte</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nom ou numéro</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>Éc&amp;rire quand même</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
