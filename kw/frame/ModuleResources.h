#pragma once
// The dialogs module's own resources (dialog templates, bitmaps, icons, menus), kept in
// one ui::ResourceModule. Each dialog's source file contributes its templates through a
// KwResourceRegistrar at static initialisation; the module is filled on first use.

#include "platform/ui/Resources.h"

namespace kw {

using ResourceFiller = void (*)(ui::ResourceModule&);

// The module's resources, filled from every registrar on first call.
ui::ResourceModule& resourceModule();

struct ResourceRegistrar {
    explicit ResourceRegistrar(ResourceFiller filler);
};

} // namespace kw
