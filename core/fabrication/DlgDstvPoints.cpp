#include "core/fabrication/DlgDstvPoints.h"

#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"
#include "core/detail/Text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const wchar_t* kHeader = L"DSTV points 1";
constexpr int kFieldCount = 12;
constexpr double kLargestDistance = 1.0e6;
constexpr double kLargestHoleSize = 1.0e4;

Tvl_String escapeField(const Tvl_String& text) {
    std::wstring out;
    for (wchar_t c : text.str()) {
        switch (c) {
        case L'\\':
            out += L"\\\\";
            break;
        case L'\t':
            out += L"\\t";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\r':
            out += L"\\r";
            break;
        default:
            out += c;
        }
    }
    return Tvl_String(out);
}

bool unescapeField(const std::wstring& text, Tvl_String& out) {
    std::wstring s;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\') {
            s += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case L'\\':
            s += L'\\';
            break;
        case L't':
            s += L'\t';
            break;
        case L'n':
            s += L'\n';
            break;
        case L'r':
            s += L'\r';
            break;
        default:
            return false;
        }
    }
    out = Tvl_String(s);
    return true;
}

std::vector<std::wstring> splitTabs(const std::wstring& line) {
    std::vector<std::wstring> fields(1);
    for (wchar_t c : line) {
        if (c == L'\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool readFlag(const std::wstring& text, bool& value) {
    if (text != L"0" && text != L"1")
        return false;
    value = text == L"1";
    return true;
}

bool readSide(const std::wstring& text, BmDstvPointSideSelection& side) {
    if (text.size() != 1 || !isDstvSide(text[0] - L'0'))
        return false;
    side = static_cast<BmDstvPointSideSelection>(text[0] - L'0');
    return true;
}

bool readNumber(const std::wstring& text, double largest, double& value) {
    return Tvl_String(text).toDouble(value) && std::isfinite(value) && value >= 0 &&
           value <= largest;
}

Tvl_String number(double v) {
    return Tvl_String(core_detail::formatC(L"%.17g", v));
}

} // namespace

Tvl_String DlgDstvPoints::getDstvPointsFolder() const {
    return gSettings.libDir() + L"DSTV Points\\";
}

void DlgDstvPoints::getAllDstvPointsFiles(Tvl_StringArray& names) const {
    names.clear();
    Tvl_StringArray files;
    if (!ObjectExportFindFiles(getDstvPointsFolder(), L"*.dat", files))
        return;
    for (int i = 0; i < files.length(); ++i)
        if (getExtension(files[i]).equal(L".dat", true))
            names.append(removeExtension(files[i]));
    std::vector<Tvl_String> sorted;
    for (int i = 0; i < names.length(); ++i)
        sorted.push_back(names[i]);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Tvl_String& a, const Tvl_String& b) {
        return a.compare(b, true) < 0;
    });
    names.clear();
    for (const Tvl_String& n : sorted)
        names.append(n);
}

Tvl_String DlgDstvPoints::getStandardDstvPointsFile() const {
    Tvl_StringArray lines;
    if (!ObjectExportReadFile(getDstvPointsFolder() + L"standard.cfg", lines) ||
        lines.length() == 0)
        return Tvl_String();
    const Tvl_String name = lines[0].trimmed();
    return isValidGroupName(name) ? name + L".dat" : Tvl_String();
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Tvl_String& name) {
    if (!isValidGroupName(name) || !ObjectExportCreateDirectory(getDstvPointsFolder()))
        return false;
    Tvl_StringArray lines;
    lines.append(name);
    return ObjectExportWriteFile(getDstvPointsFolder() + L"standard.cfg", lines);
}

bool DlgDstvPoints::isValidGroupName(const Tvl_String& name) {
    if (name.isEmpty() || name.length() > 100 || name == L"." || name == L"..")
        return false;
    if (name.trimmed().length() != name.length())
        return false;
    for (wchar_t c : name.str())
        if (c < 0x20 || c == 0x7f ||
            std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos)
            return false;
    return true;
}

bool DlgDstvPoints::parse(const Tvl_StringArray& lines, Tvl_Array<Tvl_DstvPointInfo>& points,
                          Tvl_String& error) {
    points.clear();
    if (lines.length() == 0)
        return true; // a new group
    if (lines[0] != kHeader) {
        error = L"it is not a DSTV point group file";
        return false;
    }
    Tvl_Array<Tvl_DstvPointInfo> read;
    for (int l = 1; l < lines.length(); ++l) {
        if (lines[l].isEmpty() && l == lines.length() - 1)
            break;
        const std::vector<std::wstring> f = splitTabs(lines[l].str());
        Tvl_String name;
        bool extent = false, inters = false, middle = false, full = false, thickness = false;
        BmDstvPointSideSelection s1{}, s2{}, start{};
        double minDist = 0, size = 0;
        const bool ok = f.size() == kFieldCount && unescapeField(f[0], name) &&
                        readFlag(f[1], extent) && readSide(f[2], s1) && readSide(f[3], s2) &&
                        dstvSidePair(s1) != dstvSidePair(s2) && readFlag(f[4], inters) &&
                        readFlag(f[5], middle) && readSide(f[6], start) && f[7].size() == 1 &&
                        f[7][0] >= L'0' && f[7][0] <= L'4' &&
                        readNumber(f[8], kLargestDistance, minDist) && readFlag(f[9], full) &&
                        readFlag(f[10], thickness) && readNumber(f[11], kLargestHoleSize, size);
        if (!ok) {
            error = Tvl_String(L"line ") + Tvl_String(l + 1) + L" is damaged";
            return false;
        }
        Tvl_DstvPointInfo p(name);
        p.setSelectGeomExtent(extent, s1, s2);
        p.setSelectIntersGeom(inters, middle, start);
        p.setPlateSelection(static_cast<short>(f[7][0] - L'0'), minDist);
        p.setDrillFullHole(full, thickness, size);
        read.append(p);
    }
    points = read;
    return true;
}

void DlgDstvPoints::format(const Tvl_Array<Tvl_DstvPointInfo>& points, Tvl_StringArray& lines) {
    lines.clear();
    lines.append(kHeader);
    for (int i = 0; i < points.length(); ++i) {
        const Tvl_DstvPointInfo& p = points[i];
        Tvl_StringArray f;
        f.append(escapeField(p.name()));
        f.append(Tvl_String(p.selectGeomExtent() ? 1 : 0));
        f.append(Tvl_String(static_cast<int>(p.sideSelection1())));
        f.append(Tvl_String(static_cast<int>(p.sideSelection2())));
        f.append(Tvl_String(p.selectIntersGeom() ? 1 : 0));
        f.append(Tvl_String(p.selectIntersMid() ? 1 : 0));
        f.append(Tvl_String(static_cast<int>(p.intersStartDir())));
        f.append(Tvl_String(static_cast<int>(std::clamp<short>(p.plateSelection(), 0, 4))));
        f.append(number(std::clamp(p.minPlateSideDist(), 0.0, kLargestDistance)));
        f.append(Tvl_String(p.drillFullHole() ? 1 : 0));
        f.append(Tvl_String(p.radiusThicknessBased() ? 1 : 0));
        f.append(number(std::clamp(p.drillRadius(), 0.0, kLargestHoleSize)));
        lines.append(arrToStr(f, L"\t"));
    }
}

bool DlgDstvPoints::readFromFile(const Tvl_String& name,
                                 Tvl_Array<Tvl_DstvPointInfo>& points) const {
    points.clear();
    m_lastError.clear();
    if (!isValidGroupName(name)) {
        m_lastError = L"the group name is not valid";
        return false;
    }
    Tvl_StringArray lines;
    const Tvl_String path = getDstvPointsFolder() + name + L".dat";
    if (!ObjectExportReadFile(path, lines)) {
        m_lastError = L"the file " + path + L" cannot be read";
        return false;
    }
    Tvl_String why;
    if (!parse(lines, points, why)) {
        m_lastError = L"the file " + path + L" cannot be read: " + why;
        return false;
    }
    return true;
}

bool DlgDstvPoints::writeToFile(const Tvl_String& name,
                                const Tvl_Array<Tvl_DstvPointInfo>& points) const {
    m_lastError.clear();
    if (!isValidGroupName(name) || !ObjectExportCreateDirectory(getDstvPointsFolder())) {
        m_lastError = L"the group name is not valid";
        return false;
    }
    Tvl_StringArray lines;
    format(points, lines);
    if (!ObjectExportWriteFile(getDstvPointsFolder() + name + L".dat", lines)) {
        m_lastError = L"the file cannot be written";
        return false;
    }
    return true;
}
