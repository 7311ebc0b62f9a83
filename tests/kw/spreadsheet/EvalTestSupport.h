#pragma once
// Shared pieces of the evaluator's tests: documents written into the test's own folder,
// and the FROMTABLE document cache emptied before each test.

#include "../frame/FrameTestSupport.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "kw/spreadsheet/eval/FromTableDocuments.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"

class EvalTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        kw::FromTableDocuments::instance().clear();
        base::setDriveRoot(m_tmp / "drives");
    }
    void TearDown() override {
        kw::FromTableDocuments::instance().clear();
        base::setDriveRoot({});
        FrameTest::TearDown();
    }
    // Saves `s` as <tmp>/<name> and gives the native path.
    std::string saveDoc(const grid::Sheet& s, const std::string& name) {
        const std::filesystem::path p = m_tmp / name;
        EXPECT_TRUE(grid::DocumentFile::save(s, p.string()).ok());
        return p.string();
    }
    std::string writeBytes(const std::string& name, const std::string& bytes) {
        const std::filesystem::path p = m_tmp / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    // A formula text that names a document of the test's folder.
    std::string quoted(const std::string& name) const {
        return "\"" + (m_tmp / name).string() + "\"";
    }

    // Names, weights (number type, double), heights (integer type, long).
    grid::Sheet& profiles(grid::Sheet& s) {
        s.setMaxCols(3);
        s.setMaxRows(3);
        s.setText(1, 0, "Name");
        s.setText(2, 0, "Weight");
        s.setText(3, 0, "h");
        grid::CellType whole;
        whole.code = grid::CellTypeCode::Integer;
        s.setCellType(grid::CellRange{2, 1, 2, 3}, grid::CellType::numberType(1, 0, 1000));
        s.setCellType(grid::CellRange{3, 1, 3, 3}, whole);
        const char* names[] = {"HEA100", "HEA200", "IPE300"};
        const double weights[] = {16.7, 42.3, 42.2};
        const int heights[] = {96, 190, 300};
        for (int r = 1; r <= 3; ++r) {
            s.setText(1, r, names[r - 1]);
            s.setNumber(2, r, weights[r - 1]);
            s.setNumber(3, r, heights[r - 1]);
        }
        return s;
    }
};
