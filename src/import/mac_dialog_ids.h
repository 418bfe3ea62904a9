// Controls of the "Macro Include Files" dialog (template "MacDlg").
#pragma once

#include "platform/resource.h"

namespace kalvor::macdlg {

constexpr const char* kTemplate = "MacDlg";
constexpr const char* kTitle = "Macro Include Files";

// Edit fields: the include files written at the head of the macro file.
constexpr int kFuncMacs = IDC_MACDLG_FUNC;  // "tech->func." (tech to function include)
constexpr int kPriMacs = IDC_MACDLG_PRI;   // "TIB->tech:" (TIB to tech include)
constexpr int kBaseMacs = IDC_MACDLG_BASE;  // "EDIF->TIB:  " (the base macro file)
constexpr int kPadMacs = IDC_MACDLG_PAD;   // "Pads:" (pad definition file)

// "browse.." buttons; each fills the field whose id is its own minus 100.
constexpr int kBrowseFunc = IDC_MACDLG_BROWSE_FUNC;
constexpr int kBrowsePri = IDC_MACDLG_BROWSE_PRI;
constexpr int kBrowseBase = IDC_MACDLG_BROWSE_BASE;
constexpr int kBrowsePad = IDC_MACDLG_BROWSE_PAD;

// Longest text of each field.
constexpr int kFuncCapacity = 255;
constexpr int kPriCapacity = 15999;
constexpr int kBaseCapacity = 259;
constexpr int kPadCapacity = 255;

// Texts of the template.
constexpr const char* kFuncLabel = "tech->func.";
constexpr const char* kFuncNote1 = "(tpr,sim,spc)";
constexpr const char* kFuncNote2 = "(tech to function, e.g. scms2tpr.mac)";
constexpr const char* kPriLabel = "TIB->tech:";
constexpr const char* kPriNote = "(e.g. tib2scms.mac = sch2scms without the sch2tib include)";
constexpr const char* kBaseLabel = "EDIF->TIB:  ";
constexpr const char* kBaseNote = "(translate EDIF cells to Tanner TIB, e.g. 4000base.mac)";
constexpr const char* kPadLabel = "Pads:";
constexpr const char* kPadNote = "(optional file you create to define pads, see help)";
constexpr const char* kExplanation =
    "These includes will be added to the generated .mac file.  Just erase the names to add "
    "none.";
constexpr const char* kBrowseText = "browse..";

}  // namespace kalvor::macdlg
