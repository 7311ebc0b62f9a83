#pragma once
// Resource and control numbers of the macro editor and its pages.

namespace kw::macroedit {

// Templates.
constexpr int kDlgEditMacro = 8715;
constexpr int kPageConstraints = 207;
constexpr int kPageGeometries = 8135;
constexpr int kPageVariables = 8099;
constexpr int kPageCommands = 216;

// Main window.
constexpr int kSelectMacro = 1079;
constexpr int kModules = 1088;
constexpr int kAddModule = 1090;
constexpr int kRenameModule = 1183;
constexpr int kRemoveModule = 1089;
constexpr int kTabs = 8097;
constexpr int kZoom = 1320;
constexpr int kSettings = 1137;

// Constraints page.
constexpr int kConstrGrid = 1001;
constexpr int kDetailGroup = 1081;
constexpr int kValueEdit = 1030;
constexpr int kValueLabel = 1122;
constexpr int kNameEdit = 1000;
constexpr int kNameLabel = 1123;
constexpr int kChoiceCombo = 1005;
constexpr int kChoiceLabel = 1015;
constexpr int kOption1 = 1283;
constexpr int kOption2 = 1284;
constexpr int kDeleteConstraint = 1087;
constexpr int kCut = 1334;
constexpr int kPictureCount = 5;
constexpr int kPictures[kPictureCount] = {1083, 1077, 1084, 1085, 1086};

// Geometries page.
constexpr int kGeomGrid = 1196;

// Variables page.
constexpr int kVarGrid = 1127;
constexpr int kDimGrid = 1128;
constexpr int kEquations = 1129;
constexpr int kVarGroup = 1130;
constexpr int kAddVariable = 1131;
constexpr int kDeleteVariable = 1132;
constexpr int kDimGroup = 1133;
constexpr int kEquationGroup = 1134;

// Commands page: buttons 1024 to 1037 run the command codes 0 to 13.
constexpr int kFirstCommand = 1024;
constexpr int kCommandButtons = 14;

// Icons (module resources; 206, 212 and 217 are drawn elsewhere).
constexpr int kIconSelect = 217;
constexpr int kIconAdd = 212;
constexpr int kIconDelete = 206;
constexpr int kIconZoom = 234;

constexpr const wchar_t* kPlacement = L"DLG_EDIT_MACRO";

} // namespace kw::macroedit
