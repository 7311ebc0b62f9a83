#pragma once
// Where the automation driver takes its steps from: a parsed script file, or lines typed
// at the host's prompt (standard input).

#include "platform/host/Script.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class StepSource {
public:
    virtual ~StepSource() = default;
    // The next step; nullopt at the end. `prompt` is shown by interactive sources.
    virtual std::optional<ScriptStep> next(std::string_view prompt) = 0;
    // Interactive sources report failures and go on; scripts stop at the first one.
    virtual bool interactive() const { return false; }
    // Name used in messages ("startup.scr", "stdin").
    virtual std::string name() const = 0;
    // Interactive sources: asks a question, returns the answer line (nullopt at the end
    // of input). Scripts never ask.
    virtual std::optional<std::string> ask(std::string_view /*question*/) { return std::nullopt; }
};

// The steps of a parsed script.
class ScriptStepSource : public StepSource {
public:
    ScriptStepSource(std::string name, std::vector<ScriptStep> steps)
        : m_name(std::move(name)), m_steps(std::move(steps)) {}
    std::optional<ScriptStep> next(std::string_view) override;
    std::string name() const override { return m_name; }

private:
    std::string m_name;
    std::vector<ScriptStep> m_steps;
    size_t m_next = 0;
};

// Lines read from a stream as they are typed; a wrong line is reported on `messages`
// and skipped.
class StreamStepSource : public StepSource {
public:
    StreamStepSource(std::istream& in, std::ostream& prompts, std::ostream& messages)
        : m_in(in), m_prompts(prompts), m_messages(messages) {}
    // Repeats each line read after its prompt (for input that is not a terminal, so the
    // output reads like a session).
    void setEchoInput(bool echo) { m_echoInput = echo; }
    std::optional<ScriptStep> next(std::string_view prompt) override;
    bool interactive() const override { return true; }
    std::string name() const override { return "input"; }
    std::optional<std::string> ask(std::string_view question) override;

private:
    std::istream& m_in;
    std::ostream& m_prompts;
    std::ostream& m_messages;
    int m_line = 0;
    bool m_echoInput = false;
};

} // namespace host
