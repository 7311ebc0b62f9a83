#include "kw/macroedit/filters/CTabMacroFilter2.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/FilterPageHelpers.h"
#include "kw/macroedit/filters/MacroFilterIds.h"

using namespace kw::filters;

CTabMacroFilter2::CTabMacroFilter2(MacroFilter2Settings* settings)
    : ui::Dialog(kPageFilter2), m_settings(settings),
      m_paths(*this, kPathList, kPathEnabled, kPathGroup),
      m_sizes(*this, kSizeList, kSizeEnabled, kSizeGroup) {}

bool CTabMacroFilter2::createPage(ui::Window* tabControl) {
    return create(kPageFilter2, tabControl);
}

bool CTabMacroFilter2::onInitDialog() {
    setDlgItemText(kSecondFiltersOn, dialString(1351).str());
    setDlgItemText(kPathGroup, dialString(933).str());
    setDlgItemText(kPathEnabled, dialString(934).str());
    setDlgItemText(kSizeEnabled, dialString(934).str());
    setDlgItemText(kPathMinLabel, dialString(935).str());
    setDlgItemText(kPathMaxLabel, dialString(936).str());
    setDlgItemText(kSizeGroup, dialString(937).str());
    setDlgItemText(kMinHeightLabel, dialString(938).str());
    setDlgItemText(kMaxHeightLabel, dialString(939).str());
    setDlgItemText(kMinWidthLabel, dialString(940).str());
    setDlgItemText(kMaxWidthLabel, dialString(941).str());
    setUpPictureFrame(this, m_picturePath, kPicturePath, kBitmapPathDistance);
    setUpPictureFrame(this, m_pictureSize, kPictureSize, kBitmapSectionSize);

    MacroFilter2Settings* s = m_settings;
    m_paths.addLimit(kPathMin, s ? &s->m_pathMin : nullptr);
    m_paths.addLimit(kPathMax, s ? &s->m_pathMax : nullptr);
    for (int id : {kPathMinLabel, kPathMaxLabel})
        m_paths.addControl(id);
    m_sizes.addLimit(kMinHeight, s ? &s->m_sizeMinHeight : nullptr);
    m_sizes.addLimit(kMaxHeight, s ? &s->m_sizeMaxHeight : nullptr);
    m_sizes.addLimit(kMinWidth, s ? &s->m_sizeMinWidth : nullptr);
    m_sizes.addLimit(kMaxWidth, s ? &s->m_sizeMaxWidth : nullptr);
    for (int id : {kMinHeightLabel, kMaxHeightLabel, kMinWidthLabel, kMaxWidthLabel})
        m_sizes.addControl(id);
    if (s) {
        checkDlgButton(kSecondFiltersOn, s->m_secondFiltersOn ? 1 : 0);
        m_paths.bind(&s->m_pathNames, &s->m_pathEnabled);
        m_sizes.bind(&s->m_sizeNames, &s->m_sizeEnabled);
    }
    m_paths.setUp();
    m_sizes.setUp();
    if (!s)
        enableDlgItem(this, kSecondFiltersOn, false);
    return false;
}

bool CTabMacroFilter2::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && (m_paths.onCommand(id, code) || m_sizes.onCommand(id, code)))
        return true;
    return ui::Dialog::onCommand(id, code, from);
}

void CTabMacroFilter2::onDestroy() {
    if (!m_stored && m_settings) {
        m_stored = true;
        m_settings->m_secondFiltersOn = isDlgButtonChecked(kSecondFiltersOn) == 1;
        m_paths.store();
        m_sizes.store();
    }
    ui::Dialog::onDestroy();
}
