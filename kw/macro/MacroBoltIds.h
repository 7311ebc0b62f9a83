#pragma once
// Resource numbers of the advanced bolt dialog (template 8140), the bolt pattern dialog
// (template 222) and the array dialog (template 236).

namespace kw::macro::bolt {

// ---- Advanced bolt dialog (8140) -------------------------------------------------------
constexpr int kDlgBoltAdv = 8140;
constexpr int kAssemblyLabel = 1111;
constexpr int kAssembly = 1091;
constexpr int kDiameterLabel = 1112;
constexpr int kDiameter = 1092;
constexpr int kPenetrationLabel = 1121;
constexpr int kPenetration = 1103;
constexpr int kAddedLabel = 1123;
constexpr int kAdded = 1102;
constexpr int kToleranceLabel = 1126;
constexpr int kTolerance = 1104;
constexpr int kTapped = 1110;
constexpr int kReversed = 1116;
constexpr int kCountersunk = 1115;
constexpr int kWorkshop = 1095;
constexpr int kCountOption = 1343;
constexpr int kCountText = 1344;
constexpr int kOptionsFrame = 1365;
constexpr int kHoleColumns = 1366; // the grid of hole columns, inside the options frame
constexpr int kSlotFrame = 1109;
constexpr int kSlotList = 1108;
constexpr int kSlotActive = 1120;
constexpr int kRadiusLabel = 1117;
constexpr int kRadius = 1119;
constexpr int kLengthLabel = 1113;
constexpr int kLength = 1118;
constexpr int kAngleLabel = 1114;
constexpr int kAngle = 1022;
constexpr int kFurtherLabel = 1124;
constexpr int kFurther = 1125;
constexpr int kSlotKindLabel = 1122;
constexpr int kSlotKind = 1324;
constexpr int kPicture = 1196;
constexpr int kNut1 = 8713;
constexpr int kNut1Label = 8669;
constexpr int kNut2 = 8714;
constexpr int kNut2Label = 8667;
constexpr int kWasher1 = 8710;
constexpr int kWasher1Label = 8665;
constexpr int kWasher2 = 8711;
constexpr int kWasher2Label = 8675;
constexpr int kWashers = 8712;
constexpr int kWashersLabel = 8672;

// ---- Bolt pattern dialog (222) ---------------------------------------------------------
constexpr int kDlgPattern = 222;
// One panel per direction; index 0 is the first direction.
struct PatternPanelIds {
    int distributionLabel, distribution, fixed, staggered, count, distanceLabel, distance, grid;
};
constexpr PatternPanelIds kPanels[2] = {{1278, 1279, 1356, 1359, 1264, 1265, 1266, 1357},
                                        {1280, 1281, 1360, 1361, 1267, 1268, 1269, 1358}};
constexpr int kMirror = 1273;
constexpr int kUseEdge = 1274;
constexpr int kCentre = 1276;
constexpr int kNumbers = 1277;

// ---- Array dialog (236) ----------------------------------------------------------------
constexpr int kDlgArray = 236;
constexpr int kKindLabel = 1015;
constexpr int kKind = 1005;
constexpr int kDim1Label = 1125;
constexpr int kDim1 = 1345;
constexpr int kDim2Label = 1129;
constexpr int kDim2 = 1347;
constexpr int kDim3Label = 1130;
constexpr int kDim3 = 1350;
constexpr int kDim4Label = 1134;
constexpr int kDim4 = 1351;
constexpr int kKind1Value = 1011;
constexpr int kValue1Label = 1126;
constexpr int kValue1 = 1002;
constexpr int kValue2Label = 1132;
constexpr int kValue2 = 1009;
constexpr int kValue3Label = 1133;
constexpr int kValue3 = 1010;
constexpr int kFromLabel = 1127;
constexpr int kFrom = 1003;
constexpr int kToLabel = 1128;
constexpr int kTo = 1004;
constexpr int kOption = 1346;
constexpr int kEntriesFrame = 1349;
constexpr int kEntries = 1196;
constexpr int kNewEntry = 1348;
constexpr int kRemoveEntry = 1087;
constexpr int kMarkEntry = 1089;

} // namespace kw::macro::bolt
