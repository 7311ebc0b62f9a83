#pragma once
// DlgEditLibData: what the section library editors work on. GetAvailableFiles() lists
// the files of the library folder: the pictures (prof\pictures\*.bmp), the values
// tables (prof\*.pr) and the user section drawings (User Sections\*.dwg). The groups
// and types are kept in the library file prof\sections.txt (docs/section-library.md),
// read with readLibrary() and written with writeLibrary().

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "core/library/SectionGroupArray.h"
#include "core/library/SectionType.h"

class DlgEditLibData {
public:
    DlgEditLibData() = default;
    DlgEditLibData(const DlgEditLibData&) = default;
    DlgEditLibData& operator=(const DlgEditLibData&) = default;
    virtual ~DlgEditLibData() = default;

    // Fills the three name lists from the library folder (names without extension,
    // drawings with theirs), sorted. A missing folder gives an empty list.
    void GetAvailableFiles();

    // Reads the groups and types. False with `problem` set when the file is missing or
    // damaged; the groups and types are then empty.
    bool readLibrary(Tvl_String& problem);
    // Writes the groups and types atomically; false when that failed (old file kept).
    bool writeLibrary() const;

    static Tvl_String pictureFolder();      // libDir + "prof\pictures\"
    static Tvl_String userSectionsFolder(); // libDir + "User Sections\"
    static Tvl_String libraryFile();        // libDir + "prof\sections.txt"

    bool operator==(const DlgEditLibData&) const = default;

    Tvl_StringArray pictureNames;
    Tvl_StringArray tableNames;
    Tvl_StringArray userSectionNames;
    SectionGroupArray groups;
    Tvl_Array<SectionType> types;
};
