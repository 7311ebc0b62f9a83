#include "core/library/DlgProfCutsData.h"

#include "core/CorePrint.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

DlgProfCutsData::DlgProfCutsData() {
    // The sample model's profiles with cuts: a beam with three, a column with one.
    m_profiles.push_back({101,
                          L"HEA-200 beam B1",
                          {{L"Cut 1: mitre 45 degrees at the start"},
                           {L"Cut 2: notch 60 x 20 at the end"},
                           {L"Cut 3: cope to IPE-300 at the end"}}});
    m_profiles.push_back({102, L"HEB-240 column C1", {{L"Cut 1: square cut at the top"}}});
}

void DlgProfCutsData::getCutDescs(Tvl_StringArray& descriptions) const {
    descriptions.clear();
    for (const Cut& c : current().cuts)
        descriptions.append(c.description);
}

bool DlgProfCutsData::drawCutPreview(int index) {
    const auto& cuts = current().cuts;
    if (index < 0 || index >= static_cast<int>(cuts.size()))
        return false;
    m_previews.insert(cuts[index].description.str());
    corePrint(L"Preview drawn: " + cuts[index].description + L"\n");
    return true;
}

bool DlgProfCutsData::removeCutPreview(int index) {
    const auto& cuts = current().cuts;
    if (index < 0 || index >= static_cast<int>(cuts.size()))
        return false;
    if (m_previews.erase(cuts[index].description.str()) > 0)
        corePrint(L"Preview removed: " + cuts[index].description + L"\n");
    return true;
}

void DlgProfCutsData::removeAllCutPreviews() {
    if (!m_previews.empty())
        corePrint(L"All previews removed (" + Tvl_String(static_cast<int>(m_previews.size())) +
                  L").\n");
    m_previews.clear();
}

bool DlgProfCutsData::removeCut(int index) {
    auto& cuts = m_profiles[m_current].cuts;
    if (index < 0 || index >= static_cast<int>(cuts.size()))
        return false;
    corePrint(L"Cut removed from " + current().name + L": " + cuts[index].description + L"\n");
    cuts.erase(cuts.begin() + index);
    return true;
}

bool DlgProfCutsData::selectOtherProf() {
#if TVL_HOST_AVAILABLE
    AcDbObjectId picked;
    ads_point at{0, 0, 0};
    if (acedEntSel(L"\nSelect a profile: ", picked, at) != RTNORM)
        return false;
    for (size_t i = 0; i < m_profiles.size(); ++i) {
        if (m_profiles[i].entity == static_cast<long>(picked.asOldId())) {
            m_current = i;
            corePrint(L"Profile picked: " + m_profiles[i].name + L"\n");
            return true;
        }
    }
    corePrint(Tvl_String(L"That is not a profile with cuts.\n"));
#endif
    return false;
}
