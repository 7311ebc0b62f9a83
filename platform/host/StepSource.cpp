#include "platform/host/StepSource.h"

#include "platform/host/CommandLine.h"

#include <istream>
#include <ostream>

namespace host {

std::optional<ScriptStep> ScriptStepSource::next(std::string_view) {
    if (m_next >= m_steps.size())
        return std::nullopt;
    return m_steps[m_next++];
}

std::optional<ScriptStep> StreamStepSource::next(std::string_view prompt) {
    for (;;) {
        commandLine().breakLine();
        m_prompts << prompt << std::flush;
        std::string line;
        if (!std::getline(m_in, line)) {
            m_prompts << "\n" << std::flush;
            return std::nullopt;
        }
        ++m_line;
        if (m_echoInput)
            m_prompts << line << "\n" << std::flush;
        std::string error;
        if (auto step = parseScriptLine(line, m_line, error))
            return step;
        if (!error.empty())
            m_messages << error << "\n" << std::flush;
    }
}

std::optional<std::string> StreamStepSource::ask(std::string_view question) {
    commandLine().breakLine();
    m_prompts << question << std::flush;
    std::string line;
    if (!std::getline(m_in, line))
        return std::nullopt;
    ++m_line;
    if (m_echoInput)
        m_prompts << line << "\n" << std::flush;
    return line;
}

} // namespace host
