#include "kw/frame/ModuleResources.h"

#include <vector>

namespace kw {
namespace {

std::vector<ResourceFiller>& fillers() {
    static std::vector<ResourceFiller> list;
    return list;
}

} // namespace

ResourceRegistrar::ResourceRegistrar(ResourceFiller filler) {
    fillers().push_back(filler);
}

ui::ResourceModule& resourceModule() {
    static ui::ResourceModule module = [] {
        ui::ResourceModule m("KW.arx");
        for (ResourceFiller f : fillers())
            f(m);
        return m;
    }();
    return module;
}

} // namespace kw
