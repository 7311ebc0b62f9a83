#pragma once

// SplashDialog: the launcher's only window (template 102). All of the launcher's work
// happens while it initialises: the start-up decision, its messages (owned by the
// splash) and the program starts. Timer 1 then closes it as if confirmed.

#include "launcher/StartupLogic.h"

#include "platform/ui/Dialog.h"

namespace launcher {

class SplashDialog : public ui::Dialog {
public:
    // `env` answers the start-up's questions and starts the programs; the start-up's
    // messages are shown by the splash (showMessage), not by `env`. `timerMs` is the
    // splash time.
    SplashDialog(StartupEnvironment& env, std::wstring launcherFolder, unsigned timerMs);

    // A message box with OK and an exclamation icon, owned by the splash.
    void showMessage(const std::wstring& caption, const std::wstring& text);

    const StartupOutcome& outcome() const { return m_outcome; }

    static constexpr ui::Color kBackground = ui::Color::fromRgb(90, 90, 90);
    static constexpr ui::Color kTextColor = ui::Color::fromRgb(0, 50, 127);

    // Static controls: transparent background, text in kTextColor.
    bool onCtlColor(ui::CtlColor& color) override;

protected:
    bool onInitDialog() override;
    void onTimer(unsigned id) override;

private:
    StartupEnvironment& m_env;
    std::wstring m_folder;
    unsigned m_timerMs;
    StartupOutcome m_outcome;
};

// Application start: the dialog colours, then the splash, run modally. Returns when
// the splash has closed.
void runSplash(StartupEnvironment& env, const std::wstring& launcherFolder, unsigned timerMs);

} // namespace launcher
