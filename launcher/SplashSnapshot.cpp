// trevlon_splash_snapshot OUT.png [EN|NL|DE|FR|viewer|report]
// Writes the splash window as the launcher shows it to a PNG file, from an imagined
// launcher folder with good settings in the given language (default EN), in viewer
// mode, or with settings that lead to the settings report. Nothing is started.

#include "launcher/SplashDialog.h"
#include "launcher/SplashResources.h"

#include "platform/base/Encoding.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/Snapshot.h"

#include <cstdio>
#include <string>

namespace {

class ImaginedFolder : public launcher::StartupEnvironment {
public:
    explicit ImaginedFolder(std::string mode) : m_mode(std::move(mode)) {}
    bool exists(const std::wstring& p) override {
        if (p.ends_with(L"Acad2000") || p.ends_with(L"Acad2004"))
            return false;
        if (p.ends_with(L"viewer.cfg"))
            return m_mode == "viewer";
        return true;
    }
    std::optional<std::string> readFile(const std::wstring& p) override {
        if (!p.ends_with(L"tvlv6.cfg"))
            return std::nullopt;
        if (m_mode == "report")
            return std::string("tvllib=\nacaddir=c:\\cad\n");
        return "tvllib=c:\\tvllib\\\nacaddir=c:\\cad\\\nlanguage=" +
               (m_mode == "viewer" ? std::string("EN") : m_mode) + "\n";
    }
    void showMessage(const std::wstring&, const std::wstring&) override {}
    void startProgram(const std::wstring&, const std::wstring&) override {}

private:
    std::string m_mode;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT.png [EN|NL|DE|FR|viewer|report]\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    ImaginedFolder env(argc == 3 ? argv[2] : "EN");
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK); // the settings report
    bool written = false;
    driver.onDialog(launcher::kSplashTemplateId, [&](ui::Dialog& splash) {
        written = ui::writePng(splash, out);
        splash.endDialog(ui::IDOK);
    });
    launcher::runSplash(env, L"c:\\Trevlon\\", 10000);
    if (!written) {
        std::fprintf(stderr, "could not write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
