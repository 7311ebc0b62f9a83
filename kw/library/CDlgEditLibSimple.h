#pragma once
// CDlgEditLibSimple: adds one size to a values table, using an existing entry as its
// model. The system name is composed from the values that the table's naming pattern
// names (for "100x50x4": h, b and t), or typed by the user. The new row goes where the
// sorted system names put it; m_resultIndex is its place among the active rows.

#include "core/CButtonST.h"
#include "kw/library/Tvl_ProfValuesTable.h"
#include "platform/ui/Dialog.h"

class CDlgEditLibSimple : public ui::Dialog {
public:
    static constexpr int kTemplateId = 226;
    static constexpr int kFrameId = 1360;
    static constexpr int kAutoId = 1358;
    static constexpr int kOwnId = 1359;
    static constexpr int kNameLabelId = 1123;
    static constexpr int kNameId = 1000;
    static constexpr int kPictureId = 1294;
    static constexpr int kFirstPairId = 1299; // label 1299, edit 1300, ... label 1313, edit 1314
    static constexpr int kPairs = 8;

    explicit CDlgEditLibSimple(ui::Window* parent = nullptr);

    Tvl_String m_sysName;
    Tvl_ProfValuesTable m_table;
    int m_resultIndex = -1;

    // The naming pattern: the table columns whose values make up the system name, in
    // order; empty when no row from the model row on shows one.
    const Tvl_Array<int>& pattern() const { return m_pattern; }
    int modelRow() const { return m_model; }
    // The system name the pattern composes from the value edits ("" without a pattern).
    Tvl_String composedName() const;

    // The pattern of `row`: each "x"-part of its system name matched to a different value
    // column. False when some part matches none.
    static bool readPattern(const Tvl_ProfValuesTable& table, int row,
                            const Tvl_Array<int>& valueColumns, Tvl_Array<int>& pattern);

    // The order of system names: runs of digits compare as numbers ("48.3x3.2" before
    // "60.3x3"), other text without regard to case, numbers before text.
    static int compareNames(const Tvl_String& a, const Tvl_String& b);
    // Where a new name goes: before the first name that sorts after it.
    static int sortedPosition(const Tvl_StringArray& names, const Tvl_String& name);

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onDestroy() override;

private:
    void learnPattern();
    void showComposed();
    Tvl_String valueText(int column) const;
    Tvl_String prefixOf(int languageColumn) const;
    bool checkRow(const Tvl_StringArray& row);

    int m_model = -1;
    Tvl_Array<int> m_valueColumns;    // table columns of the value fields, in order
    Tvl_Array<int> m_languageColumns; // one per language code, -1 when missing
    Tvl_Array<int> m_pattern;
    Tvl_StringArray m_prefixes; // one per language code
    bool m_ready = false;
};
