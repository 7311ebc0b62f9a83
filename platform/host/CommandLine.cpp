#include "platform/host/CommandLine.h"

#include "platform/base/Encoding.h"
#include "platform/ui/Application.h"

#include <cstdio>
#include <cstdlib>

namespace host {
namespace {
bool g_adding = false;
bool g_exiting = false;
} // namespace

CommandLine& commandLine() {
    // Never destroyed: modules may print while the process ends. The windowing layer's
    // application object is a static that is destroyed at exit; the handler registered
    // after it exists runs before that, and from then on lines no longer go to its
    // transcript.
    static CommandLine* line = [] {
        ui::app();
        std::atexit([] { g_exiting = true; });
        return new CommandLine;
    }();
    return *line;
}

bool commandLineAddingToTranscript() {
    return g_adding;
}

void CommandLine::write(std::wstring_view text) {
    if (text.empty())
        return;
    m_text.append(text);
    if (m_echo) {
        const std::string utf8 = base::toUtf8(text);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fflush(stdout);
        m_echoMidLine = text.back() != L'\n';
    }
    for (wchar_t c : text) {
        if (c == L'\n' && g_exiting) {
            m_pendingLine.clear();
        } else if (c == L'\n') {
            g_adding = true;
            ui::app().transcript().add(std::wstring_view(m_pendingLine));
            g_adding = false;
            m_pendingLine.clear();
        } else if (c != L'\r') {
            m_pendingLine += c;
        }
    }
}

std::wstring CommandLine::textSince(std::size_t mark) const {
    return mark >= m_text.size() ? std::wstring() : m_text.substr(mark);
}

void CommandLine::clear() {
    m_text.clear();
    m_pendingLine.clear();
    m_prompts = 0;
    m_updates = 0;
}

void CommandLine::breakLine() {
    if (m_echo && m_echoMidLine) {
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    m_echoMidLine = false;
}

bool CommandLine::takeInputWord(std::wstring& word) {
    if (m_inputPos >= m_input.size())
        return false;
    word = m_input[m_inputPos++];
    return true;
}

std::wstring CommandLine::takeInputRest() {
    std::wstring rest;
    for (; m_inputPos < m_input.size(); ++m_inputPos)
        rest += (rest.empty() ? L"" : L" ") + m_input[m_inputPos];
    return rest;
}

} // namespace host
