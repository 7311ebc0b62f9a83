// Formula texts of Excel and OpenFormula to the engine's A1 style and back.

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "platform/grid/engine/io/FormulaTranslation.h"

namespace grid {
namespace {

struct Case {
    const char* in;
    const char* out; // nullptr: no engine form
};

template <typename Translate>
void expectTranslations(Translate translate, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        std::optional<std::string> got = translate(c.in);
        if (!c.out)
            EXPECT_FALSE(got) << c.in << " -> " << got.value_or("");
        else
            EXPECT_EQ(got.value_or("<none>"), c.out) << c.in;
    }
}

TEST(FormulaTranslation, ExcelTextsKeepTheirSyntaxLessPrefixesAndTheirOwnSheet) {
    auto excel = [](const char* in) { return excelToEngine(in, "Data"); };
    expectTranslations(excel,
                       {
                           {"A1+$B$2*C$3", "A1+$B$2*C$3"},
                           {"SUM(A:A)+SUM($1:$2)", "SUM(A:A)+SUM($1:$2)"},
                           {"_xlfn.CONCAT(\"a\",\"b\")", "CONCAT(\"a\",\"b\")"},
                           {"_xlfn._xlws.SORT(A1:A3)", "SORT(A1:A3)"},
                           // Prefixes and sheet names inside texts are text.
                           {"\"_xlfn.X\"&\"Other!A1\"", "\"_xlfn.X\"&\"Other!A1\""},
                           {"\"He said \"\"x\"\"\"", "\"He said \"\"x\"\"\""},
                           // The worksheet being read may be named, in any case, quoted or not.
                           {"Data!A1+data!$B$2", "A1+$B$2"},
                           {"'Data'!A1", "A1"},
                           {"'It''s'!A1", nullptr},
                           {"Other!A1*2", nullptr},
                           {"'My sheet'!A1", nullptr},
                           {"[1]Data!A1", nullptr},
                           {"Table1[Amount]", nullptr},
                           // The '!' of an error literal ends no sheet name.
                           {"IF(#REF!=1,#N/A,#DIV/0!)", "IF(#REF!=1,#N/A,#DIV/0!)"},
                           {"A1 B1", "A1 B1"},
                           {"", ""},
                       });
    EXPECT_EQ(excelToEngine("'It''s'!A1", "it's").value_or("<none>"), "A1");
}

TEST(FormulaTranslation, OpenFormulaReferencesSeparatorsOperatorsAndNamespaces) {
    auto openFormula = [](const char* in) { return openFormulaToEngine(in, "Data"); };
    expectTranslations(openFormula,
                       {
                           {"of:=[.A1]+SUM([.B1:.B3])", "A1+SUM(B1:B3)"},
                           {"of:=[.$A$1]*[.A$1]+[.$A1]", "$A$1*A$1+$A1"},
                           {"=[.A:.A]", "A:A"},
                           {"[.$3:.$5]", "$3:$5"},
                           {"of:=IF([.A5];\"yes\";\"no\")", "IF(A5,\"yes\",\"no\")"},
                           {"of:=\"a;b!c\"&\"[.A1]\"", "\"a;b!c\"&\"[.A1]\""},
                           {"of:=SUM([.A1:.A3]![.A2:.A4])", "SUM(A1:A3 A2:A4)"},
                           {"of:=COM.MICROSOFT.CONCAT(\"a\";\"b\")", "CONCAT(\"a\",\"b\")"},
                           {"of:=ORG.OPENOFFICE.ROT13(\"a\")", "ROT13(\"a\")"},
                           {"of:=TRUE()", "TRUE()"},
                           {"of:=[$Data.A1]+['Data'.B2]+[Data.C3:.D4]", "A1+B2+C3:D4"},
                           {"of:=[$Other.A1]*2", nullptr},
                           {"of:=['file:///x.ods'#$Data.A1]", nullptr},
                           {"of:=[.#REF!]", nullptr},
                           {"of:=[.A1]~[.B1]", nullptr},
                           {"of:=[.A1", nullptr},
                           {"of:=[.A1:.B2:.C3]", nullptr},
                           {"of:=#N/A", "#N/A"},
                       });
}

TEST(FormulaTranslation, EngineTextsGetExcelsPrefixesForNewerFunctionsOnly) {
    EXPECT_EQ(engineToExcel("CONCAT(\"a\",A1)+IFS(A1,1)+SUM(A1)").value_or(""),
              "_xlfn.CONCAT(\"a\",A1)+_xlfn.IFS(A1,1)+SUM(A1)");
    EXPECT_EQ(engineToExcel("STDEV.S(A1:A3)+stdev(A1)").value_or(""),
              "_xlfn.STDEV.S(A1:A3)+stdev(A1)");
    // A name that is no call, and a text, stay as they are.
    EXPECT_EQ(engineToExcel("XOR+\"CONCAT(\"").value_or(""), "XOR+\"CONCAT(\"");
    EXPECT_FALSE(engineToExcel("A1+?"));
    EXPECT_EQ(engineToExcel("\"?\"").value_or(""), "\"?\"");
}

} // namespace
} // namespace grid
