#include "core/library/SectionShapes.h"

#include "core/LanguageTexts.h"
#include "core/StringHelpers.h"

namespace sectionshapes {

namespace {

struct Shape {
    const wchar_t* picture;
    std::initializer_list<const wchar_t*> values;
};

// Value names in the order the tables store them. Radii: r root radius, r1/r2 root and
// toe radius; c the lip of cold-formed shapes; hc the height of a cut I section.
const Shape kShapes[kCount] = {
    {L"ProfSectionI", {L"h", L"b", L"tw", L"tf", L"r"}},
    {L"ProfSectionCL", {L"h", L"b", L"t", L"r"}},
    {L"ProfSectionHL", {L"h", L"b", L"t", L"r1", L"r2"}},
    {L"ProfSectionCU", {L"h", L"b", L"tw", L"tf", L"r1", L"r2"}},
    {L"ProfSectionT", {L"h", L"b", L"tw", L"tf", L"r"}},
    {L"ProfSectionOI", {L"h", L"b", L"c", L"t", L"r"}},
    {L"ProfSectionOU", {L"h", L"b", L"c", L"t", L"r"}},
    {L"ProfSectionRect", {L"b", L"t"}},
    {L"ProfSectionRound", {L"d"}},
    {L"ProfSectionRectTube", {L"h", L"b", L"t", L"r"}},
    {L"ProfSectionRoundTube", {L"d", L"t"}},
    {L"ProfSectionC", {L"h", L"b", L"c", L"t", L"r"}},
    {L"ProfSectionZ", {L"h", L"b", L"c", L"t", L"r"}},
    {L"ProfSectionV", {L"h", L"b", L"t"}},
    {L"ProfSectionO", {L"h", L"b", L"t"}},
    {L"ProfSectionQ", {L"a"}},
    {L"ProfSectionCuttedI", {L"h", L"b", L"tw", L"tf", L"r", L"hc"}},
};

} // namespace

bool isDrawingName(const Tvl_String& code) {
    return code.endsWith(L".dwg", true);
}

Tvl_String pictureName(int shape) {
    return shape >= 1 && shape <= kCount ? Tvl_String(kShapes[shape - 1].picture) : Tvl_String();
}

void valueNames(int shape, Tvl_StringArray& names) {
    names.clear();
    if (shape < 1 || shape > kCount)
        return;
    for (const wchar_t* v : kShapes[shape - 1].values)
        names.append(v);
}

Tvl_String bracketedText(int shape) {
    if (shape < 1 || shape > kCount)
        return L"<>";
    return L"<" + dialString(kFirstText + shape) + L">";
}

int shapeNumber(const Tvl_String& code) {
    if (isDrawingName(code) || !isNumber(code.trimmed()))
        return 0;
    const double n = code.trimmed().toDouble();
    const int shape = static_cast<int>(n);
    return shape == n && shape >= 1 && shape <= kCount ? shape : 0;
}

Tvl_String displayText(const Tvl_String& code) {
    if (isDrawingName(code))
        return code;
    return bracketedText(shapeNumber(code));
}

Tvl_String codeFromDisplay(const Tvl_String& text) {
    if (isDrawingName(text))
        return text;
    for (int n = 1; n <= kCount; ++n)
        if (text == bracketedText(n))
            return Tvl_String(n);
    return L"-1";
}

} // namespace sectionshapes
