#pragma once
// MacroData: the record of one or more macros that the core hands to a macro dialog
// and takes back. It crosses the module boundary by value: copies are deep.
//
// For now it carries what the modeless macro dialog table reads: the busy flag (set by
// the core while it works on the dialog's macro; a dialog is not closed while it is
// set) and the closed flag (set by the dialog when it closes).

class MacroData {
public:
    MacroData() = default;
    MacroData(const MacroData& other);
    MacroData& operator=(const MacroData& other);
    virtual ~MacroData();

    bool busy() const { return m_busy != 0; }
    void setBusy(bool busy) { m_busy = busy ? 1 : 0; }
    bool closed() const { return m_closed; }
    void setClosed(bool closed) { m_closed = closed; }

private:
    void copyFrom(const MacroData& other);

    unsigned char m_busy = 0;
    bool m_closed = false;
};
