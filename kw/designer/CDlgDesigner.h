#pragma once
// CDlgDesigner: the dialog designer, a modal dialog in which the user places controls
// over a picture and saves them as a dialog design. Reached through StartDlgDesigner.
// docs/designer.md describes the window, its mouse handling and its commands.

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "core/Tvl_String.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "platform/ui/Dialog.h"

#include <memory>

class CControlTracker;

class CDlgDesigner : public ui::Dialog {
public:
    static constexpr int kTemplateId = 227;
    static constexpr int kIconId = 148;
    // The drawing area under every other control (CDesignSurface).
    static constexpr int kSurfaceId = 1320;
    static constexpr int kTypeComboId = 1005, kContentsLabelId = 1016, kContentsEditId = 1304,
                         kListLabelId = 1017, kListEditId = 1305, kTypeGroupId = 1015;
    static constexpr int kOpenId = 1299, kSaveId = 1302, kAddId = 1300, kDeleteId = 1301,
                         kWidthId = 1306, kHeightId = 1307, kCopyId = 1199, kPictureId = 1303,
                         kAlignId = 1200, kStickId = 1201;
    static constexpr int kDynIdFirst = 33000, kDynIdLast = 33099;

    explicit CDlgDesigner(ui::Window* parent = nullptr);

    // The design to open at start (a path below the designs' root); may be empty.
    Tvl_String m_startPath;

    Tvl_DlgDesignerData& design() { return *m_design; }
    bool isModified() const { return m_modified; }
    CControlTracker* tracker() const;

    // The commands, as the tool buttons run them.
    bool openDesign(const Tvl_String& path);
    bool saveUnderName();
    // Asks whether to save unsaved changes; false when the user cancelled (or the save
    // failed), so the action must not go on.
    bool saveQuestion();

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    void onClose() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool preTranslateMessage(ui::Message& msg) override;
    void onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onMouseUp(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onMouseMove(unsigned flags, ui::Point client) override;
    bool onSetCursor(ui::Window* window, int hitTest, unsigned mouseMsg) override;
    void onPaint(ui::Canvas& canvas) override;
    bool onEraseBkgnd(ui::Canvas& canvas) override;
    bool onCtlColor(ui::CtlColor& color) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void bind(Tvl_DlgDesignerData& design);
    void setTitle();
    void updateToolStates();
    void onPicture();
    bool writeTo(const Tvl_String& path);
    Tvl_String startFolder() const;
    void paneChanged();
    void message(const Tvl_String& text);

    // Replaced whole when another design is opened (read aside, taken only when whole).
    std::unique_ptr<Tvl_DlgDesignerData> m_design;
    CButtonST m_buttons[8];
    CResizer m_resizer;
    bool m_modified = false;
    bool m_ready = false;
};
