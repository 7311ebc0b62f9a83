#include "kw/spreadsheet/DocumentProperties.h"

#include <algorithm>

namespace kw {

namespace {

void readInt(const Tvl_SimplePropsList& list, const wchar_t* key, int& out) {
    int v = 0;
    if (list.getInt(key, v))
        out = v;
}

void readBool(const Tvl_SimplePropsList& list, const wchar_t* key, bool& out) {
    bool v = false;
    if (list.getBool(key, v))
        out = v;
}

void cut(Tvl_StringArray& list, int length) {
    if (list.length() > length)
        list.setLogicalLength(length);
}

} // namespace

DocumentProperties readDocumentProperties(const Tvl_SimplePropsList& list, bool& equalLength) {
    using namespace docprops;
    DocumentProperties p;
    Tvl_String text;
    if (list.getText(kHeaderFile, text))
        p.headerFile = text;
    if (list.getText(kFooterFile, text))
        p.footerFile = text;
    readInt(list, kMarginLeft, p.marginLeft);
    readInt(list, kMarginRight, p.marginRight);
    readInt(list, kMarginTop, p.marginTop);
    readInt(list, kMarginBottom, p.marginBottom);
    readBool(list, kSmartPrint, p.smartPrint);
    readBool(list, kColors, p.colors);
    readBool(list, kColHeader, p.colHeader);
    readBool(list, kRowHeader, p.rowHeader);
    readBool(list, kCellSeperators, p.cellSeperators);
    readBool(list, kBorder, p.border);
    list.getTextList(kVarNames, p.varNames);
    list.getTextList(kVarValues, p.varValues);
    equalLength = p.varNames.length() == p.varValues.length();
    const int shorter = std::min(p.varNames.length(), p.varValues.length());
    cut(p.varNames, shorter);
    cut(p.varValues, shorter);
    return p;
}

DocumentProperties readDocumentProperties(const Tvl_String& cornerTag, bool& equalLength) {
    Tvl_SimplePropsList list;
    list.fromString(cornerTag); // empty or damaged: an empty list, so the defaults
    return readDocumentProperties(list, equalLength);
}

void writeDocumentProperties(const DocumentProperties& p, Tvl_SimplePropsList& list) {
    using namespace docprops;
    list.setText(kHeaderFile, p.headerFile);
    list.setText(kFooterFile, p.footerFile);
    list.setInt(kMarginLeft, p.marginLeft);
    list.setInt(kMarginRight, p.marginRight);
    list.setInt(kMarginTop, p.marginTop);
    list.setInt(kMarginBottom, p.marginBottom);
    list.setBool(kSmartPrint, p.smartPrint);
    list.setBool(kColors, p.colors);
    list.setBool(kColHeader, p.colHeader);
    list.setBool(kRowHeader, p.rowHeader);
    list.setBool(kCellSeperators, p.cellSeperators);
    list.setBool(kBorder, p.border);
    list.setTextList(kVarNames, p.varNames);
    list.setTextList(kVarValues, p.varValues);
}

Tvl_String rewriteCornerTag(const Tvl_String& oldTag, const DocumentProperties& props) {
    Tvl_SimplePropsList list;
    list.fromString(oldTag);
    writeDocumentProperties(props, list);
    return list.toString();
}

} // namespace kw
