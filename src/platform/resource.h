/* Ids of the controls, menu items and timers of every dialog template.
   resources/kalvor.rc and the code both include this file, so the two name
   the same numbers. The resource compiler reads only preprocessor lines:
   the definitions come first, the code's constants after them. */
#ifndef KALVOR_PLATFORM_RESOURCE_H
#define KALVOR_PLATFORM_RESOURCE_H

/* Controls without an id (labels, frames, pictures). */
#define IDC_STATIC_TEXT -1

/* The main dialog "maindlg" and its menu "RDMXMENU". */
#define IDC_MAIN_TESTID 101
#define IDC_MAIN_OPTIONS 102
#define IDC_MAIN_RUN 103
#define IDC_MAIN_MAC_TO_NET 104
#define IDC_MAIN_GATESIM 105
#define IDC_MAIN_MAC_TO_TPR 106
#define IDC_MAIN_PRUNE 107
#define IDC_MAIN_GEN_SPICE 108
#define IDC_MAIN_SPICE_CLEAN 109
#define IDC_MAIN_VHDL_SIM 111
#define IDC_MAIN_UNSET_SIM 112
#define IDC_MAIN_VHD_OUT 113
#define IDC_MAIN_MAC_TO_VHDL 114
#define IDC_MAIN_EDIF_TO_MAC 115
#define IDC_MAIN_A_CELLS 116
#define IDC_MAIN_LVS 117
#define IDC_MAIN_TEST_DIR 120
#define IDC_MAIN_RESULTS 121
#define IDC_MAIN_RESULT_ICON 122
#define IDC_MAIN_VERSION 123
#define IDC_MAIN_VIEW_VEC 210
#define IDC_MAIN_VIEW_SIM 211
#define IDC_MAIN_SETUP 212
#define IDC_MAIN_VIEW_OUT 213
#define IDC_MAIN_VIEW_LVS 214
#define IDC_MAIN_EXTRACT 215
#define IDC_MAIN_VIEW_NET 216
#define IDC_MAIN_VIEW_MAC 217
#define IDC_MAIN_WAVE_VIEW 218
#define IDC_MAIN_NO_COMMENTS 502
#define IDC_MAIN_NO_NC 503
#define IDC_MAIN_NO_END 504
#define IDC_MAIN_NO_LAMBDA 505
#define IDC_MAIN_LAMBDA 506
#define IDC_MAIN_NO_QUESTION 507
#define IDC_MAIN_NO_C 508
#define IDC_MAIN_NO_UPPER 509
#define IDC_MAIN_DIODES 510
#define IDC_MAIN_NO_CAPS 511
#define IDC_MAIN_NETTRAN_TO_DISK 551
#define IDC_MAIN_ICON 899
#define IDM_EXIT 2
#define IDM_SELECT_MAC 401
#define IDM_ABOUT 403
#define IDM_HELP_CONTENTS 404
#define IDM_EDIT 405
#define IDM_SELECT_SPC 406
#define IDM_IMPORT_EDIF 407
#define IDM_COPY_MAC 409
#define IDM_COPY_SPICE 410
#define IDM_REFORMAT 411

/* The progress window "progbar": the bar's frame, the file, the operation,
   the note on the item being worked on, Cancel (the dialog's cancel id),
   and four icons that take turns (they also number the animation timer). */
#define IDC_PROG_BAR 101
#define IDC_PROG_FILE 102
#define IDC_PROG_OPERATION 103
#define IDC_PROG_NOTE 104
#define IDC_PROG_CANCEL 2
#define IDC_PROG_ICON0 900
#define IDC_PROG_ICON1 901
#define IDC_PROG_ICON2 902
#define IDC_PROG_ICON3 903

/* The input box "input". */
#define IDC_INPUT_VALUE 101
#define IDC_INPUT_PROMPT 102
#define IDC_INPUT_BROWSE 103

/* The parameter dialogs "vhdout", "mac2vhd", "spcsel": field k of the
   option string is control 100 + k. */
#define IDC_PARAM_FIELD1 101
#define IDC_PARAM_FIELD2 102
#define IDC_PARAM_FIELD3 103
#define IDC_PARAM_FIELD4 104
#define IDC_PARAM_FIELD5 105
#define IDC_PARAM_FIELD6 106
#define IDC_PARAM_FIELD7 107

/* "MacDlg": the include files of the EDIF import and their browse buttons
   (each button's id is its field's plus 100). */
#define IDC_MACDLG_FUNC 101
#define IDC_MACDLG_PRI 102
#define IDC_MACDLG_BASE 103
#define IDC_MACDLG_PAD 104
#define IDC_MACDLG_BROWSE_FUNC 201
#define IDC_MACDLG_BROWSE_PRI 202
#define IDC_MACDLG_BROWSE_BASE 203
#define IDC_MACDLG_BROWSE_PAD 204

/* "iodlg": the node list of the .sim/.vec boilerplate. */
#define IDC_IODLG_NODES 301

/* "extdlg": sampling the GateSim output. */
#define IDC_EXTDLG_START 101
#define IDC_EXTDLG_DELTA 102
#define IDC_EXTDLG_LATEST 103
#define IDC_EXTDLG_OUTPUT 104
#define IDC_EXTDLG_INPUT 105

/* The About box "about": the title line. */
#define IDC_ABOUT_TITLE 100

#ifndef RC_INVOKED

namespace kalvor::id {

constexpr int kExit = IDM_EXIT;
constexpr int kTestId = IDC_MAIN_TESTID;
constexpr int kOptions = IDC_MAIN_OPTIONS;
constexpr int kRun = IDC_MAIN_RUN;

// Radio buttons 104..117 form one group.
constexpr int kRadioFirst = IDC_MAIN_MAC_TO_NET;
constexpr int kRadioLast = IDC_MAIN_LVS;
constexpr int kMacToNet = IDC_MAIN_MAC_TO_NET;
constexpr int kGateSim = IDC_MAIN_GATESIM;
constexpr int kMacToTpr = IDC_MAIN_MAC_TO_TPR;
constexpr int kPrune = IDC_MAIN_PRUNE;
constexpr int kGenSpice = IDC_MAIN_GEN_SPICE;
constexpr int kSpiceClean = IDC_MAIN_SPICE_CLEAN;
constexpr int kVhdlSim = IDC_MAIN_VHDL_SIM;
constexpr int kUnsetSim = IDC_MAIN_UNSET_SIM;
constexpr int kVhdOut = IDC_MAIN_VHD_OUT;
constexpr int kMacToVhdl = IDC_MAIN_MAC_TO_VHDL;
constexpr int kEdifToMac = IDC_MAIN_EDIF_TO_MAC;
constexpr int kACells = IDC_MAIN_A_CELLS;
constexpr int kLvs = IDC_MAIN_LVS;

// Push buttons.
constexpr int kViewVec = IDC_MAIN_VIEW_VEC;
constexpr int kViewSim = IDC_MAIN_VIEW_SIM;
constexpr int kSetup = IDC_MAIN_SETUP;
constexpr int kViewOut = IDC_MAIN_VIEW_OUT;
constexpr int kViewLvs = IDC_MAIN_VIEW_LVS;
constexpr int kExtract = IDC_MAIN_EXTRACT;
constexpr int kViewNet = IDC_MAIN_VIEW_NET;
constexpr int kViewMac = IDC_MAIN_VIEW_MAC;
constexpr int kWaveView = IDC_MAIN_WAVE_VIEW;

// Check boxes and the lambda edit.
constexpr int kNoComments = IDC_MAIN_NO_COMMENTS;
constexpr int kNoNc = IDC_MAIN_NO_NC;
constexpr int kNoEnd = IDC_MAIN_NO_END;
constexpr int kNoLambda = IDC_MAIN_NO_LAMBDA;
constexpr int kLambda = IDC_MAIN_LAMBDA;
constexpr int kNoQuestion = IDC_MAIN_NO_QUESTION;
constexpr int kNoC = IDC_MAIN_NO_C;
constexpr int kNoUpper = IDC_MAIN_NO_UPPER;
constexpr int kDiodes = IDC_MAIN_DIODES;
constexpr int kNoCaps = IDC_MAIN_NO_CAPS;
constexpr int kNetTranToDisk = IDC_MAIN_NETTRAN_TO_DISK;

// Menu.
constexpr int kSelectMac = IDM_SELECT_MAC;
constexpr int kAbout = IDM_ABOUT;
constexpr int kHelp = IDM_HELP_CONTENTS;
constexpr int kEdit = IDM_EDIT;
constexpr int kSelectSpc = IDM_SELECT_SPC;
constexpr int kImportEdif = IDM_IMPORT_EDIF;
constexpr int kCopyMac = IDM_COPY_MAC;
constexpr int kCopySpice = IDM_COPY_SPICE;
constexpr int kReformat = IDM_REFORMAT;

// The first control of a parameter dialog: field k is kParamField + k - 1.
constexpr int kParamField = IDC_PARAM_FIELD1;

}  // namespace kalvor::id

#endif  // RC_INVOKED

#endif  // KALVOR_PLATFORM_RESOURCE_H
