<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>More</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>More commands for the directory shown: import an address book, export the directory</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Address books and directories</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard address book</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV table</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON directory</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Entries of the file:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Fax number</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Sender</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Rejected %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Placed</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Changed</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Not placed</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>name &quot;%1&quot; became &quot;%2&quot;</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>name &quot;%1&quot; cut to %2 characters</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>number &quot;%1&quot; became &quot;%2&quot;</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>number &quot;%1&quot; cut to %2 characters</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>the printer has no slot %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>the slot is named twice</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>no number the printer accepts</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>no free slot is left</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>no number the printer accepts; the slot is left empty</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>member %1 left out: the printer has no such slot</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>member %1 is named twice</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Choose Columns</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Fax number:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
