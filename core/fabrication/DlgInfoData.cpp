#include "core/fabrication/DlgInfoData.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

namespace {

ui::DialogTemplate infoTemplate() {
    ui::DialogTemplate t;
    t.id = kDlgInfoTemplateId;
    t.caption = L"Informatie";
    t.rect = ui::dlu(0, 0, 330, 180);
    t.controls = {
        {kDlgInfoTextId, L"Edit", L"",
         ui::WS_TABSTOP | ui::WS_BORDER | ui::WS_VSCROLL | ui::ES_MULTILINE | ui::ES_READONLY,
         ui::dlu(7, 7, 316, 144)},
        {ui::IDOK, L"Button", L"Sluiten", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         ui::dlu(273, 158, 50, 14)},
    };
    return t;
}

class InfoWindow : public ui::Dialog {
public:
    explicit InfoWindow(const DlgInfoData& data) : ui::Dialog(infoTemplate()), m_data(data) {}

protected:
    bool onInitDialog() override {
        setWindowText(m_data.m_title.str());
        // Edits show line breaks as CR LF.
        std::wstring text;
        for (wchar_t c : m_data.m_text.str()) {
            if (c == L'\n')
                text += L'\r';
            text += c;
        }
        setDlgItemText(kDlgInfoTextId, text);
        if (!m_data.m_buttonText.isEmpty())
            setDlgItemText(ui::IDOK, m_data.m_buttonText.str());
        return true;
    }
    void onCancel() override { endDialog(ui::IDOK); }

private:
    const DlgInfoData& m_data;
};

} // namespace

void ExportStartDlgInfo(DlgInfoData& data) {
    InfoWindow window(data);
    window.doModal();
}
