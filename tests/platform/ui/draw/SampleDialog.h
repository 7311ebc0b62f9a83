#pragma once
// A composed sample dialog painted with the theme functions, shared by the theme
// tests (recording and PNG snapshot).

#include "platform/ui/draw/Canvas.h"

namespace drawtest {

inline constexpr ui::Size kSampleDialogSize{560, 400};

// A small picture with a transparent border, as icons are.
ui::Bitmap sampleIcon();
void paintSampleDialog(ui::Canvas& canvas);

} // namespace drawtest
