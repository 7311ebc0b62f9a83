#include "kw/spreadsheet/print/CDlgKWPrintSetup.h"

#include <cwchar>

#include "kw/frame/ModuleResources.h"
#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/editor/SheetFileDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Messages.h"

namespace {

using D = CDlgKWPrintSetup;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned edit = ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
    const unsigned check = ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
    ui::DialogTemplate t;
    t.id = D::kTemplateId;
    t.caption = L"Print Setup";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;
    t.rect = dlu(0, 0, 228, 282);
    t.controls = {
        {D::kHeaderGroupId, L"Button", L"Header", ui::BS_GROUPBOX, dlu(7, 7, 214, 46)},
        {D::kHeaderId, L"Edit", L"", edit, dlu(14, 19, 200, 12)},
        {D::kHeaderBrowseId, L"Button", L"Browse...", ui::WS_TABSTOP, dlu(104, 34, 52, 14)},
        {D::kHeaderEditId, L"Button", L"Edit...", ui::WS_TABSTOP, dlu(162, 34, 52, 14)},
        {D::kFooterGroupId, L"Button", L"Footer", ui::BS_GROUPBOX, dlu(7, 57, 214, 46)},
        {D::kFooterId, L"Edit", L"", edit, dlu(14, 69, 200, 12)},
        {D::kFooterBrowseId, L"Button", L"Browse...", ui::WS_TABSTOP, dlu(104, 84, 52, 14)},
        {D::kFooterEditId, L"Button", L"Edit...", ui::WS_TABSTOP, dlu(162, 84, 52, 14)},
        {D::kMarginsGroupId, L"Button", L"Margins", ui::BS_GROUPBOX, dlu(7, 107, 214, 48)},
        {D::kLeftLabelId, L"Static", L"Left", 0, dlu(14, 121, 40, 8)},
        {D::kLeftId, L"Edit", L"", edit, dlu(58, 119, 40, 12)},
        {D::kRightLabelId, L"Static", L"Right", 0, dlu(120, 121, 40, 8)},
        {D::kRightId, L"Edit", L"", edit, dlu(164, 119, 40, 12)},
        {D::kTopLabelId, L"Static", L"Top", 0, dlu(14, 137, 40, 8)},
        {D::kTopId, L"Edit", L"", edit, dlu(58, 135, 40, 12)},
        {D::kBottomLabelId, L"Static", L"Bottom", 0, dlu(120, 137, 40, 8)},
        {D::kBottomId, L"Edit", L"", edit, dlu(164, 135, 40, 12)},
        {D::kSmartPrintId, L"Button", L"Smart print", check, dlu(10, 162, 208, 10)},
        {D::kColorsId, L"Button", L"Colors", check, dlu(10, 176, 208, 10)},
        {D::kColHeaderId, L"Button", L"Column headers", check, dlu(10, 190, 208, 10)},
        {D::kRowHeaderId, L"Button", L"Row headers", check, dlu(10, 204, 208, 10)},
        {D::kCellSeperatorsId, L"Button", L"Grid lines", check, dlu(10, 218, 208, 10)},
        {D::kBorderId, L"Button", L"Border", check, dlu(10, 232, 208, 10)},
        {D::kPageSetupId, L"Button", L"Page setup ...", ui::WS_TABSTOP, dlu(7, 260, 80, 14)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(115, 260, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, dlu(171, 260, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

// A margin as typed: the whole number it starts with (as the runtime's conversion
// reads it), 0 when it has none.
int parseMargin(const std::wstring& text) {
    wchar_t* end = nullptr;
    const long v = std::wcstol(text.c_str(), &end, 10);
    if (end == text.c_str())
        return 0;
    return static_cast<int>(std::max(-100000L, std::min(100000L, v)));
}

} // namespace

CDlgKWPrintSetup::CDlgKWPrintSetup(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgKWPrintSetup::onInitDialog() {
    setWindowText(L"Instellingen voor het afdrukken");
    const std::pair<int, const wchar_t*> texts[] = {
        {kHeaderGroupId, L"Boventitel"},
        {kHeaderBrowseId, L"Zoeken..."},
        {kHeaderEditId, L"Editeren..."},
        {kFooterGroupId, L"Ondertitel"},
        {kFooterBrowseId, L"Zoeken..."},
        {kFooterEditId, L"Editeren..."},
        {kMarginsGroupId, L"Randen lege ruimtes (in mm):"},
        {kLeftLabelId, L"Links"},
        {kRightLabelId, L"Rechts"},
        {kTopLabelId, L"Boven"},
        {kBottomLabelId, L"Onder"},
        {kSmartPrintId, L"Automatische ori\u00EBntatie en verschaling"},
        {kColorsId, L"Met kleuren afdrukken"},
        {kColHeaderId, L"Kolom-titel afdrukken"},
        {kRowHeaderId, L"Rij-titel afdrukken"},
        {kCellSeperatorsId, L"Scheidingslijnen tussen velden afdrukken"},
        {kBorderId, L"Kader rond de tabel afdrukken"},
        {kPageSetupId, L"Pagina-instellingen ..."},
    };
    for (const auto& [id, text] : texts)
        setDlgItemText(id, text);

    bool equal = true;
    const kw::DocumentProperties p = kw::readDocumentProperties(m_properties, equal);
    m_varNames = p.varNames;
    m_varValues = p.varValues;
    setDlgItemText(kHeaderId, p.headerFile.str());
    setDlgItemText(kFooterId, p.footerFile.str());
    setDlgItemText(kLeftId, std::to_wstring(p.marginLeft));
    setDlgItemText(kRightId, std::to_wstring(p.marginRight));
    setDlgItemText(kTopId, std::to_wstring(p.marginTop));
    setDlgItemText(kBottomId, std::to_wstring(p.marginBottom));
    checkDlgButton(kSmartPrintId, p.smartPrint ? 1 : 0);
    checkDlgButton(kColorsId, p.colors ? 1 : 0);
    checkDlgButton(kColHeaderId, p.colHeader ? 1 : 0);
    checkDlgButton(kRowHeaderId, p.rowHeader ? 1 : 0);
    checkDlgButton(kCellSeperatorsId, p.cellSeperators ? 1 : 0);
    checkDlgButton(kBorderId, p.border ? 1 : 0);
    return true;
}

void CDlgKWPrintSetup::browse(int editId) {
    Tvl_StringArray extensions;
    extensions.append(L"kwh");
    Tvl_StringArray descriptions;
    descriptions.append(L"Trevlon Header (*.kwh)");
    Tvl_String path(getDlgItemText(editId));
    if (kw::sheetFileDialog(this, true, extensions, descriptions, L"Header openen", path))
        setDlgItemText(editId, path.str());
}

bool CDlgKWPrintSetup::onCommand(int id, int code, ui::Window* from) {
    if (code == ui::BN_CLICKED) {
        switch (id) {
        case kHeaderBrowseId:
        case kFooterBrowseId:
            browse(id == kHeaderBrowseId ? kHeaderId : kFooterId);
            return true;
        case kHeaderEditId:
        case kFooterEditId:
            // The header designer is not part of this module: the file is only named.
            (void)getDlgItemText(id == kHeaderEditId ? kHeaderId : kFooterId);
            return true;
        case kPageSetupId: {
            ui::PrintDialogRequest request;
            request.owner = this;
            request.kind = ui::PrintDialogKind::Setup;
            request.deviceMode = m_deviceMode;
            if (auto r = ui::printDialog(request))
                m_deviceMode = r->deviceMode;
            return true;
        }
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgKWPrintSetup::onOK() {
    bool equal = true;
    kw::DocumentProperties p = kw::readDocumentProperties(m_properties, equal);
    p.headerFile = Tvl_String(getDlgItemText(kHeaderId));
    p.footerFile = Tvl_String(getDlgItemText(kFooterId));
    p.marginLeft = parseMargin(getDlgItemText(kLeftId));
    p.marginRight = parseMargin(getDlgItemText(kRightId));
    p.marginTop = parseMargin(getDlgItemText(kTopId));
    p.marginBottom = parseMargin(getDlgItemText(kBottomId));
    p.smartPrint = isDlgButtonChecked(kSmartPrintId) == 1;
    p.colors = isDlgButtonChecked(kColorsId) == 1;
    p.colHeader = isDlgButtonChecked(kColHeaderId) == 1;
    p.rowHeader = isDlgButtonChecked(kRowHeaderId) == 1;
    p.cellSeperators = isDlgButtonChecked(kCellSeperatorsId) == 1;
    p.border = isDlgButtonChecked(kBorderId) == 1;
    p.varNames = m_varNames;
    p.varValues = m_varValues;
    m_properties = kw::rewriteCornerTag(m_properties, p);
    ui::Dialog::onOK();
}
