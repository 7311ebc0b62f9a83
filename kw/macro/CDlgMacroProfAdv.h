#pragma once
// CDlgMacroProfAdv: every placement property of one profile group (sections, values,
// insertion point and offsets, rotation, plane, segment, mirroring). It knows its owner
// only through a call-back: type 0 reads the group into the dialog's record when it
// opens, type 1 writes the record after every change (the owner applies it and hands
// back what the model kept, which the dialog shows again), types 2 and 3 hide and show
// the owner while the user picks in the drawing. Without a call-back the dialog changes
// nothing outside itself; a call-back that returns false leaves the record as it was.
//
// Input that is not a number (offsets, angle) or no whole segment number of 1 or more,
// and sections the library does not know, are refused with a message; the record keeps
// its value.

#include "core/MacroProfData.h"
#include "core/macroprof/BmMACallBackData.h"
#include "platform/host/CAcUiDialog.h"

class CDlgMacroProfAdv : public CAcUiDialog {
public:
    explicit CDlgMacroProfAdv(ui::Window* parent = nullptr);

    // The dialog option: true offers the whole dialog as the exports and drawn buttons
    // open it (the profile page gives its preview flag).
    bool m_option = true;
    // Offer check 1257 ("remember"), with its state in and (at OK) out.
    bool m_offerRemember = false;
    bool m_remember = false;
    BmMACallBackData m_data;
    BmMACallBack m_callBack = nullptr;
    MacroProfData m_prof;

    // The coordinate system the dialog created (button 1350), null when none.
    AcDbObjectId createdCoordSys() const { return m_createdCs; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void showRecord();
    void enableControls();
    // Reads the controls into m_prof; false (with the message shown) when a text is
    // refused.
    bool readControls();
    // Stores the controls, calls the call-back with type 1 and shows the record again.
    void apply();
    bool call(BmMACallBackType type);
    void chooseSection(bool second);
    void pickPoint();
    void pickPlane();
    void zoom();
    void hideForPick();
    void showAfterPick();
    void refuse(int text, const Tvl_String& value);
    Tvl_String itemText(int id) const;

    AcDbObjectId m_createdCs;
    MacroProfData m_lastShown; // the record as the controls show it
    bool m_showing = false;
    bool m_zooming = false;
};
