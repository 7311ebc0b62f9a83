#include "core/MacroCallBacks.h"

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/detail/Files.h"
#include "core/model/BoltLibrary.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif
#if TVL_UI_AVAILABLE
#include "platform/ui/draw/Bmp.h"
#endif

#include <filesystem>

bool UpdateModule(const Tvl_String& module, MacroData& macro, const Tvl_Array<int>& codes,
                  const Tvl_Array<int>& indices) {
    return model::sampleModel().updateModule(module, macro, codes, indices);
}

bool SelectOtherMacros(MacroData& macro) {
#if TVL_HOST_AVAILABLE
    AcArray<AcDbObjectId> picked;
    if (acedSSGetIds(L"\nSelect macros: ", picked) != RTNORM)
        return false;
    AcArray<AcDbObjectId> macros;
    for (const AcDbObjectId& id : picked)
        if (model::sampleModel().instance(id))
            macros.append(id);
    if (macros.isEmpty()) {
        corePrint(L"Nothing selected is a macro.\n");
        return false;
    }
    return model::sampleModel().fillRecord(macros, macro);
#else
    (void)macro;
    return false;
#endif
}

void UpdateAllFilterModified(MacroData& macro, bool first) {
    model::SampleModel& model = model::sampleModel();
    if (macro.m_firstSelection < 0 || macro.m_firstSelection >= macro.m_groupKeys.length())
        return;
    const Tvl_String group = macro.m_groupKeys[macro.m_firstSelection];
    // The macros of the chosen group, in the model's order.
    std::vector<const model::MacroInstance*> members;
    for (const auto& instance : model.instances())
        if (instance->m_definition->m_group == group)
            members.push_back(instance.get());
    if (members.empty())
        return;
    const int chosen = first ? 0 : macro.m_secondSelection;
    if (chosen < 0 || chosen >= static_cast<int>(members.size()))
        return;
    AcArray<AcDbObjectId> ids;
    ids.append(members[static_cast<size_t>(chosen)]->m_id);
    model.fillRecord(ids, macro);
}

void clashInitDlgStarted(int dialogIndex) {
    model::sampleModel().m_clashDialogs.insert(dialogIndex);
}

void clashDlgClosed(int dialogIndex) {
    model::sampleModel().m_clashDialogs.erase(dialogIndex);
}

void clashResetInfo(const AcArray<AcDbObjectId>& objects) {
    model::sampleModel().m_clashObjects = objects;
}

bool clashGetStatus() {
    return model::sampleModel().m_clashOn;
}

void clashSetStatus(bool on) {
    model::sampleModel().m_clashOn = on;
    corePrint(on ? L"Clash check on.\n" : L"Clash check off.\n");
}

int clashcheck(int /*dialogIndex*/, const AcArray<AcDbObjectId>& objects) {
    model::SampleModel& model = model::sampleModel();
    if (!model.m_clashOn)
        return 0;
    const std::vector<model::ClashFinding> findings = model.findClashes(objects);
    for (const model::ClashFinding& finding : findings)
        corePrint(finding.text());
    corePrint(findings.empty() ? Tvl_String(L"Clash check: no clashes.\n")
                               : L"Clash check: " + Tvl_String(static_cast<int>(findings.size())) +
                                     (findings.size() == 1 ? L" clash.\n" : L" clashes.\n"));
    return static_cast<int>(findings.size());
}

bool swapBlockRefs(MacroData& macro, const Tvl_String& module, const Tvl_String& path) {
    return model::sampleModel().swapBlock(macro, module, path);
}

bool GetAssemblies(Tvl_StringArray& assemblies) {
    assemblies = model::BoltLibrary::instance().assemblies();
    return true;
}

bool GetDiameters(const Tvl_String& assembly, Tvl_StringArray& diameters) {
    return model::BoltLibrary::instance().diameters(assembly, diameters);
}

int CreatePreviewBMPs(const Tvl_StringArray& drawings) {
    int written = 0;
#if TVL_UI_AVAILABLE
    for (const Tvl_String& drawing : drawings) {
        if (!getExtension(drawing).equal(L".dwg", true))
            continue;
        const Tvl_String picture = changeExtension(drawing, L".bmp");
        std::error_code ec;
        if (std::filesystem::exists(core_detail::nativePath(picture), ec))
            continue;
        // A frame on white and a pattern of squares that the drawing's name decides,
        // so that different drawings get different pictures.
        constexpr int kSize = 96;
        ui::Bitmap bitmap(kSize, kSize, 0xFFFFFFFFu);
        unsigned hash = 2166136261u;
        const Tvl_String name = removeExtension(getFileName(drawing));
        for (wchar_t c : name.str())
            hash = (hash ^ static_cast<unsigned>(c)) * 16777619u;
        const std::uint32_t colour = 0xFF000000u | (hash & 0x7F7F7Fu);
        for (int i = 0; i < kSize; ++i) {
            bitmap.set(i, 0, 0xFF000000u);
            bitmap.set(i, kSize - 1, 0xFF000000u);
            bitmap.set(0, i, 0xFF000000u);
            bitmap.set(kSize - 1, i, 0xFF000000u);
        }
        for (int cell = 0; cell < 16; ++cell) {
            if (!((hash >> cell) & 1u))
                continue;
            const int x0 = 8 + (cell % 4) * 20, y0 = 8 + (cell / 4) * 20;
            for (int y = y0; y < y0 + 16; ++y)
                for (int x = x0; x < x0 + 16; ++x)
                    bitmap.set(x, y, colour);
        }
        if (ui::writeBmpFile(core_detail::nativePath(picture).string(), bitmap))
            ++written;
        else
            corePrint(L"*Error* Could not write the preview " + picture + L".\n");
    }
#else
    (void)drawings;
#endif
    return written;
}
