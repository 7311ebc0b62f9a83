#pragma once
// CommandLine: the host's command-line window. Everything modules print with acutPrintf
// and everything the host reports lands here:
//  - kept verbatim (wide text) so tests and script expectations can read it;
//  - each completed line is added to the windowing layer's transcript;
//  - with echo on (the acad program), written to standard output as UTF-8 as it comes.
// It also counts acedPostCommandPrompt and acedUpdateDisplay calls.

#include <cstddef>
#include <string>
#include <string_view>

namespace host {

class CommandLine {
public:
    void write(std::wstring_view text);

    // Everything written since the last clear().
    const std::wstring& text() const { return m_text; }
    // A position in text(), and what was written after it.
    std::size_t mark() const { return m_text.size(); }
    std::wstring textSince(std::size_t mark) const;
    bool contains(std::wstring_view fragment) const {
        return m_text.find(fragment) != std::wstring::npos;
    }
    void clear();

    void setEcho(bool echo) { m_echo = echo; }
    bool echo() const { return m_echo; }

    // Ends a started line on standard output (before the host prints a prompt).
    void breakLine();

    void countPrompt() { ++m_prompts; }
    void countUpdateDisplay() { ++m_updates; }
    int promptCount() const { return m_prompts; }
    int updateDisplayCount() const { return m_updates; }

private:
    std::wstring m_text;
    std::wstring m_pendingLine; // not yet ended, not yet in the transcript
    bool m_echo = false;
    bool m_echoMidLine = false;
    int m_prompts = 0;
    int m_updates = 0;
};

CommandLine& commandLine();

// True while the command line is adding its own lines to the transcript (the acad
// program's transcript echo skips those, it has printed them already).
bool commandLineAddingToTranscript();

} // namespace host
