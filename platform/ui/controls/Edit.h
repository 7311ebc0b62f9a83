#pragma once
// "Edit" (also "RichEdit20W"): single- or multi-line text with a selection (start, end in
// characters, start <= end after normalisation), ES_READONLY, a text limit (EM_LIMITTEXT,
// default 30000; typed characters beyond it are refused), ES_NUMBER, ES_UPPERCASE /
// ES_LOWERCASE. Every text change, typed or programmatic, sends EN_CHANGE to the parent
// (as the platform does); gaining and losing focus send EN_SETFOCUS / EN_KILLFOCUS.
// Lines are separated by "\r\n" in the text; getLine() returns a line without it.

#include "platform/ui/Window.h"

namespace ui {

class Edit : public Window {
public:
    void setWindowText(std::wstring_view text) override;
    void getSel(int& start, int& end) const {
        start = m_selStart;
        end = m_selEnd;
    }
    // -1 end = to the end of the text; (-1, x) removes the selection (caret at end).
    void setSel(int start, int end);
    void replaceSel(std::wstring_view text);
    void setLimitText(int max) { m_limit = max <= 0 ? 0x7FFFFFFE : max; }
    int getLimitText() const { return m_limit; }
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return (style() & ES_READONLY) != 0; }
    bool isMultiLine() const { return (style() & ES_MULTILINE) != 0; }
    int getLineCount() const;
    std::wstring getLine(int line) const;

    unsigned getDlgCode() const override;

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;
    void onChar(wchar_t ch, unsigned repeat) override;
    void onKeyDown(int vk, unsigned repeat) override;
    void onSetFocus(Window* old) override;
    void onKillFocus(Window* next) override;
    void onMouseDown(MouseButton b, unsigned flags, Point p) override;

private:
    void changed();
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_anchor = 0;
    int m_limit = 30000;
};

} // namespace ui
