#pragma once
// BmLevelsDlgData: the building levels of the model as the levels dialog edits them.
// A level has a name, an optional reference level (by name) and a height above it; its
// absolute height is its height plus the reference level's absolute height (a level
// without reference stands on 0). Names are unique without regard to case, and "wcs"
// (the world system) is reserved. Operations return false and change nothing when an
// index is out of range or the change would break these rules.

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"

class BmLevelsDlgData {
public:
    struct Level {
        Tvl_String name;
        Tvl_String reference; // empty: none
        double height = 0;
        bool operator==(const Level&) const = default;
    };

    BmLevelsDlgData() = default;
    BmLevelsDlgData(const BmLevelsDlgData&) = default;
    BmLevelsDlgData& operator=(const BmLevelsDlgData&) = default;
    virtual ~BmLevelsDlgData() = default;

    void getNames(Tvl_StringArray& names) const;
    bool getLevelData(int index, Tvl_String& name, Tvl_String& reference, double& height,
                      double& absoluteHeight) const;
    // A height must be a finite number of at most 1 000 000 mm either way.
    bool updateLevel(int index, double height);
    // The reference must be another level (or empty), and must not lead back to this one.
    bool updateLevel(int index, const Tvl_String& reference);
    // Appends a level at height 0 without reference; `index` gets its position.
    bool addLevel(const Tvl_String& name, int& index);
    // Levels that stood on the deleted one stand on its reference instead, at the same
    // absolute height.
    bool deleteLevel(int index);

    int count() const { return m_levels.length(); }
    int indexOf(const Tvl_String& name) const; // ignoring case; -1 when none
    // A name that addLevel would refuse: empty, "wcs" or in use (case ignored).
    bool isNameTaken(const Tvl_String& name) const;
    double absoluteHeight(int index) const;

    const Tvl_Array<Level>& levels() const { return m_levels; }

private:
    Tvl_Array<Level> m_levels;
};
