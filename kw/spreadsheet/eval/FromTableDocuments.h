#pragma once
// FromTableDocuments: the documents FROMTABLE reads, each loaded once and kept while
// its file stays the same, and the guard against documents that read themselves.
//
// A document is loaded into a sheet of its own (with FROMTABLE registered on it, so
// documents can read further documents). It is read again only when its file changed
// (size or modification time) or a document it read through FROMTABLE did. Inside a
// CalculationScope a document is checked at most once; outside one every call checks
// the file (a stat, no reading).
//
// While a document is being loaded or evaluated it is "open"; a call that asks for an
// open document (its own, or one further up a chain A -> B -> A), or a chain deeper
// than kMaxDepth, gives the error value #CIRC! instead of loading again.
// See docs/evaluator.md.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/grid/engine/CustomFunction.h"

namespace grid {
class Sheet;
}

namespace kw {

class FromTableLookup;

class FromTableDocuments {
public:
    static constexpr int kMaxDepth = 16;
    static constexpr size_t kMaxDocuments = 16;

    static FromTableDocuments& instance();

    // Answers one FROMTABLE call made by a formula of `calling`. `callerPath` is the
    // native path of the calling document when it is one of ours (empty for a grid of a
    // dialog). Always reports success to the engine; the outcome is in `result`.
    bool call(grid::Sheet& calling, const std::filesystem::path& callerPath,
              grid::ValueRecord& result, const grid::ValueRecord* args, int count);

    // Forgets every document (tests; a document saved over is noticed anyway).
    void clear();
    // How many times a document file was read (tests, benchmarks).
    uint64_t loads() const { return m_loads; }

    // Marks one calculation: documents are checked once inside the outermost scope.
    class CalculationScope {
    public:
        CalculationScope();
        ~CalculationScope();
        CalculationScope(const CalculationScope&) = delete;
        CalculationScope& operator=(const CalculationScope&) = delete;
    };

private:
    struct Document;
    FromTableDocuments();
    ~FromTableDocuments();

    // The loaded document for the path, loading it when needed; null when it cannot be
    // loaded (`error` says which error the call gives).
    Document* open(const std::filesystem::path& path, grid::ErrorCode& error);
    bool upToDate(Document& doc, int depth);
    bool isOpen(const std::filesystem::path& path) const;
    Document* find(const std::filesystem::path& path) const;

    std::vector<std::unique_ptr<Document>> m_documents; // most recently used last
    std::vector<std::filesystem::path> m_open;          // loading or evaluating, in order
    std::vector<Document*> m_loading;                   // being loaded, not in the list yet
    uint64_t m_generation = 1;
    int m_scopeDepth = 0;
    uint64_t m_loads = 0;
};

} // namespace kw

namespace kw {

// Adds FROMTABLE (2 to 5 arguments, flags 1) to a sheet. `ownPath` is the native path
// of the document the sheet holds, when known: names without a folder are then looked
// for beside it first, and the documents it reads count as its own for the cache.
void registerFromTableOn(grid::Sheet& sheet, const std::filesystem::path& ownPath = {});

// The native path a FROMTABLE document name stands for: a product path as it is; a
// name without drive or root beside `callerPath` when that names a document, else in
// the library's "Spreadsheets" folder. Empty for an empty name.
std::filesystem::path resolveFromTableName(const std::string& name,
                                           const std::filesystem::path& callerPath);

} // namespace kw
