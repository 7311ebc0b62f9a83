#pragma once
// Tvl_DlgDesignerData: a user-designed dialog (a picture with controls placed on it) and
// its drawing as child windows of a host dialog. The same object serves the dialog
// designer (design mode: controls drawn disabled and handed to the control tracker) and
// the macro dialogs at run time (controls drawn live, with values and a tab order).
// docs/file-formats-product.md describes the design file pair; docs/designer.md the
// drawing, the tab order and the property pane.
//
// A copy of the object is an empty, uninitialized design (nothing is copied).

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/designer/ControlTracker.h"
#include "kw/designer/Tvl_ControlType.h"
#include "kw/designer/Tvl_DesignerControl.h"
#include "kw/frame/KwExport.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/Window.h"
#include "platform/ui/draw/Bitmap.h"

#include <vector>

namespace ui {
class Canvas;
}

// The designs' root folder: libDir + "Dialog Templates\Dialog Design\".
KW_EXPORT Tvl_String getDesignerRootFolder();
// Every "*.txt" below the root (sub-folders too), as paths relative to the root without
// extension, sorted.
KW_EXPORT void getModuleImages(Tvl_StringArray& names);

class KW_EXPORT Tvl_DlgDesignerData {
public:
    static constexpr int kFlexButtonIcon = 239;

    Tvl_DlgDesignerData();
    Tvl_DlgDesignerData(const Tvl_DlgDesignerData&);
    Tvl_DlgDesignerData& operator=(const Tvl_DlgDesignerData&);
    virtual ~Tvl_DlgDesignerData();

    // ---- Set-up and drawing ----------------------------------------------------------
    bool initialize(ui::Window* dialog, const int& dynIdFirst, const int& dynIdLast,
                    const int& typeComboId, const int& contentsLabelId, const int& contentsEditId,
                    const int& listLabelId, const int& listEditId, const bool& designMode);
    // Loads a .bmp as the picture (when the file exists and is a readable bitmap).
    bool attachBitmap(const Tvl_String& path);
    int OnEraseBkgnd(ui::Canvas& canvas);
    void OnPaint(ui::Canvas& canvas);
    int OnSetCursor(const int& hitTest, const unsigned& message);
    void OnLButtonDown(const unsigned& flags, const ui::Point& point);
    void redrawAllControls();
    void removeAllDrawnCtrls();
    ui::Window* getDlgPtr() const;

    // ---- File ----------------------------------------------------------------------
    // Reads a design below the root folder; false (and an empty design) when the file is
    // missing, outside the root, or damaged.
    bool readFromFile(const Tvl_String& path, const bool& withPicture);
    // Writes the design (and copies its picture) to a path below the root folder.
    bool writeToFile(const Tvl_String& path);
    // The name of a path below the root (relative, without extension).
    static bool getNameFromFile(const Tvl_String& path, Tvl_String& name);
    const Tvl_String& getName() const { return m_name; }

    // ---- Controls --------------------------------------------------------------------
    bool addNewControl(const int& type);
    int append(Tvl_DesignerControl& control);
    bool removeControl(const int& index);
    bool removeCurControls();
    int getNrControls() const { return m_controls.length(); }
    const Tvl_DesignerControl* getControl(const int& index) const;
    Tvl_DesignerControl* getControlWrite(const int& index);
    const Tvl_DesignerControl* getControlFromRes(const int& id) const;
    bool findCtrlFromResource(const int& id, int& index) const;
    bool isADynControl(const int& id) const;
    bool getDynControlType(const int& id, int& type) const;
    bool isTypeBoltCount(const int& id) const;
    bool findEditCtrlWithContents(const Tvl_String& name, int& index) const;
    void getAllCtrlNames(Tvl_StringArray& names) const;
    int getCurSel() const;

    // ---- Geometry (pixels of the picture) ---------------------------------------------
    bool getTopLeftX(const int& index, double& px) const;
    bool getTopLeftY(const int& index, double& px) const;
    bool getBottomRightX(const int& index, double& px) const;
    bool getBottomRightY(const int& index, double& px) const;
    bool getWidth(const int& index, double& px) const;
    bool getHeight(const int& index, double& px) const;
    bool setTopLeftX(const int& index, const double& px);
    bool setTopLeftY(const int& index, const double& px);
    bool setBottomRightX(const int& index, const double& px);
    bool setBottomRightY(const int& index, const double& px);
    bool setWidth(const int& index, const double& px);  // right = left + px
    bool setHeight(const int& index, const double& px); // top = bottom - px
    // factor x picture size, and back. Without a picture both give 0.
    double factorToPixels(const bool& horizontal, const double& factor) const;
    double pixelsToFactor(const bool& horizontal, const double& pixels) const;
    void getImageSize(int& width, int& height) const;
    void getSizeFromAllControls();

    // ---- Designer edit operations ----------------------------------------------------
    bool changeCtrlSize(const int& index, const bool& horizontal, const double& pixels);
    // Asks for the width or height (prompt dialog) and applies it to the selection.
    bool changeCtrlSize(const bool& horizontal);
    bool copyCurCtrls();
    bool outlineCurCtrls();
    bool stickRightCurCtrls();
    void sortAllControls();

    // ---- Property pane ---------------------------------------------------------------
    void updatePropsOfCurSel();
    void propsOfCurSelUpdated();

    // ---- Values at run time ----------------------------------------------------------
    bool getCtrlValue(const int& id, Tvl_String& value);
    bool setCtrlValue(const int& id, const Tvl_String& value);
    bool setCtrlReadOnly(const int& id, const bool& readOnly);

    // ---- Flexible buttons (type 30) --------------------------------------------------
    void getFlexBtnsGroups(Tvl_StringArray& groups) const;
    bool getFlexBtnsInGroup(const Tvl_String& group, Tvl_Array<int>& all,
                            Tvl_Array<int>& withField3) const;
    bool getAllFlexVarsOfGroup(const Tvl_String& group, Tvl_StringArray& names) const;
    bool findFlexButton(const Tvl_String& group, const Tvl_String& name, int& index) const;
    bool getFlexBtnGroupName(const int& id, Tvl_String& group, Tvl_String& name) const;
    bool getFlexBtnStatus(const int& index, int& status);
    bool setFlexBtnStatus(const Tvl_String& group, const Tvl_String& name, const int& status);
    bool hideAllFlexBtns(const Tvl_String& group);

    // ---- Focus -----------------------------------------------------------------------
    bool getFocusedDynControl(int& id) const;
    bool setFocusToCtrl(const bool& first);
    // Tab / Shift+Tab through the design's tab order (see Tvl_TabMsgHandle).
    bool handleTabKey(const unsigned& key, Tvl_TabMsgHandle& result);

    bool isInitialized() const { return m_initialized; }
    // True while updatePropsOfCurSel writes the property pane.
    bool isUpdatingProps() const { return m_updatingProps; }
    bool isDesignMode() const { return m_designMode; }
    kw::designer::ControlTracker* tracker() const { return m_tracker; }
    // The drawn window of control `index` (null when not drawn).
    ui::Window* drawnWindow(int index) const;

protected:
    bool drawControl(Tvl_DesignerControl& control);
    void removeDrawnCtrlOnly(const int& id);
    bool findDrawnCtrlFromResource(const int& id, int& index, ui::Rect& rect) const;
    bool getCtrlPtr(const int& index, ui::Window*& window) const;
    void selectCtrls(const std::vector<int>& ids);
    bool getSizeFromControl(const int& index);
    bool sortNextRow(Tvl_Array<int>& candidates, int& counter);
    bool findMostLeftCtrl(const std::vector<int>& ids, int& index) const;
    void updateProps(const int& index);
    void readProps(const int& index);
    bool containsEditableCtrls() const;
    bool findCtrlWithTabOrder(const int& order, int& index) const;
    bool setFocusToCtrl(const int& index);
    bool FillDesCombo(ui::Window* dialog, Tvl_DesignerControl& control);
    void setBtnIcon(Tvl_DesignerControl& control, int icon);
    bool getCheckValue(ui::Window* window, Tvl_String& value) const;
    bool setCheckValue(ui::Window* window, const Tvl_String& value);
    bool getSetCheckValue(bool set, ui::Window* window, Tvl_String& value);
    bool getComboValue(ui::Window* window, Tvl_String& value) const;
    bool setComboValue(ui::Window* window, const Tvl_String& value);
    bool getSetComboValue(bool set, ui::Window* window, Tvl_String& value);
    bool getSetFlexBtnStatus(bool set, const int& index, int& status);

private:
    // The ids of the selected drawn controls; empty when not initialised or no tracker.
    std::vector<int> selectedControlIds() const;
    // The smallest id of the range that no control has; 0 when all are taken.
    int freeId() const;
    void reset();
    bool drawnInStep() const;
    ui::Rect pixelRect(const Tvl_DesignerControl& control) const;

    bool m_initialized = false;
    bool m_updatingProps = false;
    ui::WindowRef<> m_dialog;
    ui::Image m_flexIcon;
    std::vector<ui::WindowRef<>> m_drawn;
    kw::designer::ControlTracker* m_tracker = nullptr;
    ui::Bitmap m_picture;
    ui::Bitmap m_pictureMask;
    ui::Bitmap m_pictureOr; // the picture with its transparent parts black, for the OR blit
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
    int m_dynIdFirst = 0;
    int m_dynIdLast = -1;
    bool m_designMode = false;
    int m_propertyPaneIds[5] = {0, 0, 0, 0, 0};
    Tvl_String m_name;
    Tvl_Array<Tvl_DesignerControl> m_controls;
};
