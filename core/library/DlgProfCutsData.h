#pragma once
// DlgProfCutsData: the cuts of one profile of the sample model, as the profile cuts dialog
// sees them. Previews are drawn into the drawing (reported on the command line), cuts are
// removed from the model at once, and another profile can be picked in the drawing.

#include <set>
#include <vector>

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

class DlgProfCutsData {
public:
    struct Cut {
        Tvl_String description;
    };
    struct Profile {
        long entity = 0; // the drawing's id of the profile
        Tvl_String name;
        std::vector<Cut> cuts;
    };

    DlgProfCutsData();
    virtual ~DlgProfCutsData() = default;

    void getCutDescs(Tvl_StringArray& descriptions) const;
    bool drawCutPreview(int index);
    bool removeCutPreview(int index);
    void removeAllCutPreviews();
    bool removeCut(int index);
    // Lets the user pick another profile of the model; true when one was picked.
    bool selectOtherProf();

    const Profile& current() const { return m_profiles[m_current]; }
    const std::vector<Profile>& profiles() const { return m_profiles; }
    // Previews in the drawing, by cut description.
    const std::set<std::wstring>& previews() const { return m_previews; }

private:
    std::vector<Profile> m_profiles;
    size_t m_current = 0;
    std::set<std::wstring> m_previews;
};
