#pragma once
// DlgDstvPoints: the DSTV point groups of the library. Each group is one file
// "<folder><name>.dat" (docs/file-formats-fabrication.md); the standard group's file
// name is kept in "<folder>standard.cfg". The folder is "<libDir>DSTV Points\".
//
// readFromFile gives back exactly what writeToFile wrote, and reads the empty file a new
// group starts with as an empty list. A missing, unreadable, damaged or oversized file
// reads as false with an empty list and `lastError()` saying why; writing is atomic.

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"
#include "core/fabrication/Tvl_DstvPointInfo.h"

class DlgDstvPoints {
public:
    DlgDstvPoints() = default;
    virtual ~DlgDstvPoints() = default;

    // The group names (file names without ".dat"), sorted without regard to case.
    void getAllDstvPointsFiles(Tvl_StringArray& names) const;
    // The standard group's file name with its extension ("Standard.dat"); "" when none.
    Tvl_String getStandardDstvPointsFile() const;
    // Makes the group `name` (without extension) the standard group.
    bool setStandardDstvPointsFile(const Tvl_String& name);
    // The folder of the group files, ending in "\".
    Tvl_String getDstvPointsFolder() const;

    bool readFromFile(const Tvl_String& name, Tvl_Array<Tvl_DstvPointInfo>& points) const;
    bool writeToFile(const Tvl_String& name, const Tvl_Array<Tvl_DstvPointInfo>& points) const;

    // The reason of the last failed read or write, for the user.
    const Tvl_String& lastError() const { return m_lastError; }

    // A name usable for a group file: not empty, no path or reserved characters
    // (\ / : * ? " < > |), no control characters, not "." or "..", at most 100 characters.
    static bool isValidGroupName(const Tvl_String& name);

    // The group file's lines to points and back (the readers' core, also fuzzed).
    static bool parse(const Tvl_StringArray& lines, Tvl_Array<Tvl_DstvPointInfo>& points,
                      Tvl_String& error);
    static void format(const Tvl_Array<Tvl_DstvPointInfo>& points, Tvl_StringArray& lines);

private:
    mutable Tvl_String m_lastError;
};
