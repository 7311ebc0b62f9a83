#pragma once
// Tvl_ProfValuesTable: the value table of one profile type of the section library. One
// row per profile size, one column per property. Column 0 holds the system name (the
// row's key), column 1 the active flag ("1" / "0"), one column per language code the
// displayed name, further columns the values. Rows may be shorter or longer than the
// column names.
//
// Files lie in the profile folder (library folder + "prof\"): line 1 holds the section
// type as its only field, line 2 the column names, every further line one row
// (docs/file-formats-product.md).

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/frame/KwExport.h"

class Tvl_Spread;

class KW_EXPORT Tvl_ProfValuesTable {
public:
    Tvl_ProfValuesTable() = default;
    Tvl_ProfValuesTable(const Tvl_ProfValuesTable& other) = default;
    Tvl_ProfValuesTable& operator=(const Tvl_ProfValuesTable& other) = default;
    virtual ~Tvl_ProfValuesTable() = default;

    // `name` relative to the profile folder. Reading fills typeName (the file's base
    // name). A file that cannot be read leaves the table as it was and gives false; so
    // does a damaged one, such as one whose last row was cut off (fewer fields than the
    // header and no line feed after it).
    bool readFromFile(const Tvl_String& name);
    // Written atomically; typeName is not stored.
    bool writeToFile(const Tvl_String& name) const;

    // The grid (columns and rows from 1; row headers carry typeName).
    bool getFromKW(Tvl_Spread& grid);
    bool setToKW(Tvl_Spread& grid) const;

    bool getColumn(Tvl_StringArray& out, const int& index) const;
    bool getColumn(Tvl_StringArray& out, const Tvl_String& name) const;
    int getColumnIdx(const Tvl_String& name) const;
    bool getRow(Tvl_StringArray& out, const int& index) const;
    // Duplicates row `index` under an unused system name behind it; index -1 inserts a
    // row of empty fields in front. True also when the array refused the position.
    bool insertRow(const int& index);
    bool deleteRow(const int& index);
    void removeInactiveEntries();
    void getSysNames(Tvl_StringArray& out) const;
    void getFilteredSysNames(Tvl_StringArray& out) const;
    bool findSysName(const Tvl_String& name, int& index) const;
    Tvl_String findUnusedSysName(const Tvl_String& proposal) const;
    // The row's position among the active rows (the list of getFilteredSysNames); -1
    // outside the table and for a row that is not active.
    int getfilteredIdx(const int& index) const;

    // The profile folder: libDir + "prof\".
    static Tvl_String profileFolder();

    bool operator==(const Tvl_ProfValuesTable& other) const = default;

    Tvl_String typeName;
    Tvl_String sectionType;
    Tvl_StringArray columnNames;
    Tvl_Array<Tvl_StringArray> rows;

private:
    void getSysNames(Tvl_StringArray& out, bool filtered) const;
};
