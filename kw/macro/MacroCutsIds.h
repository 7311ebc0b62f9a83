#pragma once
// Resource numbers of the macro cuts dialog (template 223) and the select-macro dialog
// (template 8717), and the language texts of their own controls.

namespace kw::macro::cuts {

// ---- Macro cuts dialog (223) ------------------------------------------------------------
constexpr int kDlgCuts = 223;
constexpr int kKind = 1284;
constexpr int kVariables = 1196;
constexpr int kNameLabel = 1280;
constexpr int kName = 1282;
constexpr int kSelectMacros = 1079;
constexpr int kMacrosShown = 1124;
constexpr int kUseValue = 1285;
constexpr int kUseVariable = 1286;
constexpr int kClearanceLabel = 1123;
constexpr int kClearance = 1000;
constexpr int kCutFirst = 1288;
constexpr int kCutSecond = 1289;
constexpr int kCutBoth = 1290;
constexpr int kDistance = 1001;
constexpr int kFinishLabel = 1281;
constexpr int kFinish = 1283;
constexpr int kWebOnly = 1323;
constexpr int kFlanges = 1325;
constexpr int kRoundCorners = 1326;

// Texts of the cuts dialog's own controls.
constexpr int kTextCutFirst = 1591;
constexpr int kTextCutSecond = 1592;
constexpr int kTextCutBoth = 1593;
constexpr int kTextWebOnly = 1594;
constexpr int kTextFlanges = 1595;
constexpr int kTextRoundCorners = 1596;
constexpr int kTextFinish = 1597;
constexpr int kTextNotANumber = 1560;

// Columns of the variables grid.
constexpr int kColDescription = 1;
constexpr int kColVariable = 2;
constexpr int kColValue = 3;

// ---- Select-macro dialog (8717) ---------------------------------------------------------
constexpr int kDlgSelectMacro = 8717;
constexpr int kGalleryLabel = 1175;
constexpr int kGallery = 9091;
constexpr int kShowProps = 9093;
constexpr int kPick = 1352;
constexpr int kHint = 1353;
constexpr int kProps = 1196;

} // namespace kw::macro::cuts
