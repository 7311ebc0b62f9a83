#include "platform/ui/MessageBoxDialog.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/PaintHelpers.h"
#include "platform/ui/draw/TextMetrics.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kMargin = 7; // DLU
constexpr int kButtonW = 50;
constexpr int kButtonH = 14;
constexpr int kGap = 4;
constexpr int kMaxTextW = 280;

std::vector<std::wstring> lines(const std::wstring& text) {
    std::vector<std::wstring> out(1);
    for (wchar_t c : text) {
        if (c == L'\n')
            out.emplace_back();
        else if (c != L'\r')
            out.back() += c;
    }
    return out;
}

} // namespace

std::wstring MessageBoxDialog::buttonText(int result) {
    switch (result) {
    case IDOK:
        return L"OK";
    case IDCANCEL:
        return L"Cancel";
    case IDYES:
        return L"&Yes";
    case IDNO:
        return L"&No";
    case IDABORT:
        return L"&Abort";
    case IDRETRY:
        return L"&Retry";
    case IDIGNORE:
        return L"&Ignore";
    default:
        return std::to_wstring(result);
    }
}

DialogTemplate MessageBoxDialog::makeTemplate(const MessageBoxRequest& request) {
    DialogTemplate t;
    t.caption = request.caption.empty() ? L"Error" : request.caption;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const Size base = dialogBaseUnits(t.font);
    const Font font = paint::toFont(t.font);
    // Text size in DLU (rounded up), wrapped by the static when wider than the limit.
    int textW = 0;
    int lineCount = 0;
    for (const auto& l : lines(request.text)) {
        const int w = (fixedTextExtent(font, l).cx * 4 + base.cx - 1) / base.cx;
        lineCount += std::max(1, (w + kMaxTextW - 1) / kMaxTextW);
        textW = std::max(textW, std::min(w, kMaxTextW));
    }
    const int textH = lineCount * 8;
    const std::vector<int> results = request.possibleResults();
    const int n = static_cast<int>(results.size());
    const int buttonsW = n * kButtonW + (n - 1) * kGap;
    const int clientW = std::max(textW, buttonsW) + 2 * kMargin;
    const int clientH = kMargin + textH + kMargin + kButtonH + kMargin;
    t.rect = dlu(0, 0, clientW, clientH);
    t.controls.push_back(ControlTemplate{kTextId, L"Static", request.text, SS_LEFT | SS_NOPREFIX,
                                         dlu(kMargin, kMargin, clientW - 2 * kMargin, textH)});
    int def = (request.type & MB_DEFBUTTON3) ? 2 : (request.type & MB_DEFBUTTON2) ? 1 : 0;
    def = std::min(def, n - 1);
    int x = (clientW - buttonsW) / 2;
    for (int i = 0; i < n; ++i) {
        t.controls.push_back(ControlTemplate{
            results[static_cast<size_t>(i)], L"Button", buttonText(results[static_cast<size_t>(i)]),
            (i == def ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | (i == 0 ? WS_GROUP : 0u),
            dlu(x, clientH - kMargin - kButtonH, kButtonW, kButtonH)});
        x += kButtonW + kGap;
    }
    return t;
}

MessageBoxDialog::MessageBoxDialog(const MessageBoxRequest& request)
    : Dialog(makeTemplate(request), request.owner), m_request(request) {}

bool MessageBoxDialog::onInitDialog() {
    if (Window* def = findDescendant(getDefID())) {
        gotoDlgCtrl(def);
        return false;
    }
    return true;
}

int MessageBoxDialog::escapeResult() const {
    const auto possible = m_request.possibleResults();
    if (std::find(possible.begin(), possible.end(), IDCANCEL) != possible.end())
        return IDCANCEL;
    if (possible.size() == 1)
        return possible.front();
    return 0;
}

bool MessageBoxDialog::onCommand(int id, int code, Window*) {
    if (code != BN_CLICKED)
        return false;
    const auto possible = m_request.possibleResults();
    if (std::find(possible.begin(), possible.end(), id) != possible.end()) {
        endDialog(id);
        return true;
    }
    if (id == IDCANCEL)
        if (int r = escapeResult())
            endDialog(r);
    return true;
}

void MessageBoxDialog::onClose() {
    if (int r = escapeResult())
        endDialog(r);
}

} // namespace ui
