// The message box as a dialog of the model (what a person answers in the live
// front-end), and the live backend's place in front of the driver.

#include "UiTestSupport.h"

#include "platform/ui/Driver.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBoxDialog.h"
#include "platform/ui/controls/Button.h"

using namespace ui;
using namespace uitest;

namespace {

MessageBoxRequest request(std::wstring text, unsigned type) {
    MessageBoxRequest r;
    r.text = std::move(text);
    r.caption = L"Question";
    r.type = type;
    return r;
}

// The buttons left to right: ids and captions.
std::vector<std::pair<int, std::wstring>> buttons(Dialog& d) {
    std::vector<Window*> found;
    for (Window* c : d.children())
        if (dynamic_cast<Button*>(c))
            found.push_back(c);
    std::sort(found.begin(), found.end(),
              [](Window* a, Window* b) { return a->rect().left < b->rect().left; });
    std::vector<std::pair<int, std::wstring>> out;
    for (Window* c : found)
        out.emplace_back(c->id(), c->getWindowText());
    return out;
}

} // namespace

using MessageBoxDialogTest = UiTest;

TEST_F(MessageBoxDialogTest, ShowsTheTextAndTheButtonsInOrderWithTheDefaultChosenByType) {
    MessageBoxDialog box(request(L"Save the changes?", MB_YESNOCANCEL | MB_DEFBUTTON2));
    driver->onDialogCaption(L"Question", [&](Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(MessageBoxDialog::kTextId), L"Save the changes?");
        const auto b = buttons(d);
        ASSERT_EQ(b.size(), 3u);
        EXPECT_EQ(b[0], std::make_pair(IDYES, std::wstring(L"&Yes")));
        EXPECT_EQ(b[1], std::make_pair(IDNO, std::wstring(L"&No")));
        EXPECT_EQ(b[2], std::make_pair(IDCANCEL, std::wstring(L"Cancel")));
        EXPECT_EQ(d.getDefID(), IDNO);
        // The text and the buttons fit inside the client area.
        const Rect client = d.getClientRect();
        for (Window* c : d.children())
            EXPECT_TRUE(client.contains({c->rect().right - 1, c->rect().bottom - 1}));
        key(VK_RETURN); // the default button
    });
    EXPECT_EQ(box.doModal(), IDNO);
}

TEST_F(MessageBoxDialogTest, EscapeGivesCancelOrTheOnlyButtonAndNothingForYesNo) {
    MessageBoxDialog okCancel(request(L"a", MB_OKCANCEL));
    driver->onDialogCaption(L"Question", [](Dialog&) { key(VK_ESCAPE); });
    EXPECT_EQ(okCancel.doModal(), IDCANCEL);

    MessageBoxDialog ok(request(L"b", MB_OK));
    driver->onDialogCaption(L"Question", [](Dialog& d) { closeBox(d); });
    EXPECT_EQ(ok.doModal(), IDOK);

    // A Yes/No box needs a real answer: Escape and the close box leave it open.
    MessageBoxDialog yesNo(request(L"c", MB_YESNO));
    driver->onDialogCaption(L"Question", [](Dialog& d) {
        key(VK_ESCAPE);
        closeBox(d);
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_TRUE(click(d, IDNO));
    });
    EXPECT_EQ(yesNo.doModal(), IDNO);
}

TEST_F(MessageBoxDialogTest, LongTextIsWrappedToALimitedWidthAndLinesAddHeight) {
    const DialogTemplate one = MessageBoxDialog::makeTemplate(request(L"short", MB_OK));
    const DialogTemplate two = MessageBoxDialog::makeTemplate(request(L"short\nshort", MB_OK));
    const DialogTemplate wide =
        MessageBoxDialog::makeTemplate(request(std::wstring(400, L'x'), MB_OK));
    EXPECT_EQ(two.rect.height() - one.rect.height(), 8); // one text line of DLU
    EXPECT_LE(wide.rect.width(), 280 + 2 * 7);
    EXPECT_GT(wide.rect.height(), one.rect.height());
}

namespace {
class CountingDriver : public Driver {
public:
    int steps = 0;
    DriverStep modalStep(Dialog& d) override {
        ++steps;
        if (Driver* inner = app().innerDriver())
            return inner->modalStep(d);
        return DriverStep::Idle;
    }
    std::optional<int> answerMessageBox(const MessageBoxRequest&) override { return IDOK; }
};
} // namespace

TEST_F(MessageBoxDialogTest, AFrontDriverIsAskedFirstAndTheInnerOneStaysInstalled) {
    CountingDriver front;
    app().setLiveDriver(&front);
    EXPECT_EQ(app().driver(), &front);
    EXPECT_EQ(app().innerDriver(), driver.get());
    Dialog dlg(smallTemplate());
    driver->onDialog(smallTemplate().id, [](Dialog& d) { click(d, IDOK); });
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(front.steps, 1);
    EXPECT_EQ(messageBox(nullptr, L"x", L"", MB_OKCANCEL), IDOK); // the front one answered
    app().setLiveDriver(nullptr);
    EXPECT_EQ(app().driver(), driver.get());
}
