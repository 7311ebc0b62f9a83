#include "kw/spreadsheet/eval/FromTableDocuments.h"

#include <algorithm>
#include <system_error>

#include "core/Tvl_Settings.h"
#include "core/Tvl_String.h"
#include "kw/spreadsheet/eval/FromTableLookup.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"

namespace kw {

namespace fs = std::filesystem;

struct FromTableDocuments::Document {
    fs::path path;
    std::unique_ptr<grid::Sheet> sheet;
    std::unique_ptr<FromTableLookup> lookup;
    uintmax_t size = 0;
    fs::file_time_type modified;
    uint64_t checked = 0;        // the generation in which the file was last found unchanged
    std::vector<fs::path> reads; // documents its formulas read through FROMTABLE
};

namespace {

bool fileStamp(const fs::path& path, uintmax_t& size, fs::file_time_type& modified) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    size = fs::file_size(path, ec);
    if (ec)
        return false;
    modified = fs::last_write_time(path, ec);
    return !ec;
}

bool isRelativeName(std::wstring_view name) {
    if (name.size() >= 2 && name[1] == L':')
        return false;
    return name.empty() || (name[0] != L'\\' && name[0] != L'/');
}

} // namespace

FromTableDocuments& FromTableDocuments::instance() {
    static FromTableDocuments documents;
    return documents;
}

FromTableDocuments::FromTableDocuments() = default;
FromTableDocuments::~FromTableDocuments() = default;

FromTableDocuments::CalculationScope::CalculationScope() {
    FromTableDocuments& d = instance();
    if (d.m_scopeDepth++ == 0)
        ++d.m_generation;
}

FromTableDocuments::CalculationScope::~CalculationScope() {
    --instance().m_scopeDepth;
}

void FromTableDocuments::clear() {
    // Documents being evaluated stay (their callers still use them).
    std::erase_if(m_documents,
                  [&](const std::unique_ptr<Document>& d) { return !isOpen(d->path); });
}

bool FromTableDocuments::isOpen(const fs::path& path) const {
    return std::find(m_open.begin(), m_open.end(), path) != m_open.end();
}

FromTableDocuments::Document* FromTableDocuments::find(const fs::path& path) const {
    for (const auto& d : m_documents)
        if (d->path == path)
            return d.get();
    for (Document* d : m_loading) // its formulas call while it loads
        if (d->path == path)
            return d;
    return nullptr;
}

bool FromTableDocuments::upToDate(Document& doc, int depth) {
    if (doc.checked == m_generation)
        return true;
    uintmax_t size = 0;
    fs::file_time_type modified;
    if (!fileStamp(doc.path, size, modified) || size != doc.size || modified != doc.modified)
        return false;
    doc.checked = m_generation; // before the documents it reads: they may read it back
    for (const fs::path& read : doc.reads) {
        Document* other = find(read);
        // A document it read that was dropped, or changed, may have given other values.
        if (!other || depth >= kMaxDepth || !upToDate(*other, depth + 1)) {
            doc.checked = 0;
            return false;
        }
    }
    return true;
}

FromTableDocuments::Document* FromTableDocuments::open(const fs::path& path,
                                                       grid::ErrorCode& error) {
    if (isOpen(path) || static_cast<int>(m_open.size()) >= kMaxDepth) {
        error = grid::ErrorCode::Circular;
        return nullptr;
    }
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const std::unique_ptr<Document>& d) { return d->path == path; });
    if (it != m_documents.end()) {
        if (upToDate(**it, 0)) {
            std::rotate(it, it + 1, m_documents.end()); // most recently used last
            return m_documents.back().get();
        }
        m_documents.erase(it);
    }
    auto doc = std::make_unique<Document>();
    doc->path = path;
    doc->sheet = std::make_unique<grid::Sheet>();
    registerFromTableOn(*doc->sheet, path);
    if (!fileStamp(path, doc->size, doc->modified)) {
        error = grid::ErrorCode::Ref;
        return nullptr;
    }
    m_open.push_back(path);
    m_loading.push_back(doc.get());
    ++m_loads;
    const grid::IoStatus st = grid::DocumentFile::load(*doc->sheet, path.string());
    m_loading.pop_back();
    m_open.pop_back();
    if (!st.ok()) {
        error = grid::ErrorCode::Ref;
        return nullptr;
    }
    doc->lookup = std::make_unique<FromTableLookup>(*doc->sheet);
    doc->checked = m_generation;
    // Room for the new one: the least recently used documents that nobody evaluates.
    for (auto old = m_documents.begin();
         m_documents.size() >= kMaxDocuments && old != m_documents.end();) {
        if (isOpen((*old)->path))
            ++old;
        else
            old = m_documents.erase(old);
    }
    m_documents.push_back(std::move(doc));
    return m_documents.back().get();
}

bool FromTableDocuments::call(grid::Sheet& calling, const fs::path& callerPath,
                              grid::ValueRecord& result, const grid::ValueRecord* args, int count) {
    result.status = grid::RecordStatus::NoResult;
    result.error = grid::ErrorCode::None;
    if (!args || count < 2 || count > 5) {
        result.error = grid::ErrorCode::Value;
        return true;
    }
    for (int i = 0; i < count; ++i)
        if (args[i].status != grid::RecordStatus::Ok)
            return true;
    if (args[0].type != grid::RecordType::Text) {
        result.error = grid::ErrorCode::Value;
        return true;
    }
    const fs::path path = resolveFromTableName(args[0].text, callerPath);
    if (path.empty()) {
        result.error = grid::ErrorCode::Value;
        return true;
    }
    if (m_scopeDepth == 0 && m_open.empty())
        ++m_generation; // a calculation of its own: check the file again
    grid::ErrorCode error = grid::ErrorCode::None;
    Document* doc = open(path, error);
    if (!doc) {
        result.error = error;
        return true;
    }
    // The caller's values now depend on this document (one that could not be read is not
    // remembered: it gives its error until the caller is read again).
    if (!callerPath.empty())
        if (Document* caller = find(callerPath))
            if (std::find(caller->reads.begin(), caller->reads.end(), path) == caller->reads.end())
                caller->reads.push_back(path);
    m_open.push_back(path);
    doc->lookup->evaluate(calling, result, args, count);
    m_open.pop_back();
    return true;
}

void registerFromTableOn(grid::Sheet& sheet, const fs::path& ownPath) {
    grid::CustomFunction fn;
    fn.name = "FROMTABLE";
    fn.minArgs = 2;
    fn.maxArgs = 5;
    fn.flags = 1;
    fn.handler = [ownPath](grid::Sheet& calling, grid::ValueRecord& result,
                           const grid::ValueRecord* args, int count) {
        return FromTableDocuments::instance().call(calling, ownPath, result, args, count);
    };
    sheet.addCustomFunction(std::move(fn));
}

fs::path resolveFromTableName(const std::string& name, const fs::path& callerPath) {
    const std::wstring wide = Tvl_String::fromUtf8(name).trimmed().str();
    if (wide.empty())
        return {};
    if (!isRelativeName(wide))
        return base::toNative(wide);
    const fs::path relative = base::toNative(wide);
    std::error_code ec;
    if (!callerPath.empty()) {
        fs::path beside = callerPath.parent_path() / relative;
        if (fs::is_regular_file(beside, ec))
            return beside;
    }
    return base::toNative(gSettings.libDir().str() + L"Spreadsheets\\" + wide);
}

} // namespace kw
