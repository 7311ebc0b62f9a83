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
#include <vector>

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

    // The words typed after a registered command's name on its line: the command's input,
    // taken word by word with acedGetString while it runs.
    void setCommandInput(std::vector<std::wstring> words) {
        m_input = std::move(words);
        m_inputPos = 0;
    }
    bool takeInputWord(std::wstring& word);
    // The rest of the line, words joined by one blank (empty when none is left).
    std::wstring takeInputRest();
    bool hasInput() const { return m_inputPos < m_input.size(); }
    std::size_t inputTaken() const { return m_inputPos; }

private:
    std::vector<std::wstring> m_input;
    std::size_t m_inputPos = 0;
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
