#pragma once
// CDlgKWOptions: the table options dialog (texts from the language table). Four edits
// give the column and row counts, the header row height and the header column width;
// two grids hold the column header texts (one row) and the row header texts (one
// column) for editing. A count that is typed resizes its grid at once, but only while
// the text is a valid number within the sheet's limits; texts of headers that fall off
// come back when the count grows again. OK reads the texts back from the grids.

#include <map>
#include <string>

#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgKWOptions : public ui::Dialog {
public:
    static constexpr int kTemplateId = 176;
    static constexpr int kRowHeadersId = 1002;
    static constexpr int kColHeadersId = 1025;
    static constexpr int kExplanationId = 1026;
    static constexpr int kHeadersLabelId = 1027;
    static constexpr int kColCountLabelId = 1016;
    static constexpr int kColCountId = 1017;
    static constexpr int kRowCountLabelId = 1018;
    static constexpr int kRowCountId = 1019;
    static constexpr int kRowHeightLabelId = 1020;
    static constexpr int kRowHeightId = 1021;
    static constexpr int kColWidthLabelId = 1022;
    static constexpr int kColWidthId = 1023;
    // The largest header row height and header column width, in pixels.
    static constexpr int kMaxHeaderSize = 2000;

    explicit CDlgKWOptions(ui::Window* parent = nullptr) : ui::Dialog(kTemplateId, parent) {}

    int m_colCount = 0;
    int m_rowCount = 0;
    int m_headerRowHeight = 0;
    int m_headerColWidth = 0;
    Tvl_StringArray m_colTexts;
    Tvl_StringArray m_rowTexts;

    Tvl_Spread& colHeaders() { return m_colGrid; }
    Tvl_Spread& rowHeaders() { return m_rowGrid; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onOK() override;

private:
    // The number in edit `id` when it is one within [low, high].
    bool readNumber(int id, int low, int high, int& value) const;
    void keepTexts();
    void resizeColumns(int count);
    void resizeRows(int count);

    // Every header text seen, also of headers cut off by a smaller count.
    std::map<int, std::wstring> m_allColTexts; // by position from 1
    std::map<int, std::wstring> m_allRowTexts;
    bool m_ready = false;
    Tvl_Spread m_colGrid;
    Tvl_Spread m_rowGrid;
};
