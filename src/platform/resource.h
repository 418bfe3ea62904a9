// Control and command ids of the main dialog and its menu.
#pragma once

namespace kalvor::id {

constexpr int kExit = 2;
constexpr int kTestId = 101;
constexpr int kOptions = 102;
constexpr int kRun = 103;

// Radio buttons 104..117 form one group.
constexpr int kRadioFirst = 104;
constexpr int kRadioLast = 117;
constexpr int kMacToNet = 104;
constexpr int kGateSim = 105;
constexpr int kMacToTpr = 106;
constexpr int kPrune = 107;
constexpr int kGenSpice = 108;
constexpr int kSpiceClean = 109;
constexpr int kVhdlSim = 111;
constexpr int kUnsetSim = 112;
constexpr int kVhdOut = 113;
constexpr int kMacToVhdl = 114;
constexpr int kEdifToMac = 115;
constexpr int kACells = 116;
constexpr int kLvs = 117;

// Push buttons.
constexpr int kViewVec = 210;
constexpr int kViewSim = 211;
constexpr int kSetup = 212;
constexpr int kViewOut = 213;
constexpr int kViewLvs = 214;
constexpr int kExtract = 215;
constexpr int kViewNet = 216;
constexpr int kViewMac = 217;
constexpr int kWaveView = 218;

// Check boxes and the lambda edit.
constexpr int kNoComments = 502;
constexpr int kNoNc = 503;
constexpr int kNoEnd = 504;
constexpr int kNoLambda = 505;
constexpr int kLambda = 506;
constexpr int kNoQuestion = 507;
constexpr int kNoC = 508;
constexpr int kNoUpper = 509;
constexpr int kDiodes = 510;
constexpr int kNoCaps = 511;
constexpr int kNetTranToDisk = 551;

// Menu.
constexpr int kSelectMac = 401;
constexpr int kAbout = 403;
constexpr int kHelp = 404;
constexpr int kEdit = 405;
constexpr int kSelectSpc = 406;
constexpr int kImportEdif = 407;
constexpr int kCopyMac = 409;
constexpr int kCopySpice = 410;
constexpr int kReformat = 411;

}  // namespace kalvor::id
