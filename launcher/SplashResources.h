#pragma once

// The launcher's resources: the splash template 102, its control numbers and the
// splash picture, bitmap 129.

#include "platform/ui/DialogTemplate.h"

namespace launcher {

inline constexpr int kSplashTemplateId = 102;
inline constexpr int kSplashBitmapId = 129;
inline constexpr int kPictureControl = 1012;
inline constexpr int kVersionControl = 1013;
inline constexpr int kNoticeControl = 1017;
inline constexpr int kWebControl = 1018;

// Template 102: a borderless 360 x 220 popup in an 8-point "MS Sans Serif" with the
// picture over the whole client area and the version, notice and web lines.
ui::DialogTemplate splashTemplate();

// Registers the launcher's resource module (once) and makes it the default.
void registerLauncherResources();

} // namespace launcher
