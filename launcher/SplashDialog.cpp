#include "launcher/SplashDialog.h"

#include "launcher/SplashResources.h"
#include "launcher/SplashTiming.h"

#include "platform/ui/Application.h"
#include "platform/ui/controls/Static.h"

namespace launcher {
namespace {

// The caller's environment, with its messages shown by the splash so that the splash
// owns them.
class SplashOwnedEnvironment : public StartupEnvironment {
public:
    SplashOwnedEnvironment(StartupEnvironment& inner, SplashDialog& splash)
        : m_inner(inner), m_splash(splash) {}
    bool exists(const std::wstring& p) override { return m_inner.exists(p); }
    std::optional<std::string> readFile(const std::wstring& p) override {
        return m_inner.readFile(p);
    }
    bool readPieces(const std::wstring& p,
                    const std::function<bool(std::string_view)>& piece) override {
        return m_inner.readPieces(p, piece);
    }
    void showMessage(const std::wstring& caption, const std::wstring& text) override {
        m_splash.showMessage(caption, text);
    }
    void startProgram(const std::wstring& file, const std::wstring& params) override {
        m_inner.startProgram(file, params);
    }

private:
    StartupEnvironment& m_inner;
    SplashDialog& m_splash;
};

} // namespace

SplashDialog::SplashDialog(StartupEnvironment& env, std::wstring launcherFolder, unsigned timerMs)
    : ui::Dialog(kSplashTemplateId), m_env(env), m_folder(std::move(launcherFolder)),
      m_timerMs(timerMs) {}

void SplashDialog::showMessage(const std::wstring& caption, const std::wstring& text) {
    messageBox(text, caption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool SplashDialog::onInitDialog() {
    setTimer(kSplashTimerId, m_timerMs);
    modifyStyleEx(0, ui::WS_EX_TOOLWINDOW); // no taskbar button

    if (auto* picture = dynamic_cast<ui::Static*>(getDlgItem(kPictureControl)))
        picture->setBitmap(ui::app().resources().loadBitmap(kSplashBitmapId));

    // Bold is made by re-creating the point font with weight 700.
    ui::FontSpec version{15, L"Verdana", 400};
    version.weight = 700;
    const ui::FontSpec small{9, L"Verdana", 400};
    if (auto* w = getDlgItem(kVersionControl))
        w->setFont(version);
    for (int id : {kNoticeControl, kWebControl})
        if (auto* w = getDlgItem(id))
            w->setFont(small);

    SplashOwnedEnvironment env(m_env, *this);
    m_outcome = runStartup(m_folder, env);
    if (m_outcome.splash.version)
        setDlgItemText(kVersionControl, *m_outcome.splash.version);
    if (m_outcome.splash.notice)
        setDlgItemText(kNoticeControl, *m_outcome.splash.notice);
    return true;
}

void SplashDialog::onTimer(unsigned id) {
    if (id != kSplashTimerId)
        return ui::Dialog::onTimer(id);
    killTimer(kSplashTimerId);
    endDialog(ui::IDOK);
}

bool SplashDialog::onCtlColor(ui::CtlColor& color) {
    if (color.kind != ui::CTLCOLOR_STATIC)
        return ui::Dialog::onCtlColor(color);
    color.transparentText = true;
    color.textColor = kTextColor;
    color.brush = ui::BrushKind::Hollow;
    return true;
}

void runSplash(StartupEnvironment& env, const std::wstring& launcherFolder, unsigned timerMs) {
    registerLauncherResources();
    ui::app().setDialogColors(SplashDialog::kBackground, ui::Color::fromRgb(0, 0, 0));
    SplashDialog splash(env, launcherFolder, timerMs);
    splash.doModal();
}

} // namespace launcher
