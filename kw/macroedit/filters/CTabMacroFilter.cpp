#include "kw/macroedit/filters/CTabMacroFilter.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/FilterPageHelpers.h"
#include "kw/macroedit/filters/MacroFilterIds.h"

using namespace kw::filters;

CTabMacroFilter::CTabMacroFilter(MacroFilterSettings* settings)
    : ui::Dialog(kPageFilter), m_settings(settings),
      m_axes(*this, kAxisList, kAxisEnabled, kAxisGroup),
      m_sections(*this, kSectionAngleList, kSectionAngleEnabled, kSectionAngleGroup) {}

bool CTabMacroFilter::createPage(ui::Window* tabControl) {
    return create(kPageFilter, tabControl);
}

bool CTabMacroFilter::onInitDialog() {
    setDlgItemText(kFiltersOn, dialString(922).str());
    setDlgItemText(kAxisGroup, dialString(923).str());
    setDlgItemText(kSectionAngleGroup, dialString(924).str());
    setDlgItemText(kAxisEnabled, dialString(925).str());
    setDlgItemText(kAxisMinLabel, dialString(926).str());
    setDlgItemText(kAxisMaxLabel, dialString(927).str());
    setDlgItemText(kAxisModeInside, dialString(928).str());
    setDlgItemText(kAxisModeOutside, dialString(929).str());
    setDlgItemText(kSectionAngleEnabled, dialString(930).str());
    setupIconButton(this, m_addPair, kAddPair, kIconAdd, dialString(920));
    setupIconButton(this, m_deletePair, kDeletePair, kIconDelete, dialString(921));
    setUpPictureFrame(this, m_picture90, kPictureAngle90, kBitmapAngle90);
    setUpPictureFrame(this, m_picture180, kPictureAngle180, kBitmapAngle180);
    setUpPictureFrame(this, m_pictureSection, kPictureSectionAngle, kBitmapSectionAngle);
    if (attachGrid(m_pairs, this, kGrid)) {
        m_pairs.setColCount(2);
        m_pairs.setRowCount(0);
        Tvl_StringArray headers;
        headers.append(dialString(926));
        headers.append(dialString(927));
        m_pairs.setColHeaderTexts(headers);
        m_pairs.setFitMode(1);
        m_pairs.applyFitMode();
    }

    m_axes.addLimit(kAxisMin, m_settings ? &m_settings->m_axisMin : nullptr);
    m_axes.addLimit(kAxisMax, m_settings ? &m_settings->m_axisMax : nullptr);
    for (int id : {kAxisMinLabel, kAxisMaxLabel, kAxisModeInside, kAxisModeOutside})
        m_axes.addControl(id);
    m_axes.m_show = [this](int index) {
        const bool inside =
            index >= m_settings->m_axisMode.length() || m_settings->m_axisMode[index] == 0;
        checkRadioButton(kAxisModeInside, kAxisModeOutside,
                         inside ? kAxisModeInside : kAxisModeOutside);
    };
    m_axes.m_store = [this](int index) {
        if (index < m_settings->m_axisMode.length())
            m_settings->m_axisMode[index] = isDlgButtonChecked(kAxisModeInside) == 1 ? 0 : 1;
    };
    for (int id : {kGrid, kAddPair, kDeletePair})
        m_sections.addControl(id);
    m_sections.m_show = [this](int index) { showPairs(index); };
    m_sections.m_store = [this](int index) { storePairs(index); };

    if (m_settings) {
        checkDlgButton(kFiltersOn, m_settings->m_filtersOn ? 1 : 0);
        m_axes.bind(&m_settings->m_axisNames, &m_settings->m_axisEnabled);
        m_sections.bind(&m_settings->m_sectionAngleNames, &m_settings->m_sectionAngleEnabled);
    }
    m_axes.setUp();
    m_sections.setUp();
    if (!m_settings)
        enableDlgItem(this, kFiltersOn, false);
    if (m_sections.current() < 0) // no entry: the grid shows none
        m_pairs.setRowCount(0);
    return false;
}

void CTabMacroFilter::showPairs(int index) {
    if (!m_pairs.isAttached())
        return;
    m_pairs.clearActiveCell();
    m_pairs.setRowCount(0);
    if (index >= m_settings->m_sectionAnglePairs.length())
        return;
    const AcArray<double>& values = m_settings->m_sectionAnglePairs[index];
    const int rows = values.length() / 2;
    m_pairs.setRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        setNumberCell(m_pairs, 1, r, values[2 * (r - 1)]);
        setNumberCell(m_pairs, 2, r, values[2 * (r - 1) + 1]);
        m_pairs.setRowFont(r);
    }
    m_pairs.applyFitMode();
}

void CTabMacroFilter::storePairs(int index) {
    if (!m_pairs.isAttached() || index >= m_settings->m_sectionAnglePairs.length())
        return;
    m_pairs.endEdit(true);
    AcArray<double> values;
    for (int r = 1; r <= m_pairs.rowCount(); ++r) {
        const double from = numberCell(m_pairs, 1, r);
        const double to = numberCell(m_pairs, 2, r);
        if (from == 0 && to == 0)
            continue; // an unused row
        values.append(from);
        values.append(to);
    }
    m_settings->m_sectionAnglePairs[index] = values;
}

bool CTabMacroFilter::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && (m_axes.onCommand(id, code) || m_sections.onCommand(id, code)))
        return true;
    if (from != nullptr && code == ui::BN_CLICKED && id == kAddPair) {
        const int row = appendGridRow(m_pairs);
        if (row > 0) {
            setNumberCell(m_pairs, 1, row, 0);
            setNumberCell(m_pairs, 2, row, 0);
            m_pairs.applyFitMode();
        }
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED && id == kDeletePair) {
        deleteActiveRow(m_pairs);
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CTabMacroFilter::onDestroy() {
    if (!m_stored && m_settings) {
        m_stored = true;
        m_settings->m_filtersOn = isDlgButtonChecked(kFiltersOn) == 1;
        m_axes.store();
        m_sections.store();
    }
    ui::Dialog::onDestroy();
}
