#pragma once
// Resource and control numbers of the macro settings pages (filters, more filters,
// properties, variables, groups).

namespace kw::filters {

// Templates.
constexpr int kPageFilter = 8142;
constexpr int kPageFilter2 = 213;
constexpr int kPageProps = 8718;
constexpr int kPageVariables = 214;
constexpr int kPageGroups = 215;

// Shared by several pages.
constexpr int kGrid = 1001;        // grid frame of the filter, properties and variables pages
constexpr int kExplanation = 1175; // explanation static (variables, groups, properties)
constexpr int kAddRow = 1088;      // variables and properties pages
constexpr int kDeleteRow = 1089;

// Filter page.
constexpr int kFiltersOn = 1351;
constexpr int kAxisGroup = 1140;
constexpr int kSectionAngleGroup = 1141;
constexpr int kAxisModeInside = 1144;
constexpr int kAxisModeOutside = 1145;
constexpr int kAxisEnabled = 1146;
constexpr int kAxisMinLabel = 1147;
constexpr int kAxisMaxLabel = 1148;
constexpr int kAxisMin = 1149;
constexpr int kAxisMax = 1150;
constexpr int kAxisList = 1151;
constexpr int kSectionAngleList = 1152;
constexpr int kSectionAngleEnabled = 1153;
constexpr int kDeletePair = 1154;
constexpr int kAddPair = 1155;
constexpr int kPictureAngle180 = 1157;
constexpr int kPictureAngle90 = 1158;
constexpr int kPictureSectionAngle = 1159;

// Second filter page.
constexpr int kSecondFiltersOn = 1179;
constexpr int kPathGroup = 1159;
constexpr int kPathEnabled = 1160;
constexpr int kPathMinLabel = 1161;
constexpr int kPathMin = 1162;
constexpr int kPathMaxLabel = 1163;
constexpr int kPathMax = 1164;
constexpr int kPicturePath = 1165;
constexpr int kSizeGroup = 1166;
constexpr int kSizeEnabled = 1167;
constexpr int kMinHeightLabel = 1168;
constexpr int kMinHeight = 1169;
constexpr int kMaxHeightLabel = 1170;
constexpr int kMaxHeight = 1171;
constexpr int kPictureSize = 1172;
constexpr int kSizeList = 1173;
constexpr int kPathList = 1174;
constexpr int kMinWidthLabel = 1175;
constexpr int kMinWidth = 1176;
constexpr int kMaxWidthLabel = 1177;
constexpr int kMaxWidth = 1178;

// Variables page.
constexpr int kLengthUnitLabel = 1363;
constexpr int kLengthUnit = 1364;
constexpr int kAngleUnitLabel = 1365;
constexpr int kAngleUnit = 1366;
constexpr int kDecimalsLabel = 1367;
constexpr int kDecimals = 1368;

// Groups page.
constexpr int kNameExplanation = 1180;
constexpr int kDescriptionExplanation = 1181;
constexpr int kGroupName = 1182;
constexpr int kGroupDescription = 1018;
constexpr int kPartsGrid = 1196;

// Properties page.
constexpr int kPropLabel = 1280;
constexpr int kValuesGroup = 1281;
constexpr int kPropList = 1282;
constexpr int kDesignLabel = 1318;
constexpr int kDesignList = 1322;

// Icons (module resources).
constexpr int kIconAdd = 212;
constexpr int kIconDelete = 206;

// Picture files under the installation's "icons\" folder.
constexpr const wchar_t* kBitmapAngle90 = L"MacroFilterAngle90.bmp";
constexpr const wchar_t* kBitmapAngle180 = L"MacroFilterAngle180.bmp";
constexpr const wchar_t* kBitmapSectionAngle = L"MacroFilterSectionAngle.bmp";
constexpr const wchar_t* kBitmapPathDistance = L"MacroFilterPathDistance.bmp";
constexpr const wchar_t* kBitmapSectionSize = L"MacroFilterSectionSize.bmp";

} // namespace kw::filters
