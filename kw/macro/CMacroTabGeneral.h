#pragma once
// CMacroTabGeneral: the page of a general or bolt tab. It shows the tab's dialog design
// (a picture with drawn controls, each bound to a cell, pattern count, bolt field, array
// value, cut or flexible button of the tab) and lists every cell, pattern and array that
// no drawn control shows in a grid below the picture. A bolt tab whose design has no
// bolt controls also offers the assembly, the diameter and the advanced bolt settings.
// Every change the user confirms is stored into the tab data and applied to the model at
// once through the macro dialog (docs/macro-dialog.md).
//
// The profile page (CMacroTabProf) is a general page too: it brings its own template and
// grid control, and reserves the bottom of the page for its fixed panel.

#include <map>
#include <vector>

#include "core/CResizer.h"
#include "core/Tvl_String.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "kw/macro/CMacroTabPage.h"
#include "kw/spreadsheet/Tvl_Spread.h"

class CDlgMacro;
class MacroTabData;
class MacroCell;

class CMacroTabGeneral : public CMacroTabPage {
public:
    // Grid columns.
    static constexpr int kColName = 1;
    static constexpr int kColButton = 2;
    static constexpr int kColValue = 3;
    static constexpr int kColSecond = 4;

    CMacroTabGeneral();
    ~CMacroTabGeneral() override;

    bool createPage(ui::Window* tabControl) override;
    void firstEntry() override;
    void reEntry() override;
    void leave() override;
    void refresh() override;
    void store() override;
    void commitEdits() override;
    void pageSize(int& width, int& height) const override;

    // The pattern dialog hands a changed pattern back through here.
    bool patternChanged(int index, const class MacroPatternProps& pattern);

    // ---- State for tests and the snapshot tool ---------------------------------------
    Tvl_DlgDesignerData& design() { return m_design; }
    Tvl_Spread& grid() { return m_grid; }
    bool gridShown() const { return m_gridRows > 0; }
    int gridRows() const { return m_gridRows; }
    bool isActive() const { return m_active; }
    bool designHasBoltControls() const { return m_designBoltControls; }

protected:
    // A page of another template whose grid is made in the place of control `gridId`.
    CMacroTabGeneral(int templateId, int gridId);

    CDlgMacro* frame();
    MacroTabData* tab();
    void applyPage();
    void layout();
    // The height kept free below the grid for the page's fixed controls.
    virtual int reservedBottom() const;
    int pictureHeight() const { return m_pictureHeight; }
    // A drawn control of a type the general page leaves alone was clicked.
    virtual void onOtherDrawnClicked(int /*id*/, int /*type*/) {}
    // The profile group a drawn profile control (types 13 to 17) is bound to.
    Tvl_String drawnGroup(int id) const;

    bool onInitDialog() override;
    void onOK() override {}
    void onCancel() override {}
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;
    bool preTranslateMessage(ui::Message& msg) override;
    bool onEraseBkgnd(ui::Canvas& canvas) override;
    void onPaint(ui::Canvas& canvas) override;
    bool onCtlColor(ui::CtlColor& color) override;
    void onSize(unsigned type, int cx, int cy) override;

    CResizer m_resizer;
    bool m_resizerUsed = false;
    std::vector<int> m_fixedControls;
    bool m_active = false;

private:
    bool boltControlsShown();

    // Binding (CMacroTabGeneralBind.cpp).
    void bind();
    bool bindControl(MacroTabData& tab, Tvl_DesignerControl& control);
    void buildGrid(MacroTabData& tab);
    void setUpGridRow(int row, const MacroCell& cell);
    Tvl_String resolveListFile(const Tvl_String& file) const;
    // The description file of a design: a name below the designs' root, ".txt" added.
    static Tvl_String designPath(const Tvl_String& designFile);
    Tvl_String fitCaption(const Tvl_DesignerControl& control, const Tvl_String& caption) const;

    // Values (CMacroTabGeneralValues.cpp).
    void fillBoltControls();
    void setFlexButtonStates();
    Tvl_String gridText(int col, int row) const;
    void setGridText(int col, int row, const Tvl_String& text);

    // Actions.
    void applyAgainst(const MacroTabData& before);
    void onDrawnClicked(int id, int type);
    void onFlexDimension(int id, int type);
    void onFlexFix(int id);
    void onArrayButton(int arrayIndex);
    void onPatternButton(int patternIndex);
    void onBoltAdvanced();
    void onDesigner();
    void onGridButton();
    void onAssemblyChanged();
    void onBlockChosen(int id);
    bool onTabKey(bool backward);
    bool focusArea(int area, bool last);
    int focusedArea() const;
    int gridHeight() const;

    int m_templateId;
    int m_gridId;
    Tvl_String m_fontName = L"Verdana";
    Tvl_DlgDesignerData m_design;
    Tvl_Spread m_grid;
    bool m_gridMade = false;
    bool m_designBoltControls = false;
    std::map<int, Tvl_String> m_drawnGroups;
    int m_gridRows = 0;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
};
