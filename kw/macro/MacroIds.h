#pragma once
// Resource numbers of the macro dialog and its general page: templates, controls, icons
// and the language texts they show.

namespace kw::macro {

// ---- The macro dialog (template 8131) ------------------------------------------------
constexpr int kDlgMacro = 8131;
constexpr int kTab = 8097;
constexpr int kSelectOther = 1176;
constexpr int kFirstList = 1177;
constexpr int kSecondList = 1178;
constexpr int kFirstListFrame = 1179;
constexpr int kSecondListFrame = 1180;
constexpr int kView3 = 1181;
constexpr int kView0 = 1182;
constexpr int kView1 = 1183;
constexpr int kView2 = 1184;
constexpr int kClash = 1292;
constexpr int kReApply = 1293;
constexpr int kLoadProps = 1299;
constexpr int kSaveProps = 1302;

// Icons (module resources, drawn in MacroIcons.cpp).
constexpr int kIconSelectOther = 217;
constexpr int kIconView3 = 218;
constexpr int kIconView0 = 220;
constexpr int kIconView2 = 221;
constexpr int kIconView1 = 222;
constexpr int kIconLoad = 232;
constexpr int kIconSave = 233;
constexpr int kIconClash = 237;

// ---- The general page (template 8137) ------------------------------------------------
constexpr int kPageGeneral = 8137;
constexpr int kGrid = 1001;
constexpr int kAssemblyLabel = 1109;
constexpr int kDiameterLabel = 1110;
constexpr int kAssembly = 1091;
constexpr int kDiameter = 1092;
constexpr int kBoltAdvanced = 1114;
constexpr int kFirstDrawnId = 33000;
constexpr int kLastDrawnId = 33099;

// ---- Texts (dialString) ----------------------------------------------------------------
constexpr int kTextOk = 1;
constexpr int kTextCancel = 2;
constexpr int kTextValue = 86;
constexpr int kTextName = 87;
constexpr int kTextAssembly = 275;
constexpr int kTextClose = 285;
constexpr int kTextDiameter = 328;
constexpr int kTextGroups = 755;
constexpr int kTextAdvanced = 968;
constexpr int kTextDots = 969;
constexpr int kTextDimension = 971;
constexpr int kTextSelectOther = 973;
constexpr int kTextView3 = 974;
constexpr int kTextView0 = 975;
constexpr int kTextView1 = 976;
constexpr int kTextView2 = 977;
constexpr int kTextLoad = 978;
constexpr int kTextSave = 979;
constexpr int kTextClash = 980;
constexpr int kTextMacros = 981;
constexpr int kTextReApply = 982;
constexpr int kTextNewDimension = 1321;
constexpr int kTextDecimalPoint = 1322;
constexpr int kTextEditButton = 1324;
constexpr int kTextNotAllLoaded = 1507;
constexpr int kTextNotFound = 1508;
constexpr int kTextInTotal = 1509;
constexpr int kTextCheckValues = 1510;
constexpr int kTextSaveFailed = 1512;
constexpr int kTextInvalidName = 884;

} // namespace kw::macro
