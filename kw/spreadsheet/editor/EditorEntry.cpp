#include "kw/spreadsheet/editor/EditorEntry.h"

#include "kw/frame/ModuleState.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"

namespace kw {

void runSpreadSheetEditor(const Tvl_String& path) {
    CDlgSpreadSheet dlg(nullptr);
    dlg.m_path = path;
    dlg.doModal();
}

} // namespace kw

void KWEditorOpen(const Tvl_String& path) {
    kw::ResourceSwitchScope on;
    kw::runSpreadSheetEditor(path);
}
