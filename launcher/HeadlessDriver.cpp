#include "launcher/HeadlessDriver.h"

#include "platform/base/Encoding.h"
#include "platform/ui/Application.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace launcher {

HeadlessDriver::HeadlessDriver() : m_previous(ui::app().setDriver(this)) {}

HeadlessDriver::~HeadlessDriver() {
    ui::app().setDriver(m_previous);
}

ui::DriverStep HeadlessDriver::modalStep(ui::Dialog&) {
    const std::int64_t wait = ui::app().nextTimerIn();
    if (wait < 0)
        return ui::DriverStep::Idle; // nothing will ever happen: the loop cancels the window
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(wait));
    ui::app().advanceTime(static_cast<std::uint64_t>(wait));
    return ui::DriverStep::Acted;
}

std::optional<int> HeadlessDriver::answerMessageBox(const ui::MessageBoxRequest& request) {
    std::fprintf(stderr, "%s: %s\n", base::toUtf8(request.caption).c_str(),
                 base::toUtf8(request.text).c_str());
    std::fflush(stderr);
    const auto results = request.possibleResults();
    return results.empty() ? ui::IDOK : results.front();
}

} // namespace launcher
