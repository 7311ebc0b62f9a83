#pragma once
// CMacroTabPage: what the macro dialog asks of the page of one tab. The general page
// (CMacroTabGeneral) is one; the frame keeps a null entry for tab kinds without a page.

#include "platform/ui/Dialog.h"

class CDlgMacro;

class CMacroTabPage : public ui::Dialog {
public:
    explicit CMacroTabPage(int templateId) : ui::Dialog(templateId) {}

    // Makes the page's window as a child of the frame's tab control.
    virtual bool createPage(ui::Window* tabControl) = 0;
    // The first time any page of the dialog is shown, and every later time.
    virtual void firstEntry() = 0;
    virtual void reEntry() = 0;
    // The page is left (another tab is chosen, or the frame refreshes): keeps where the
    // focus was, so that the next entry can give it back. It does not store values.
    virtual void leave() = 0;
    // Writes the tab data's current values into the controls, without binding again.
    virtual void refresh() = 0;
    // Writes every control into the tab data.
    virtual void store() = 0;
    // Before a save: ends any edit still open, so that store() sees all of it.
    virtual void commitEdits() {}
    // The size the page needs to show all of itself.
    virtual void pageSize(int& width, int& height) const = 0;

    void setTabIndex(int index) { m_tabIndex = index; }
    int tabIndex() const { return m_tabIndex; }

protected:
    int m_tabIndex = -1;
};
