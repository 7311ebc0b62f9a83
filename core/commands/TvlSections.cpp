// TVLSECTIONS: the section library editor on the sample library. On OK the groups and
// types are written to the library file (unless that file was damaged: it is kept as it
// was); either way the values tables are listed as they are on disk, since the editor
// creates, renames and deletes table files at once.

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/commands/UserCommands.h"
#include "core/library/DlgEditLibData.h"
#include "core/library/LibraryListing.h"

#include <ctime>

namespace {

void runSections() {
    auto* start = dialogsExport<bool(DlgEditLibData&, const Tvl_String&)>(
        "_Z23StartDlgEditLibSectionsR14DlgEditLibDataRK10Tvl_String");
    if (!start)
        return;
    DlgEditLibData data;
    Tvl_String problem;
    std::time_t modified = 0;
    const bool present = ObjectExportGetFileTime(DlgEditLibData::libraryFile(), modified);
    const bool readable = data.readLibrary(problem);
    if (!readable && present)
        corePrint(L"*Error* The section library file prof\\sections.txt is damaged (" + problem +
                  L"); the editor starts without groups and types and keeps the file as it is.\n");
    if (start(data, Tvl_String())) {
        if (readable || !present) {
            if (data.writeLibrary())
                corePrint(L"Section library: " + Tvl_String(data.groups.length()) + L" groups, " +
                          Tvl_String(data.types.length()) + L" types saved.\n");
            else
                corePrint(Tvl_String(L"*Error* The section library file could not be written.\n"));
        } else {
            corePrint(
                Tvl_String(L"Section library: the damaged library file was not written over.\n"));
        }
    } else {
        corePrint(Tvl_String(L"Section library: groups and types unchanged.\n"));
    }
    corePrint(L"Values tables on disk:\n" + describeLibraryTables());
}

const UserCommand kSections{L"TVLSECTIONS", &runSections};

} // namespace
