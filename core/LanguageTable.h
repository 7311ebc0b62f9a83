#pragma once
// LanguageTable: the texts of one product language, read from a ".lang" file
// (docs/language-tables.md gives the grammar). Three tables: D (dialString), S (string)
// and M (macro texts by key).
//
// Loading never fails hard: a missing or unreadable file gives an empty table, damaged
// lines are skipped, and every problem is listed in the LoadResult with its line number.
// Loading does not print; printProblems() puts the list on the command line.

#include "core/Tvl_String.h"

#include <map>
#include <string_view>
#include <unordered_map>
#include <vector>

class LanguageTable {
public:
    enum class Table { Dialog, String };

    // Files larger than this are refused as a whole.
    static constexpr long long kMaxFileBytes = 16ll * 1024 * 1024;
    // Numbers above this are refused (the product uses numbers below 100000).
    static constexpr int kMaxNumber = 9999999;
    // printProblems prints at most this many lines per file, then one summary line.
    static constexpr int kMaxPrintedProblems = 20;

    struct Problem {
        int line = 0; // 1-based; 0 for the file as a whole
        Tvl_String message;
    };
    struct LoadResult {
        bool fileRead = false; // the file existed and could be read
        int entries = 0;       // entries taken
        std::vector<Problem> problems;
        bool ok() const { return fileRead && problems.empty(); }
    };

    // Replaces the contents with the file at `path` (product form). `path` also names
    // the file in problem messages.
    LoadResult loadFromFile(const Tvl_String& path);
    // Replaces the contents with the given file bytes.
    LoadResult loadFromText(std::string_view bytes);

    // Prints each problem as one command-line line:
    // "*Error* Language file <name>, line <n>: <message>; line skipped.\n"
    static void printProblems(const Tvl_String& fileName, const LoadResult& result);

    // The text or null when the table has no entry.
    const Tvl_String* find(Table table, int number) const;
    const Tvl_String* findMacro(const Tvl_String& key) const;
    int count(Table table) const;
    int macroCount() const { return static_cast<int>(m_macro.size()); }
    void clear();

    // The visible placeholder for a missing number: "#1234".
    static Tvl_String placeholder(int number);

private:
    std::unordered_map<int, Tvl_String> m_dialog;
    std::unordered_map<int, Tvl_String> m_string;
    std::unordered_map<Tvl_String, Tvl_String> m_macro;
};
