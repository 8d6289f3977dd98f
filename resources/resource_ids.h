// Every resource ID that the program and its language modules share: dialog templates, controls,
// strings, menus and their commands, the accelerator table and icons. A language module
// (ORVI_XX.qm) holds the string with ID n under the text ID "n"; the caption of control c in
// template t under "t.c".
#pragma once

namespace orvane::ids {

// Dialog templates.
inline constexpr int kIddIndividualEntry = 105;  // individual speed-dial entry
inline constexpr int kIddGroupEntry = 109;       // group speed-dial entry
inline constexpr int kIddMain = 142;             // main window
inline constexpr int kIddSenderPage = 143;       // sender-information page
inline constexpr int kIddSpeedDialPage = 144;    // speed-dial page
inline constexpr int kIddRejectPage = 145;       // rejected-numbers page
inline constexpr int kIddRejectedNumber = 146;   // one rejected number
inline constexpr int kIddSenderInfo = 147;       // sender name and number
inline constexpr int kIddEntryType = 148;        // individual or group choice
inline constexpr int kIddLanguage = 173;         // language dialog
inline constexpr int kIddProgress = 181;         // communication progress

// Icons.
inline constexpr int kIconWindow = 149;    // window icon
inline constexpr int kIconTreeFax = 150;   // tree image 1: function heading
inline constexpr int kIconTreePage = 151;  // tree image 2: page row
inline constexpr int kIconTreeRoot = 153;  // tree image 0: printer

// Menus, accelerator table and command IDs.
inline constexpr int kMenuPageContext = 155;        // context menu of the three pages
inline constexpr int kMenuCandidatesContext = 156;  // context menu of the group's candidates
inline constexpr int kMenuMembersContext = 157;     // context menu of the group's members
inline constexpr int kAccelSelectAll = 158;         // accelerator table (Select all)
inline constexpr int kCmdSelectAll = 40001;         // select every row
inline constexpr int kCmdEdit = 40002;              // edit the selected row
inline constexpr int kCmdDelete = 40003;            // empty the selected rows
inline constexpr int kCmdAddMember = 40004;         // move candidates to the members
inline constexpr int kCmdRemoveMember = 40005;      // move members back to the candidates
inline constexpr int kCmdLanguageDialog = 16;       // system-menu item of the main window

// Controls.
inline constexpr int kIdOk = 1;                      // OK; Write in the main window
inline constexpr int kIdCancel = 2;                  // Cancel; Close in the main window
inline constexpr int kIdcEntrySlotId = 106;          // individual entry: slot ID
inline constexpr int kIdcEntryNumber = 107;          // individual entry: fax number
inline constexpr int kIdcEntryName = 108;            // individual entry: name
inline constexpr int kIdcGroupName = 110;            // group entry: name
inline constexpr int kIdcGroupCandidates = 111;      // group entry: candidates list
inline constexpr int kIdcGroupAdd = 112;             // group entry: Add
inline constexpr int kIdcGroupRemove = 113;          // group entry: Remove
inline constexpr int kIdcGroupMembers = 114;         // group entry: members list
inline constexpr int kIdcGroupSlotId = 115;          // group entry: slot ID
inline constexpr int kIdcRead = 1001;                // main window: Read
inline constexpr int kIdcHelp = 1002;                // main window: Help
inline constexpr int kIdcTree = 1003;                // main window: navigation tree
inline constexpr int kIdcDirectoryStatic = 1004;     // main window: static above the tree
inline constexpr int kIdcSave = 1005;                // main window: Save
inline constexpr int kIdcLoad = 1006;                // main window: Load
inline constexpr int kIdcSenderEdit = 1008;          // sender page: Edit
inline constexpr int kIdcSenderSpare = 1009;         // sender page: button without a command
inline constexpr int kIdcSenderDelete = 1010;        // sender page: Delete
inline constexpr int kIdcPagePlaceholder = 1011;     // main window: where the pages sit
inline constexpr int kIdcSpeedDialList = 1012;       // speed-dial page: list
inline constexpr int kIdcSenderList = 1013;          // sender page: list
inline constexpr int kIdcRejectList = 1014;          // rejected-numbers page: list
inline constexpr int kIdcSenderName = 1015;          // sender dialog: name
inline constexpr int kIdcSenderNumber = 1016;        // sender dialog: fax number
inline constexpr int kIdcRejectSlotId = 1018;        // rejected-number dialog: slot ID
inline constexpr int kIdcSpeedDialEdit = 1019;       // speed-dial page: Edit
inline constexpr int kIdcSpeedDialSelectAll = 1020;  // speed-dial page: Select all
inline constexpr int kIdcSpeedDialDelete = 1021;     // speed-dial page: Delete
inline constexpr int kIdcRejectEdit = 1022;          // rejected-numbers page: Edit
inline constexpr int kIdcRejectSelectAll = 1023;     // rejected-numbers page: Select all
inline constexpr int kIdcRejectDelete = 1024;        // rejected-numbers page: Delete
inline constexpr int kIdcTypeIndividual = 1026;      // entry type: individual
inline constexpr int kIdcTypeGroup = 1027;           // entry type: group
inline constexpr int kIdcPrinterList = 1028;         // main window: printer combo box
inline constexpr int kIdcPageHeading = 1029;         // main window: page heading
inline constexpr int kIdcRejectNumber = 1033;        // rejected-number dialog: fax number
inline constexpr int kIdcLanguageVersion = 1064;     // language dialog: version static
inline constexpr int kIdcMessageCatalogue = 1065;    // main window: message catalogue (demo)
inline constexpr int kIdcBottomStatic = 1066;        // main window: bottom static
inline constexpr int kIdcLanguageList = 1068;        // language dialog: language combo box

// Messages, shown through ShowMessage with caption kIdsAppTitle.
inline constexpr int kMsgCommunicationFailed = 159;     // error
inline constexpr int kMsgPrinterBusy = 160;             // error
inline constexpr int kMsgPortClaimed = 161;             // error
inline constexpr int kMsgOutOfMemory = 162;             // error
inline constexpr int kMsgSaveFailed = 163;              // error
inline constexpr int kMsgModelListFailed = 164;         // error
inline constexpr int kMsgLoadFailed = 165;              // error
inline constexpr int kMsgNumberRequired = 166;          // error
inline constexpr int kMsgMembersRequired = 167;         // error
inline constexpr int kMsgOtherModelFile = 168;          // question
inline constexpr int kMsgDiscardOnPrinterChange = 169;  // question
inline constexpr int kMsgPrinterChanged = 170;          // question
inline constexpr int kMsgCatalogueError = 174;          // error
inline constexpr int kMsgClosePrinter = 175;            // question
inline constexpr int kMsgDiscardChanges = 176;          // question
inline constexpr int kMsgRunningElsewhere = 177;        // error
inline constexpr int kMsgCatalogueInfo = 179;           // information
inline constexpr int kMsgGeneralFailure = 180;          // error
inline constexpr int kMsgSessionEndRefused = 182;       // information
inline constexpr int kMsgStandbyRefused = 183;          // information
inline constexpr int kMsgWritten = 184;                 // information

// Other strings of the language module.
inline constexpr int kIdsEntryNumberTip = 107;       // tool tip: individual entry's number
inline constexpr int kIdsEntryNameTip = 108;         // tool tip: individual entry's name
inline constexpr int kIdsGroupNameTip = 110;         // tool tip: group name
inline constexpr int kIdsGroupCandidatesTip = 111;   // tool tip: candidates list
inline constexpr int kIdsGroupAddTip = 112;          // tool tip: Add
inline constexpr int kIdsGroupRemoveTip = 113;       // tool tip: Remove
inline constexpr int kIdsGroupMembersTip = 114;      // tool tip: members list
inline constexpr int kIdsManualLanguage = 186;       // the manual's language code
inline constexpr int kIdsReadTip = 1001;             // tool tip: Read
inline constexpr int kIdsTreeTip = 1003;             // tool tip: navigation tree
inline constexpr int kIdsSaveTip = 1005;             // tool tip: Save
inline constexpr int kIdsLoadTip = 1006;             // tool tip: Load
inline constexpr int kIdsWriteTip = 1007;            // tool tip: Write
inline constexpr int kIdsSpeedDialListTip = 1012;    // tool tip: speed-dial list
inline constexpr int kIdsSenderListTip = 1013;       // tool tip: sender list
inline constexpr int kIdsRejectListTip = 1014;       // tool tip: rejected-numbers list
inline constexpr int kIdsSenderNameTip = 1015;       // tool tip: sender name
inline constexpr int kIdsSenderNumberTip = 1016;     // tool tip: sender number
inline constexpr int kIdsSenderOkTip = 1017;         // tool tip: sender dialog's OK
inline constexpr int kIdsEditTip = 1019;             // tool tip: Edit buttons
inline constexpr int kIdsSelectAllTip = 1020;        // tool tip: Select all buttons
inline constexpr int kIdsDeleteTip = 1021;           // tool tip: Delete buttons
inline constexpr int kIdsTypeIndividualTip = 1026;   // tool tip: individual choice
inline constexpr int kIdsTypeGroupTip = 1027;        // tool tip: group choice
inline constexpr int kIdsPrinterListTip = 1028;      // tool tip: printer list
inline constexpr int kIdsRejectNumberTip = 1033;     // tool tip: rejected number
inline constexpr int kIdsGroupOkTip = 1034;          // tool tip: group dialog's OK
inline constexpr int kIdsTypeOkTip = 1035;           // tool tip: type choice's OK
inline constexpr int kIdsEntryOkTip = 1036;          // tool tip: individual dialog's OK
inline constexpr int kIdsRejectOkTip = 1037;         // tool tip: rejected-number dialog's OK
inline constexpr int kIdsColumnSlotId = 1038;        // speed-dial column: slot ID
inline constexpr int kIdsColumnSenderName = 1039;    // sender column: name
inline constexpr int kIdsColumnSenderNumber = 1040;  // sender column: fax number
inline constexpr int kIdsColumnName = 1041;          // speed-dial column: name
inline constexpr int kIdsColumnNumber = 1042;        // speed-dial column: fax number
inline constexpr int kIdsGroupMarker = 1043;         // number column text of a group
inline constexpr int kIdsColumnRejectSlot = 1044;    // rejected column: slot ID
inline constexpr int kIdsColumnRejectNumber = 1045;  // rejected column: number
inline constexpr int kIdsTreeSpeedDial = 1046;       // tree row: speed dial
inline constexpr int kIdsTreeSender = 1047;          // tree row: sender information
inline constexpr int kIdsTreeRejected = 1048;        // tree row: rejected numbers
inline constexpr int kIdsTreeFax = 1049;             // tree row: fax heading
inline constexpr int kIdsAppTitle = 1050;            // application title, message caption
inline constexpr int kIdsCandidatesSlotId = 1051;    // candidates column: slot ID
inline constexpr int kIdsCandidatesName = 1052;      // candidates column: name
inline constexpr int kIdsCandidatesNumber = 1053;    // candidates column: number
inline constexpr int kIdsMembersSlotId = 1054;       // members column: slot ID
inline constexpr int kIdsMembersName = 1055;         // members column: name
inline constexpr int kIdsMembersNumber = 1056;       // members column: number
inline constexpr int kIdsHeadingSpeedDial = 1057;    // heading: speed dial with one-touch slots
inline constexpr int kIdsHeadingCodedOnly = 1058;    // heading: speed dial, coded slots only
inline constexpr int kIdsHeadingOneTouch = 1059;     // heading: one-touch line
inline constexpr int kIdsHeadingCoded = 1060;        // heading: coded line
inline constexpr int kIdsHeadingSender = 1061;       // heading: sender information
inline constexpr int kIdsHeadingRejected = 1062;     // heading: rejected numbers
inline constexpr int kIdsLanguageMenuItem = 1063;    // system-menu item: language dialog

// Merging with the printer's changes: the third button of message 170 and the review dialog.
inline constexpr int kIddMergeReview = 200;              // merge review dialog
inline constexpr int kIdsMergeButton = 20000;            // message 170's button that opens the review
inline constexpr int kIdsMergeColumnSlot = 20001;        // review column: slot
inline constexpr int kIdsMergeColumnPrinter = 20002;     // review column: what the printer holds
inline constexpr int kIdsMergeColumnHere = 20003;        // review column: what this window holds
inline constexpr int kIdsMergeColumnChange = 20004;      // review column: where the slot changed
inline constexpr int kIdsMergeColumnTaken = 20005;       // review column: the side the merge takes
inline constexpr int kIdsMergeChangedOnPrinter = 20006;  // change: on the printer only
inline constexpr int kIdsMergeChangedHere = 20007;       // change: in this window only
inline constexpr int kIdsMergeChangedAlike = 20008;      // change: on both alike
inline constexpr int kIdsMergeConflict = 20009;          // change: on both differently
inline constexpr int kIdsMergeTakenPrinter = 20010;      // side taken: the printer's
inline constexpr int kIdsMergeTakenHere = 20011;         // side taken: this window's
inline constexpr int kIdsMergeEmpty = 20012;             // an empty slot, sender or rejected number
inline constexpr int kIdsMergeIndividual = 20013;        // an individual entry: %1 name, %2 number
inline constexpr int kIdsMergeGroup = 20014;             // a group: %1 name, %2 member slot IDs
inline constexpr int kIdsMergeSender = 20015;            // the sender's row
inline constexpr int kIdsMergeRejected = 20016;          // a rejected number's row: %1 its slot ID
inline constexpr int kIdsMergeDropped = 20017;           // a dropped member: %1 group, %2 member
inline constexpr int kIdcMergeIntro = 20050;             // review: what the dialog is for
inline constexpr int kIdcMergeList = 20051;              // review: the changed slots
inline constexpr int kIdcMergeTakePrinter = 20052;       // review: selected conflicts take the printer's
inline constexpr int kIdcMergeKeepHere = 20053;          // review: selected conflicts keep this window's
inline constexpr int kIdcMergeDropped = 20054;           // review: group members the merge drops
inline constexpr int kIdcMergeWrite = 20055;             // review: Merge and Write
inline constexpr int kIdcMergeCancel = 20056;            // review: Cancel

// Check before Write, the Check command and the speed-dial page's find field.
inline constexpr int kIddCheckReport = 203;               // check report dialog
inline constexpr int kCmdCheck = 20200;                   // window command: check the directory shown
inline constexpr int kIdsCheckMenuItem = 20200;           // menu item of kCmdCheck
inline constexpr int kIdsCheckBeforeWrite = 20201;        // report text: the edits bring in these problems
inline constexpr int kIdsCheckAll = 20202;                // report text: the problems of the directory shown
inline constexpr int kIdsCheckNone = 20203;               // report text: the directory shown has none
inline constexpr int kIdsCheckColumnSlot = 20204;         // report column: where the problem is
inline constexpr int kIdsCheckColumnProblem = 20205;      // report column: what is wrong
inline constexpr int kIdsCheckSender = 20206;             // where: the sender information
inline constexpr int kIdsCheckRejectSlot = 20207;         // where: reject slot %1
inline constexpr int kIdsProblemEmptyMember = 20210;      // problem: member %1 is an empty slot
inline constexpr int kIdsProblemDuplicateNumber = 20211;  // problem: number %1 in the dial slots %2
inline constexpr int kIdsProblemNoMembers = 20212;        // problem: a group without members
inline constexpr int kIdsProblemNameRefused = 20213;      // problem: the printer refuses name %1
inline constexpr int kIdsProblemNumberRefused = 20214;    // problem: the printer refuses number %1
inline constexpr int kIdsProblemDuplicateRejected = 20215;  // problem: number %1 in the reject slots %2
inline constexpr int kIdcCheckText = 20240;                 // check report: the text above the list
inline constexpr int kIdcCheckList = 20241;                 // check report: one row per problem
inline constexpr int kIdcCheckWriteAnyway = 20242;          // check report: write all the same
inline constexpr int kIdcCheckCancel = 20243;               // check report: do not write
inline constexpr int kIdcCheckClose = 20244;                // check report: close (Check command)
inline constexpr int kIdcFind = 20250;                      // speed-dial page: find field (label 144.20250)
inline constexpr int kIdsFindTip = 20250;                   // tool tip: find field
inline constexpr int kIdsFindPlaceholder = 20251;           // placeholder text of the find field
inline constexpr int kCmdFind = 20252;                      // speed-dial page command: to the find field

// Import and export: the main window's More menu, its file dialogs and messages, the fit report
// (template 201) and the choice of an address book's columns (template 202).
inline constexpr int kIddFitReport = 201;           // what an import brings, with OK and Cancel
inline constexpr int kIddColumnChoice = 202;        // an address book's name and number columns
inline constexpr int kMenuMore = 20100;             // the main window's More menu
inline constexpr int kCmdImport = 20101;            // import an address book or directory text
inline constexpr int kCmdExport = 20102;            // export the directory shown as text
inline constexpr int kIdcMore = 20103;              // main window: More menu button
inline constexpr int kIdsMoreTip = 20103;           // tool tip: More
inline constexpr int kIdsFilterImport = 20110;      // file dialog filter: every file Import reads
inline constexpr int kIdsFilterVcard = 20111;       // file dialog filter: vCard
inline constexpr int kIdsFilterCsv = 20112;         // file dialog filter: CSV
inline constexpr int kIdsFilterJson = 20113;        // file dialog filter: JSON
inline constexpr int kMsgImportUnreadable = 20120;  // error: the file cannot be read (%1 its name)
inline constexpr int kMsgImportRefused = 20121;     // error: not a file to import (%1 name, %2 why)
inline constexpr int kMsgExportFailed = 20122;      // error: the file cannot be saved (%1 its name)
inline constexpr int kIdcFitSummary = 20130;        // fit report: the counts and what OK does
inline constexpr int kIdcFitList = 20131;           // fit report: one row per part of the file
inline constexpr int kIdsFitColumnLine = 20132;     // fit report column: the file's line
inline constexpr int kIdsFitColumnSlot = 20133;     // fit report column: the slot
inline constexpr int kIdsFitColumnName = 20134;     // fit report column: the name
inline constexpr int kIdsFitColumnNumber = 20135;   // fit report column: the fax number
inline constexpr int kIdsFitColumnResult = 20136;   // fit report column: the outcome
inline constexpr int kIdsFitColumnDetails = 20137;  // fit report column: what changed, or why not
inline constexpr int kIdsFitSender = 20138;         // fit report slot: the sender information
inline constexpr int kIdsFitReject = 20139;         // fit report slot: rejected number slot %1
inline constexpr int kIdsFitPlaced = 20140;         // outcome: placed as given
inline constexpr int kIdsFitChanged = 20141;        // outcome: placed with a text changed
inline constexpr int kIdsFitCut = 20142;            // outcome: placed with a text cut
inline constexpr int kIdsFitNotPlaced = 20143;      // outcome: not placed
inline constexpr int kIdsFitNameChanged = 20150;    // detail: name %1 stored as %2
inline constexpr int kIdsFitNameCut = 20151;        // detail: name %1 cut to %2 characters
inline constexpr int kIdsFitNumberChanged = 20152;  // detail: number %1 stored as %2
inline constexpr int kIdsFitNumberCut = 20153;      // detail: number %1 cut to %2 characters
inline constexpr int kIdsFitNoSuchSlot = 20154;     // detail: the printer has no slot %1
inline constexpr int kIdsFitSlotTwice = 20155;      // detail: the slot is named twice
inline constexpr int kIdsFitNoNumber = 20156;       // detail: no number the printer accepts
inline constexpr int kIdsFitNoFreeSlot = 20157;     // detail: no free slot is left
inline constexpr int kIdsFitNumberRefused = 20158;  // detail: no accepted number, the slot emptied
inline constexpr int kIdsFitMemberDropped = 20159;  // detail: group member %1 names no slot
inline constexpr int kIdsFitMemberTwice = 20160;    // detail: group member %1 named twice
inline constexpr int kIdcColumnPrompt = 20170;      // column choice: what to choose (%1 the file)
inline constexpr int kIdcColumnName = 20171;        // column choice: the name column
inline constexpr int kIdcColumnNumber = 20172;      // column choice: the fax number column

// The program's own strings, compiled in (app_strings.h).
inline constexpr int kIdsDefaultLanguage = 10000;  // the UI language's default language ID text
inline constexpr int kIdsEnglishNameBase = 11000;  // + table row (1..32): English language name
inline constexpr int kIdsNativeNameBase = 12000;   // + table row (1..32): native language name

}  // namespace orvane::ids
