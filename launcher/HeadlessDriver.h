#pragma once

// The launcher's driver when there is no display: nothing is drawn and nobody clicks.
// Message boxes are written to standard error as "CAPTION: TEXT" and answered with
// their first button (the launcher's boxes have only OK). A modal window waits in real
// time for its next timer, so the splash stays for its timer's period and then closes.

#include "platform/ui/Driver.h"

namespace launcher {

class HeadlessDriver : public ui::Driver {
public:
    HeadlessDriver();
    ~HeadlessDriver() override;

    ui::DriverStep modalStep(ui::Dialog& dialog) override;
    std::optional<int> answerMessageBox(const ui::MessageBoxRequest& request) override;

private:
    ui::Driver* m_previous = nullptr;
};

} // namespace launcher
