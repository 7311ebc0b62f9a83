#include "launcher/SplashResources.h"

#include "launcher/SplashPicture.h"
#include "launcher/StartupLogic.h"

#include "platform/ui/Application.h"
#include "platform/ui/Resources.h"

namespace launcher {

ui::DialogTemplate splashTemplate() {
    ui::DialogTemplate t;
    t.id = kSplashTemplateId;
    t.style = ui::WS_POPUP | ui::DS_MODALFRAME | ui::DS_SETFONT | ui::DS_CENTER;
    t.rect = ui::dlu(0, 0, 360, 220);
    t.font = ui::FontSpec{8, L"MS Sans Serif", 400};
    t.controls = {
        {kPictureControl, L"Static", L"", ui::SS_BITMAP | ui::SS_CENTERIMAGE,
         ui::dlu(4, 3, 352, 214)},
        {kVersionControl, L"Static", L"version", ui::SS_LEFT, ui::dlu(240, 80, 116, 16)},
        {kNoticeControl, L"Static", L"", ui::SS_CENTER, ui::dlu(33, 183, 303, 10)},
        {kWebControl, L"Static", webLine(), ui::SS_CENTER, ui::dlu(135, 200, 81, 10)},
    };
    return t;
}

void registerLauncherResources() {
    static ui::ResourceModule module = [] {
        ui::ResourceModule m("Trevlon");
        m.addDialog(splashTemplate());
        m.addBitmap(kSplashBitmapId, splashPictureBmp());
        return m;
    }();
    static bool registered = false;
    if (!registered) {
        ui::app().resources().registerModule(&module);
        registered = true;
    }
    ui::app().resources().setDefaultModule(&module);
}

} // namespace launcher
