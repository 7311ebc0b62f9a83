#pragma once
// CDlgEditMacro: the macro editor. The module bar (select another macro, the module list,
// add, rename and remove a module), the four pages (constraints, geometries, variables,
// commands), zoom and the macro settings. It keeps its own copy of the record; every
// change goes to the core through the call-backs, which write the model's state back
// into that copy. Modal (doModal) or modeless (the module's one editor, kept by the
// constraints-editor slot). docs/macro-editor.md describes the flow.

#include "core/CButtonST.h"
#include "core/macroedit/EditConstrData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "platform/host/CAcUiTabMainDialog.h"

#include <array>
#include <functional>
#include <memory>

class CTabEditConstraints;
class CTabGeometries;
class CTabEditVars;
class CTabMacroCommands;
namespace ui {
class TabControl;
}

class CDlgEditMacro : public CAcUiTabMainDialog {
public:
    enum Tab : int { kTabConstraints = 0, kTabGeometries = 1, kTabVariables = 2, kTabCommands = 3 };

    explicit CDlgEditMacro(ui::Window* parent = nullptr);
    ~CDlgEditMacro() override;

    EditConstrData m_data;
    bool m_modeless = false;

    EditConstrData& data() { return m_data; }
    int currentTab() const { return m_currentTab; }
    CTabEditConstraints* constraintsPage() const { return m_constraints.get(); }
    CTabGeometries* geometriesPage() const { return m_geometries.get(); }
    CTabEditVars* variablesPage() const { return m_variables.get(); }
    CTabMacroCommands* commandsPage() const { return m_commands.get(); }
    ui::TabControl* tabControl() const;

    // Runs a call-back that works in the drawing: the window is hidden meanwhile.
    bool runEditorCommand(const std::function<bool()>& work);
    // A command of the commands tab (code 0 to 13), with its result handling.
    void runMacroCommand(int code);
    // OK, Cancel and close: ends the modal loop, or has the modeless editor closed once
    // its handler has returned.
    void closeEditor(int result);

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    void onClose() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void fillModules();
    void storeEdits();
    void reloadPages();
    void removeHighlights(int tab);
    // The four pages in tab order.
    std::array<ui::Window*, 4> pages() const;
    void layoutPages();
    void showTab(int tab);
    void takeModuleFromList();
    void onSelectMacro();
    void onModuleChanged();
    void onRenameModule();
    void onRemoveModule();
    void onZoom();

    CButtonST m_select;
    CButtonST m_add;
    CButtonST m_remove;
    CButtonST m_zoom;
    std::unique_ptr<CTabEditConstraints> m_constraints;
    std::unique_ptr<CTabGeometries> m_geometries;
    std::unique_ptr<CTabEditVars> m_variables;
    std::unique_ptr<CTabMacroCommands> m_commands;
    int m_currentTab = -1;
    bool m_zoomRunning = false;
    bool m_closePosted = false;
    bool m_destroyed = false;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
