#pragma once
// Resource numbers of the profile page (template 219), the advanced profile dialog
// (template 220) and the segmented profile dialog (template 221).

namespace kw::macro::prof {

// ---- Profile page (219) ----------------------------------------------------------------
constexpr int kPageProf = 219;
constexpr int kPanelFrame = 1211;
constexpr int kGroup = 1212;
constexpr int kProfile = 1213;
constexpr int kSectionLabel = 1220;
constexpr int kSection = 1221;
constexpr int kChooseSection = 1222;
constexpr int kOffsetLabel = 1218;
constexpr int kOffsetType = 1219;
constexpr int kRotationLabel = 1216;
constexpr int kRotation = 1316;
constexpr int kPlaneLabel = 1214;
constexpr int kBasePlane = 1215;
constexpr int kPickPlane = 1223;
constexpr int kAdvanced = 1114;
constexpr int kSegmented = 1210;
constexpr int kGrid = 1196;

// ---- Advanced profile dialog (220) ----------------------------------------------------
constexpr int kDlgProfAdv = 220;
constexpr int kAdvGroupLabel = 1187;
constexpr int kAdvGroupName = 1223;
constexpr int kAdvSectionLabel = 1188;
constexpr int kAdvSection = 1250;
constexpr int kAdvChooseSection = 1251;
constexpr int kAdvSection2Label = 1189;
constexpr int kAdvSection2 = 1254;
constexpr int kAdvChooseSection2 = 1255;
constexpr int kAdvValue1Label = 1190;
constexpr int kAdvValue1 = 1248;
constexpr int kAdvValue2Label = 1191;
constexpr int kAdvValue2 = 1249;
constexpr int kAdvOffsetFrame = 1227;
constexpr int kAdvOffsetType = 1228;
constexpr int kAdvOffsetXLabel = 1230;
constexpr int kAdvOffsetX = 1231;
constexpr int kAdvOffsetYLabel = 1234;
constexpr int kAdvOffsetY = 1235;
constexpr int kAdvPickPoint = 1229;
// The insertion points 1..9, row by row from the top left.
constexpr int kAdvPoints[9] = {1232, 1236, 1237, 1049, 1050, 1051, 1052, 1053, 1054};
constexpr int kAdvRotationFrame = 1216;
constexpr int kAdvRot0 = 1233;
constexpr int kAdvRot90 = 1238;
constexpr int kAdvRot180 = 1239;
constexpr int kAdvRot270 = 1240;
constexpr int kAdvRotVaries = 1247;
constexpr int kAdvRotOther = 1241;
constexpr int kAdvAngle = 1242;
constexpr int kAdvPlaneFrame = 1217;
constexpr int kAdvPlaneWcs = 1243;
constexpr int kAdvPlaneNewCs = 1350;
constexpr int kAdvPlaneVaries = 1244;
constexpr int kAdvPlaneExistingCs = 1351;
constexpr int kAdvPlanePicked = 1245;
constexpr int kAdvPlanePick = 1246;
constexpr int kAdvList1 = 1252;
constexpr int kAdvList2 = 1253;
constexpr int kAdvList3 = 1256;
constexpr int kAdvOnSegment = 1224;
constexpr int kAdvSegmentLabel = 1225;
constexpr int kAdvSegment = 1226;
constexpr int kAdvMirrored = 1354;
constexpr int kAdvRemember = 1257;
constexpr int kAdvZoom = 1320;

// ---- Segmented profile dialog (221) ------------------------------------------------------
constexpr int kDlgProfSegm = 221;
constexpr int kSegmAdd = 1088;
constexpr int kSegmRemove = 1089;
constexpr int kSegmListLabel = 1248;
constexpr int kSegmList = 1247;
constexpr int kSegmFrame = 1081;
constexpr int kSegmNameLabel = 1123;
constexpr int kSegmName = 1000;
constexpr int kSegmClearanceLabel = 1124;
constexpr int kSegmClearance = 1232;
constexpr int kSegmBreak = 1249;
constexpr int kSegmRefresh = 1090;

// ---- Texts -------------------------------------------------------------------------------
constexpr int kTextNotANumber = 1560;
constexpr int kTextUnknownSection = 1561;
constexpr int kTextNotASegment = 1562;

} // namespace kw::macro::prof
