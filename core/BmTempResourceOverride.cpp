#include "core/BmTempResourceOverride.h"

#include "core/CorePrint.h"

#include <vector>

#if TVL_UI_AVAILABLE
#include "platform/ui/Application.h"
#endif

namespace {

#if TVL_UI_AVAILABLE
ui::ResourceModule* swapDefault(ui::ResourceModule* module) {
    return ui::Application::instance().resources().setDefaultModule(module);
}
ui::ResourceModule* currentDefault() {
    return ui::Application::instance().resources().defaultModule();
}
#else
// Without the windowing layer the core keeps the default itself.
ui::ResourceModule*& storedDefault() {
    static ui::ResourceModule* d = nullptr;
    return d;
}
ui::ResourceModule* swapDefault(ui::ResourceModule* module) {
    ui::ResourceModule* old = storedDefault();
    storedDefault() = module;
    return old;
}
ui::ResourceModule* currentDefault() {
    return storedDefault();
}
#endif

} // namespace

struct BmTempResourceOverride::Impl {
    std::vector<ui::ResourceModule*> replaced; // defaults replaced by unmatched sets
};

BmTempResourceOverride::BmTempResourceOverride() : m_impl(new Impl) {}

BmTempResourceOverride::~BmTempResourceOverride() {
    delete m_impl;
}

void BmTempResourceOverride::SaveDefaultResource(ui::ResourceModule* module) {
    m_saved = module;
}

void BmTempResourceOverride::SetDefaultResource() {
    m_impl->replaced.push_back(swapDefault(m_saved));
}

void BmTempResourceOverride::RestoreOriginalResource() {
    if (m_impl->replaced.empty()) {
        corePrint(L"*Error* Resource switch restored without being set.\n");
        return;
    }
    swapDefault(m_impl->replaced.back());
    m_impl->replaced.pop_back();
}

int BmTempResourceOverride::depth() const {
    return static_cast<int>(m_impl->replaced.size());
}

ui::ResourceModule* tvlCurrentDefaultResource() {
    return currentDefault();
}
