#pragma once
// CDlgEditLibSections: the section library editor, with pages for the groups, the types
// and the values tables. It edits its own copy of the library record; the caller takes
// it back on OK. Values tables are files and change on disk as the values page says.

#include <memory>

#include "core/library/DlgEditLibData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "platform/ui/Dialog.h"

class CTabEditLibGroups;
class CTabEditLibTypes;
class CTabEditLibValues;

class CDlgEditLibSections : public ui::Dialog {
public:
    static constexpr int kTemplateId = 209;
    static constexpr int kTabId = 8097;
    static constexpr int kMinWidth = 380;
    static constexpr int kMinHeight = 370;

    explicit CDlgEditLibSections(ui::Window* parent = nullptr);
    ~CDlgEditLibSections() override;

    DlgEditLibData m_data;
    Tvl_String m_name; // "table-size": the values page starts on that table

    CTabEditLibGroups* groupsPage() const { return m_groups.get(); }
    CTabEditLibTypes* typesPage() const { return m_types.get(); }
    CTabEditLibValues* valuesPage() const { return m_values.get(); }
    void showPage(int index);

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void placePages();

    std::unique_ptr<CTabEditLibGroups> m_groups;
    std::unique_ptr<CTabEditLibTypes> m_types;
    std::unique_ptr<CTabEditLibValues> m_values;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
