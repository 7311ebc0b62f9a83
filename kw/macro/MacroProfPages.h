#pragma once
// How the macro dialog makes and uses its profile pages (kept apart from the frame so
// that the frame needs no more than two calls).

#include <memory>

class CDlgMacro;
class CMacroTabPage;
class MacroData;

// The page of a profile tab; with the record's preview flag and exactly one object in
// its first object list, the page gets that object as its preview.
std::unique_ptr<CMacroTabPage> makeProfilePage(const MacroData& macro);
// The record asks for the advanced profile dialog at once: it runs on the group the
// record names (the first profile page that has it, else the first profile page), and
// the group's name is cleared afterwards.
void openAdvancedProfiles(CDlgMacro& dlg);
