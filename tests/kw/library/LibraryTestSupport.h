#pragma once
// Shared set-up of the section library tests: the frame's fixture with a private copy of
// the sample library (resources/install/tvllib/prof) as the library folder.

#include "tests/kw/frame/FrameTestSupport.h"

#include <fstream>
#include <functional>
#include <sstream>

#include "core/MacroLangs.h"
#include "core/Tvl_Settings.h"
#include "core/library/DlgEditLibData.h"
#include "kw/library/Tvl_ProfValuesTable.h"

// Readable failure messages for the core's strings and lists.
inline void PrintTo(const Tvl_String& s, std::ostream* os) {
    *os << '"' << s.toUtf8() << '"';
}
inline void PrintTo(const Tvl_StringArray& a, std::ostream* os) {
    *os << "{";
    for (int i = 0; i < a.length(); ++i)
        *os << (i ? ", \"" : "\"") << a[i].toUtf8() << '"';
    *os << "}";
}
template <class T> void PrintTo(const Tvl_Array<T>& a, std::ostream* os) {
    *os << "{";
    for (int i = 0; i < a.length(); ++i)
        *os << (i ? ", " : "") << testing::PrintToString(a[i]);
    *os << "}";
}

class LibraryTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        m_lib = m_tmp / "lib";
        std::filesystem::create_directories(m_lib);
        std::filesystem::copy(std::filesystem::path(TVL_SOURCE_DIR) /
                                  "resources/install/tvllib/prof",
                              m_lib / "prof", std::filesystem::copy_options::recursive);
        setenv("TVL_LIB_DIR", (m_lib.string() + "/").c_str(), 1);
        gSettings.reload();
        gMacroLangs.SetCurLanguage(L"EN");
    }
    void TearDown() override {
        FrameTest::TearDown();
        unsetenv("TVL_LIB_DIR");
        gSettings.reload();
    }

    std::filesystem::path prof(const std::string& file) const { return m_lib / "prof" / file; }
    std::string contents(const std::string& file) const {
        std::ifstream in(prof(file), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void write(const std::string& file, const std::string& bytes) const {
        std::ofstream out(prof(file), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    bool exists(const std::string& file) const { return std::filesystem::exists(prof(file)); }
    static Tvl_ProfValuesTable table(const wchar_t* name) {
        Tvl_ProfValuesTable t;
        t.readFromFile(Tvl_String(name) + L".pr");
        return t;
    }
    static DlgEditLibData library() {
        DlgEditLibData data;
        Tvl_String problem;
        data.readLibrary(problem);
        return data;
    }

    std::filesystem::path m_lib;
};
