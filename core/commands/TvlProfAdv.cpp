// TVLPROFADV [group | profiles]: the advanced profile dialog on the profile groups of
// the sample base plate BP1 (tab "Profiles").
//   TVLPROFADV Braces     the dialog on group Braces through the macro record (the export's
//                         first form); the default group is Braces.
//   TVLPROFADV profiles   the dialog on the profile objects of group Braces with the
//                         core's own call-back and the "remember" check (the second form).
// Every change reaches the model as it is made (the model prints it); when the dialog
// closes the group's placement is printed before and after.

#include "core/CorePrint.h"
#include "core/MacroData.h"
#include "core/commands/UserCommands.h"
#include "core/macroprof/BmMACallBackData.h"
#include "core/macroprof/ProfGroupCallBack.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

constexpr const wchar_t* kMacro = L"BP1";
constexpr const wchar_t* kTab = L"Profiles";
constexpr const wchar_t* kDefaultGroup = L"Braces";

const wchar_t* const kRotations[6] = {L"0", L"90", L"180", L"270", L"varies", L"other"};
const wchar_t* const kPlanes[5] = {L"WCS", L"new CS", L"varies", L"existing CS", L"picked"};

Tvl_String describe(const MacroProfData& p) {
    Tvl_String text = L"section " + p.m_section + L", offset type " + Tvl_String(p.m_offsetType);
    if (!p.m_offsetX.isEmpty() || !p.m_offsetY.isEmpty())
        text += L" (" + p.m_offsetX + L", " + p.m_offsetY + L")";
    text += L", point " + Tvl_String(p.m_insertionPoint);
    text += Tvl_String(L", rotation ") +
            (p.m_rotation >= 0 && p.m_rotation < 6 ? kRotations[p.m_rotation] : L"?");
    if (p.m_rotation == MacroProfData::kRotOther)
        text += L" " + p.m_angle;
    text += Tvl_String(L", plane ") +
            (p.m_planeMode >= 0 && p.m_planeMode < 5 ? kPlanes[p.m_planeMode] : L"?");
    if (p.m_onSegment)
        text += L", on segment " + Tvl_String(p.m_segment);
    return text;
}

// The group's placement as the model keeps it; false when the model has none.
bool modelGroup(const Tvl_String& group, MacroProfData& props) {
    model::MacroInstance* instance = model::sampleModel().instanceByName(kMacro);
    const MacroTabData* tab = instance ? instance->module(kTab) : nullptr;
    return tab != nullptr && tab->getMergedPropsOfGroup(group, props);
}

bool fillBasePlate(MacroData& record) {
    model::MacroInstance* instance = model::sampleModel().instanceByName(kMacro);
    if (instance == nullptr) {
        corePrint(L"*Error* The sample model has no macro BP1.\n");
        return false;
    }
    AcArray<AcDbObjectId> ids;
    ids.append(instance->m_id);
    return model::sampleModel().fillRecord(ids, record);
}

// The second form's call-back: the profile objects stand for the group of BP1 that
// holds them; each request goes to that group through a fresh record of the macro.
bool profilesCallBack(BmMACallBackType type, const BmMACallBackData& data, MacroProfData& props) {
    MacroData record;
    if (data.m_profiles.isEmpty() || !fillBasePlate(record))
        return false;
    const MacroTabData* tab = record.tabOfModule(kTab);
    if (tab == nullptr)
        return false;
    for (const MacroProfData& group : tab->m_profs)
        if (group.m_profileIds.contains(data.m_profiles[0])) {
            BmMACallBackData request;
            request.m_group = group.m_group;
            request.m_tab = kTab;
            request.initDataClass(record);
            return macroProfGroupCallBack(type, request, props);
        }
    return false;
}

void printResult(const Tvl_String& group, const MacroProfData& before) {
    MacroProfData after;
    if (!modelGroup(group, after))
        return;
    if (after.sameValue(before))
        corePrint(L"Profile group " + group + L" of BP1 unchanged: " + describe(after) + L".\n");
    else
        corePrint(L"Profile group " + group + L" of BP1: " + describe(before) + L" -> " +
                  describe(after) + L".\n");
}

void runProfAdv() {
    Tvl_String word;
#if TVL_HOST_AVAILABLE
    ACHAR buffer[256] = {};
    const int got =
        acedGetString(0, L"Profile group of BP1, or \"profiles\" <Braces>: ", buffer, 256);
    if (got == RTERROR) {
        corePrint(L"*Error* The group name is too long.\n");
        return;
    }
    if (got == RTNORM)
        word = Tvl_String(buffer).trimmed();
#endif
    const bool byProfiles = word.equal(L"profiles", true);
    const Tvl_String group = word.isEmpty() || byProfiles ? Tvl_String(kDefaultGroup) : word;
    MacroProfData before;
    if (!modelGroup(group, before)) {
        corePrint(L"*Error* BP1 has no profile group " + group + L".\n");
        return;
    }
    if (byProfiles) {
        using Start = void(AcArray<AcDbObjectId>*, bool&,
                           bool (*)(BmMACallBackType, const BmMACallBackData&, MacroProfData&));
        auto* start =
            dialogsExport<Start>("_Z20StartDlgMacroProfAdvP7AcArrayI12AcDbObjectIdERbPFb1"
                                 "6BmMACallBackTypeRK16BmMACallBackDataR13MacroProfDataE");
        if (!start)
            return;
        AcArray<AcDbObjectId> profiles = before.m_profileIds;
        bool remember = false;
        start(&profiles, remember, &profilesCallBack);
        printResult(group, before);
        corePrint(Tvl_String(L"Remember the settings: ") + (remember ? L"yes" : L"no") + L".\n");
        return;
    }
    using Start = void(MacroData&, const Tvl_String&, const Tvl_String&, bool);
    auto* start = dialogsExport<Start>("_Z20StartDlgMacroProfAdvR9MacroDataRK10Tvl_StringS3_b");
    if (!start)
        return;
    MacroData record;
    if (!fillBasePlate(record))
        return;
    start(record, kTab, group, true);
    printResult(group, before);
}

const UserCommand kTvlProfAdv{L"TVLPROFADV", &runProfAdv};

} // namespace
