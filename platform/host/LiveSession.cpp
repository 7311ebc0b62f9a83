#include "platform/host/LiveSession.h"

#include "platform/host/LoopInput.h"
#include "platform/host/PickQueue.h"
#include "platform/ui/live/LiveBackend.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>

namespace host {

bool takeLiveSwitch(std::vector<std::string>& args) {
    const auto it = std::remove(args.begin(), args.end(), std::string("--live"));
    const bool found = it != args.end();
    args.erase(it, args.end());
    return found;
}

int runLiveHostSession(const StartupOptions& options) {
    if (options.help || !options.error.empty())
        return runHostSession(options, std::cin);
    std::string why;
    if (!ui::live::start(why)) {
        std::fprintf(stderr, "acad: no live windows: %s; going on without them\n", why.c_str());
        return runHostSession(options, std::cin);
    }
    // std::cin itself reads through the loop, so the session treats it as the terminal
    // (or pipe) it is.
    LoopInputBuf loop(0);
    std::streambuf* old = std::cin.rdbuf(&loop);
    // A point pick that no script answers is asked for at the prompt.
    picks().setPromptReader([]() -> std::optional<std::string> {
        std::fflush(stdout);
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        return line;
    });
    const int code = runHostSession(options, std::cin);
    picks().setPromptReader(nullptr);
    std::cin.rdbuf(old);
    ui::live::stop();
    return code;
}

} // namespace host
