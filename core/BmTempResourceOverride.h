#pragma once
// BmTempResourceOverride: the resource switch of a module. The module tells it once
// which resource module is its own (SaveDefaultResource, at load); afterwards every
// entry that builds a dialog turns the switch on (SetDefaultResource) so that dialog
// templates, icons and bitmaps resolve to that module first, and off again on every
// way out (RestoreOriginalResource).
//
// Pairs nest: each SetDefaultResource remembers the default it replaced and the
// matching RestoreOriginalResource puts exactly that one back, so on/on/off/off leaves
// the default as it was before the first on. A restore without a matching set changes
// nothing and prints "*Error* Resource switch restored without being set.\n".
// Use Scope to pair the calls even when an exception passes.

namespace ui {
class ResourceModule;
}

class BmTempResourceOverride {
public:
    BmTempResourceOverride();
    virtual ~BmTempResourceOverride();
    BmTempResourceOverride(const BmTempResourceOverride&) = delete;
    BmTempResourceOverride& operator=(const BmTempResourceOverride&) = delete;

    // Remembers the module's own resources (its "instance handle"). Not owned.
    void SaveDefaultResource(ui::ResourceModule* module);
    // Makes the saved module the default for resource lookup.
    void SetDefaultResource();
    // Puts back the default that the matching SetDefaultResource replaced.
    void RestoreOriginalResource();

    ui::ResourceModule* savedResource() const { return m_saved; }
    // How many SetDefaultResource calls are not yet restored.
    int depth() const;

    // Switch on for the lifetime of the object.
    class Scope {
    public:
        explicit Scope(BmTempResourceOverride& o) : m_o(o) { m_o.SetDefaultResource(); }
        ~Scope() { m_o.RestoreOriginalResource(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        BmTempResourceOverride& m_o;
    };

private:
    struct Impl;
    ui::ResourceModule* m_saved = nullptr;
    Impl* m_impl;
};

// The default resource module as the core sees it: the windowing layer's default when
// it is linked in, otherwise the core's own record of it.
ui::ResourceModule* tvlCurrentDefaultResource();
