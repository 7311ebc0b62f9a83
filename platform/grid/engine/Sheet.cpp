#include "platform/grid/engine/Sheet.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/SheetData.h"

namespace grid {

namespace {

constexpr double kTwipsPerPixel = 15.0;

std::string lowerAscii(std::string_view s) {
    std::string r(s);
    for (auto& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

} // namespace

Sheet::Sheet() : m_d(std::make_unique<SheetData>()) {
    // The control calculates on every change until told otherwise.
    m_d->setOption(kOptionAutoCalc, true);
}

Sheet::~Sheet() = default;

int32_t Sheet::maxCols() const {
    return m_d->maxCols;
}
int32_t Sheet::maxRows() const {
    return m_d->maxRows;
}

// --- contents -------------------------------------------------------------------

// After a cell's content changed: its dependents become out of date and, with
// automatic calculation on, are calculated at once.
static void afterChange(Sheet& sheet, SheetData& d, int32_t col, int32_t row) {
    d.setOption(kOptionChanged, true);
    const Slot* s = d.slot(col, row);
    bool hasRanges = static_cast<size_t>(col) < d.rangesByCol.size() && !d.rangesByCol[col].empty();
    if ((s && s->depHead) || hasRanges)
        d.markDependentsDirty(col, row);
    if (d.option(kOptionAutoCalc) && (!d.dirty.empty() || !d.volatiles.empty()))
        d.calculateDirty(sheet);
}

bool Sheet::setValue(int32_t col, int32_t row, const Value& v) {
    if (!m_d->inSheet(col, row))
        return false;
    if (v.isEmpty() && !m_d->slot(col, row))
        return true;
    m_d->removeFormula(col, row);
    m_d->storeValue(m_d->slotRef(col, row), v);
    afterChange(*this, *m_d, col, row);
    return true;
}

bool Sheet::setNumber(int32_t col, int32_t row, double v) {
    if (!m_d->inSheet(col, row) || !std::isfinite(v))
        return false;
    Slot& s = m_d->slotRef(col, row);
    if (s.formula)
        m_d->removeFormula(col, row);
    Slot& s2 = m_d->slotRef(col, row);
    if (s2.type == ValueType::Text)
        m_d->freeText(s2.aux);
    s2.type = ValueType::Number;
    s2.num = v;
    s2.aux = 0;
    (void)s;
    afterChange(*this, *m_d, col, row);
    return true;
}

bool Sheet::setText(int32_t col, int32_t row, std::string_view text) {
    return setValue(col, row, text.empty() ? Value{} : Value::text(std::string(text)));
}

FormulaStatus Sheet::setFormula(int32_t col, int32_t row, std::string_view text) {
    return setFormula(col, row, text, m_d->refStyle);
}

FormulaStatus Sheet::setFormula(int32_t col, int32_t row, std::string_view text, RefStyle style) {
    FormulaStatus st;
    if (!m_d->inSheet(col, row)) {
        st.ok = false;
        st.message = "cell outside the sheet";
        return st;
    }
    // An empty formula removes the cell's formula (and its value).
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos ||
        (text[first] == '=' &&
         text.find_first_not_of(" \t\r\n", first + 1) == std::string_view::npos)) {
        if (hasFormula(col, row))
            clearContents(col, row);
        return st;
    }
    // A formula filled down a column: the code of the one above, without parsing.
    FormulaMemo* memo = nullptr;
    for (FormulaMemo& m : m_d->formulaMemos)
        if (m.col == col)
            memo = &m;
    uint32_t code;
    if (memo && memo->style == style &&
        FormulaParser::sameCode(memo->text, memo->row, text, row, style)) {
        code = m_d->internCode(memo->code);
    } else {
        FormulaParser parser;
        ParseResult pr = parser.parse(text, style, col, row, m_d->scratch);
        if (!pr.ok) {
            st.ok = false;
            st.message = pr.message;
            st.position = pr.position;
            return st;
        }
        code = m_d->internCode(m_d->scratch);
        if (!memo) {
            memo = &m_d->formulaMemos[m_d->nextMemo];
            m_d->nextMemo = (m_d->nextMemo + 1) % m_d->formulaMemos.size();
            memo->col = col;
        }
        memo->style = style;
        memo->code = m_d->scratch;
    }
    memo->text.assign(text);
    memo->row = row;
    m_d->removeFormula(col, row);
    m_d->clearValue(m_d->slotRef(col, row));
    m_d->addFormula(col, row, code);
    afterChange(*this, *m_d, col, row);
    return st;
}

bool Sheet::clearContents(int32_t col, int32_t row) {
    if (!m_d->inSheet(col, row))
        return false;
    if (!m_d->slot(col, row))
        return true;
    m_d->removeFormula(col, row);
    m_d->clearValue(m_d->slotRef(col, row));
    afterChange(*this, *m_d, col, row);
    return true;
}

static bool isNumberType(CellTypeCode c) {
    return c == CellTypeCode::Number || c == CellTypeCode::Float || c == CellTypeCode::Integer ||
           c == CellTypeCode::Percent;
}

static std::vector<std::string> splitItems(const std::string& items) {
    std::vector<std::string> out;
    if (items.empty())
        return out;
    size_t start = 0;
    for (;;) {
        size_t tab = items.find('\t', start);
        out.push_back(
            items.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return out;
}

static size_t utf8Length(std::string_view s) {
    size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

static std::string utf8Prefix(std::string_view s, size_t chars) {
    size_t n = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == chars)
                return std::string(s.substr(0, i));
            ++n;
        }
    }
    return std::string(s);
}

bool Sheet::setData(int32_t col, int32_t row, std::string_view text) {
    if (!m_d->inSheet(col, row))
        return false;
    if (text.empty())
        return clearContents(col, row);
    if (text[0] == '=' && text.size() > 1)
        return setFormula(col, row, text).ok;
    const CellType type = cellType(col, row);
    double x;
    if (isNumberType(type.code)) {
        std::string t(text);
        bool percent = type.code == CellTypeCode::Percent && !t.empty() && t.back() == '%';
        if (percent)
            t.pop_back();
        if (!parseNumber(t, x))
            return false;
        if (percent)
            x /= 100;
        if (type.minValue <= type.maxValue && (x < type.minValue || x > type.maxValue))
            return false;
        if (type.code == CellTypeCode::Integer)
            x = std::round(x);
        return setNumber(col, row, x);
    }
    if (type.code == CellTypeCode::ComboBox) {
        std::vector<std::string> items = splitItems(type.items);
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == text)
                return setNumber(col, row, static_cast<double>(i));
        if (parseNumber(text, x) && x == std::floor(x) && x >= 0 &&
            x < static_cast<double>(items.size()))
            return setNumber(col, row, x);
        if (type.style & kStyleComboEditable)
            return setText(col, row, text);
        return false;
    }
    if (type.code == CellTypeCode::CheckBox) {
        std::string u = lowerAscii(text);
        if (u == "1" || u == "true")
            return setNumber(col, row, 1);
        if (u == "0" || u == "false")
            return setNumber(col, row, 0);
        return false;
    }
    if (parseNumber(text, x))
        return setNumber(col, row, x);
    if (type.code == CellTypeCode::Edit && type.maxLength > 0 &&
        utf8Length(text) > static_cast<size_t>(type.maxLength))
        return setText(col, row, utf8Prefix(text, type.maxLength));
    return setText(col, row, text);
}

Value Sheet::value(int32_t col, int32_t row) const {
    const Slot* s = m_d->slot(col, row);
    return s ? m_d->slotValue(*s) : Value{};
}

bool Sheet::hasFormula(int32_t col, int32_t row) const {
    const Slot* s = m_d->slot(col, row);
    return s && s->formula;
}

std::string Sheet::formula(int32_t col, int32_t row) const {
    return formula(col, row, m_d->refStyle);
}

std::string Sheet::formula(int32_t col, int32_t row, RefStyle style) const {
    const Slot* s = m_d->slot(col, row);
    if (!s || !s->formula)
        return {};
    const FormulaCell& f = m_d->formulas[s->formula - 1];
    return writeFormula(*m_d->codes[f.code], style, col, row);
}

static std::string fixed(double v, int decimals) {
    decimals = std::clamp(decimals, 0, 15);
    v = fn::roundHalfAway(v, decimals);
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, res.ptr);
    // No "-0.00".
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string Sheet::displayText(int32_t col, int32_t row) const {
    const CellType type = cellType(col, row);
    Value v = value(col, row);
    switch (type.code) {
    case CellTypeCode::Number:
    case CellTypeCode::Float:
        if (v.isNumber())
            return fixed(v.asNumber(), type.decimals);
        break;
    case CellTypeCode::Integer:
        if (v.isNumber())
            return fixed(v.asNumber(), 0);
        break;
    case CellTypeCode::Percent:
        if (v.isNumber())
            return fixed(v.asNumber() * 100, type.decimals) + "%";
        break;
    case CellTypeCode::ComboBox:
        if (v.isNumber()) {
            std::vector<std::string> items = splitItems(type.items);
            double i = v.asNumber();
            if (i >= 0 && i < static_cast<double>(items.size()) && i == std::floor(i))
                return items[static_cast<size_t>(i)];
            return {};
        }
        break;
    case CellTypeCode::CheckBox:
        return v.asNumber() != 0 || (v.isText() && v.asText() == "1") ? "1" : "0";
    case CellTypeCode::Button:
        return v.isEmpty() ? type.text : v.toString();
    case CellTypeCode::Picture:
        return {};
    default:
        break;
    }
    return v.toString();
}

std::string Sheet::valueText(int32_t col, int32_t row) const {
    const CellType type = cellType(col, row);
    Value v = value(col, row);
    if (type.code == CellTypeCode::CheckBox)
        return v.asNumber() != 0 ? "1" : "0";
    return v.toString();
}

// --- attributes -----------------------------------------------------------------

template <class F> static bool editAttrs(SheetData& d, int32_t col, int32_t row, F f) {
    if (!d.inSheet(col, row))
        return false;
    uint64_t key = cellKey(col, row);
    auto it = d.attrs.find(key);
    if (it == d.attrs.end())
        it = d.attrs.emplace(key, CellAttributes{}).first;
    f(it->second);
    if (it->second.isDefault())
        d.attrs.erase(it);
    d.setOption(kOptionChanged, true);
    return true;
}

bool Sheet::setTag(int32_t col, int32_t row, std::string_view tag) {
    if (!editAttrs(*m_d, col, row, [&](CellAttributes& a) { a.tag = tag; }))
        return false;
    if (col >= 1 && row >= 1) {
        m_d->tagsChanged();
        if (m_d->option(kOptionAutoCalc))
            m_d->calculateDirty(*this);
    }
    return true;
}

std::string Sheet::tag(int32_t col, int32_t row) const {
    const CellAttributes* a = attributes(col, row);
    return a ? a->tag : std::string();
}

bool Sheet::setNote(int32_t col, int32_t row, std::string_view note) {
    return editAttrs(*m_d, col, row, [&](CellAttributes& a) { a.note = note; });
}

std::string Sheet::note(int32_t col, int32_t row) const {
    const CellAttributes* a = attributes(col, row);
    return a ? a->note : std::string();
}

bool Sheet::setCellType(int32_t col, int32_t row, const CellType& type) {
    return editAttrs(*m_d, col, row, [&](CellAttributes& a) { a.type = type; });
}

template <class F> static bool forBlock(const SheetData& d, const CellRange& b0, F f) {
    CellRange b = b0;
    // Unset edges (below 0) mean all columns / rows.
    if (b.col1 < 0)
        b.col1 = 1;
    if (b.row1 < 0)
        b.row1 = 1;
    if (b.col2 < 0)
        b.col2 = d.maxCols;
    if (b.row2 < 0)
        b.row2 = d.maxRows;
    if (b.col1 > b.col2 || b.row1 > b.row2 || b.col2 > d.maxCols || b.row2 > d.maxRows)
        return false;
    for (int32_t r = b.row1; r <= b.row2; ++r)
        for (int32_t c = b.col1; c <= b.col2; ++c)
            f(c, r);
    return true;
}

bool Sheet::setCellType(const CellRange& block, const CellType& type) {
    return forBlock(*m_d, block, [&](int32_t c, int32_t r) { setCellType(c, r, type); });
}

bool Sheet::clearCellType(int32_t col, int32_t row) {
    return editAttrs(*m_d, col, row, [&](CellAttributes& a) { a.type.reset(); });
}

CellType Sheet::cellType(int32_t col, int32_t row) const {
    const CellAttributes* a = attributes(col, row);
    return a && a->type ? *a->type : CellType{};
}

bool Sheet::setFormat(int32_t col, int32_t row, const CellFormat& format) {
    return editAttrs(*m_d, col, row, [&](CellAttributes& a) { a.format = format; });
}

CellFormat Sheet::format(int32_t col, int32_t row) const {
    const CellAttributes* a = attributes(col, row);
    return a ? a->format : CellFormat{};
}

bool Sheet::setFont(const CellRange& block, const Font& font) {
    return forBlock(*m_d, block, [&](int32_t c, int32_t r) {
        editAttrs(*m_d, c, r, [&](CellAttributes& a) {
            a.format.hasFont = true;
            a.format.font = font;
        });
    });
}

bool Sheet::setColors(const CellRange& block, Color back, Color fore) {
    return forBlock(*m_d, block, [&](int32_t c, int32_t r) {
        editAttrs(*m_d, c, r, [&](CellAttributes& a) {
            a.format.back = back;
            a.format.fore = fore;
        });
    });
}

bool Sheet::setBorder(const CellRange& block, const Border& border) {
    return forBlock(*m_d, block, [&](int32_t c, int32_t r) {
        editAttrs(*m_d, c, r, [&](CellAttributes& a) { a.format.border = border; });
    });
}

bool Sheet::setLocked(const CellRange& block, bool locked) {
    return forBlock(*m_d, block, [&](int32_t c, int32_t r) {
        editAttrs(*m_d, c, r, [&](CellAttributes& a) { a.format.locked = locked ? 1 : 0; });
    });
}

bool Sheet::isLocked(int32_t col, int32_t row) const {
    const CellAttributes* a = attributes(col, row);
    return a && a->format.locked == 1;
}

const CellAttributes* Sheet::attributes(int32_t col, int32_t row) const {
    if (m_d->attrs.empty())
        return nullptr;
    auto it = m_d->attrs.find(cellKey(col, row));
    return it == m_d->attrs.end() ? nullptr : &it->second;
}

bool Sheet::setAttributes(int32_t col, int32_t row, const CellAttributes& attrs) {
    bool tagChanged = tag(col, row) != attrs.tag;
    if (!editAttrs(*m_d, col, row, [&](CellAttributes& a) { a = attrs; }))
        return false;
    if (tagChanged && col >= 1 && row >= 1) {
        m_d->tagsChanged();
        if (m_d->option(kOptionAutoCalc))
            m_d->calculateDirty(*this);
    }
    return true;
}

// --- spans ----------------------------------------------------------------------

bool Sheet::addSpan(const Span& span) {
    if (span.cols < 1 || span.rows < 1 || span.col < 0 || span.row < 0)
        return false;
    if (static_cast<int64_t>(span.col) + span.cols - 1 > m_d->maxCols ||
        static_cast<int64_t>(span.row) + span.rows - 1 > m_d->maxRows)
        return false;
    for (const Span& s : m_d->spans) {
        bool apart = span.col + span.cols <= s.col || s.col + s.cols <= span.col ||
                     span.row + span.rows <= s.row || s.row + s.rows <= span.row;
        if (!apart)
            return false;
    }
    m_d->spans.push_back(span);
    m_d->setOption(kOptionChanged, true);
    return true;
}

bool Sheet::removeSpan(int32_t anchorCol, int32_t anchorRow) {
    auto& v = m_d->spans;
    auto it = std::find_if(v.begin(), v.end(),
                           [&](const Span& s) { return s.col == anchorCol && s.row == anchorRow; });
    if (it == v.end())
        return false;
    v.erase(it);
    m_d->setOption(kOptionChanged, true);
    return true;
}

std::optional<Span> Sheet::spanAt(int32_t col, int32_t row) const {
    for (const Span& s : m_d->spans)
        if (s.contains(col, row))
            return s;
    return std::nullopt;
}

const std::vector<Span>& Sheet::spans() const {
    return m_d->spans;
}

// --- sizes ----------------------------------------------------------------------

static double toUnit(const SheetData& d, int32_t px) {
    return d.unitType == UnitType::Twips ? px * kTwipsPerPixel : px;
}
static int32_t fromUnit(const SheetData& d, double v) {
    return static_cast<int32_t>(
        std::lround(d.unitType == UnitType::Twips ? v / kTwipsPerPixel : v));
}

double Sheet::columnWidth(int32_t col) const {
    auto it = m_d->colWidths.find(col);
    return toUnit(*m_d, it == m_d->colWidths.end() ? kDefaultColumnWidthPx : it->second);
}

bool Sheet::setColumnWidth(int32_t col, double width) {
    if (col < 0 || col > m_d->maxCols || !(width >= 0) || width > 1e7)
        return false;
    setColumnWidthPx(col, fromUnit(*m_d, width));
    return true;
}

double Sheet::rowHeight(int32_t row) const {
    auto it = m_d->rowHeights.find(row);
    return toUnit(*m_d, it == m_d->rowHeights.end() ? kDefaultRowHeightPx : it->second);
}

bool Sheet::setRowHeight(int32_t row, double height) {
    if (row < 0 || row > m_d->maxRows || !(height >= 0) || height > 1e7)
        return false;
    setRowHeightPx(row, fromUnit(*m_d, height));
    return true;
}

const std::map<int32_t, int32_t>& Sheet::columnWidthsPx() const {
    return m_d->colWidths;
}
const std::map<int32_t, int32_t>& Sheet::rowHeightsPx() const {
    return m_d->rowHeights;
}
void Sheet::setColumnWidthPx(int32_t col, int32_t px) {
    m_d->colWidths[col] = px;
}
void Sheet::setRowHeightPx(int32_t row, int32_t px) {
    m_d->rowHeights[row] = px;
}

// --- options --------------------------------------------------------------------

bool Sheet::option(int number) const {
    return m_d->option(number);
}

void Sheet::setOption(int number, bool on) {
    bool wasAuto = m_d->option(kOptionAutoCalc);
    m_d->setOption(number, on);
    // Switching automatic calculation on brings every value up to date.
    if (number == kOptionAutoCalc && on && !wasAuto)
        m_d->calculateDirty(*this);
}

const std::map<int, bool>& Sheet::options() const {
    auto& view = m_d->optionsView;
    view = m_d->bigOptions;
    for (size_t i = 0; i < m_d->smallOptions.size(); ++i)
        if (m_d->smallOptions[i] != 0)
            view[static_cast<int>(i)] = m_d->smallOptions[i] > 0;
    return view;
}

RefStyle Sheet::refStyle() const {
    return m_d->refStyle;
}
void Sheet::setRefStyle(RefStyle style) {
    m_d->refStyle = style;
}
UnitType Sheet::unitType() const {
    return m_d->unitType;
}
void Sheet::setUnitType(UnitType unit) {
    m_d->unitType = unit;
}

// --- calculation ----------------------------------------------------------------

void Sheet::recalcAll() {
    if (m_d->calculating > 0)
        return;
    m_d->dirty.clear();
    for (uint32_t fid = 0; fid < m_d->formulas.size(); ++fid) {
        FormulaCell& f = m_d->formulas[fid];
        if (f.state == FState::Dead)
            continue;
        m_d->setDirty(f);
        m_d->dirty.push_back(fid);
    }
    m_d->calculateDirty(*this);
}

void Sheet::recalcCell(int32_t col, int32_t row) {
    if (m_d->calculating > 0)
        return;
    const Slot* s = m_d->slot(col, row);
    if (!s || !s->formula)
        return;
    uint32_t fid = s->formula - 1;
    if (m_d->formulas[fid].state == FState::Clean) {
        m_d->setDirty(m_d->formulas[fid]);
        m_d->calculate(*this, fid);
        // Its dependents may now be out of date.
        m_d->markDependentsDirty(col, row);
        if (m_d->option(kOptionAutoCalc))
            m_d->calculateDirty(*this);
        return;
    }
    m_d->calculate(*this, fid);
}

uint64_t Sheet::evaluationCount() const {
    return m_d->evaluations;
}

// --- custom functions -----------------------------------------------------------

bool Sheet::addCustomFunction(CustomFunction fn) {
    if (fn.name.empty() || fn.minArgs < 0 || fn.maxArgs < fn.minArgs || fn.maxArgs > 255)
        return false;
    std::string key = lowerAscii(fn.name);
    for (auto& f : m_d->customFunctions) {
        if (lowerAscii(f.name) == key) {
            f = std::move(fn);
            return true;
        }
    }
    m_d->customFunctions.push_back(std::move(fn));
    return true;
}

const CustomFunction* Sheet::customFunction(std::string_view name) const {
    std::string key = lowerAscii(name);
    for (const auto& f : m_d->customFunctions)
        if (lowerAscii(f.name) == key)
            return &f;
    return nullptr;
}

// --- iteration ------------------------------------------------------------------

void Sheet::forEachCell(const std::function<void(int32_t, int32_t)>& fn) const {
    for (size_t c = 0; c < m_d->cols.size(); ++c) {
        const auto& slots = m_d->cols[c].slots;
        for (size_t r = 0; r < slots.size(); ++r)
            if (slots[r].type != ValueType::Empty || slots[r].formula)
                fn(static_cast<int32_t>(c), static_cast<int32_t>(r));
    }
}

void Sheet::forEachCellByRow(const std::function<void(int32_t, int32_t)>& fn) const {
    size_t rows = 0;
    for (const auto& col : m_d->cols)
        rows = std::max(rows, col.slots.size());
    for (size_t r = 0; r < rows; ++r)
        for (size_t c = 0; c < m_d->cols.size(); ++c) {
            const auto& slots = m_d->cols[c].slots;
            if (r < slots.size() && (slots[r].type != ValueType::Empty || slots[r].formula))
                fn(static_cast<int32_t>(c), static_cast<int32_t>(r));
        }
}

void Sheet::forEachAttributed(
    const std::function<void(int32_t, int32_t, const CellAttributes&)>& fn) const {
    for (const auto& [key, a] : m_d->attrs)
        fn(static_cast<int32_t>(key >> 32), static_cast<int32_t>(key & 0xFFFFFFFFu), a);
}

} // namespace grid
