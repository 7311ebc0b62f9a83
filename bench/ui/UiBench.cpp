// Windowing-layer benchmarks: building and destroying a 100-control dialog, and pumping
// messages through the queue, the filter chain and a control's notification path.

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/controls/Edit.h"

#include <benchmark/benchmark.h>

using namespace ui;

namespace {

DialogTemplate hundredControls() {
    DialogTemplate t;
    t.id = 1;
    t.caption = L"Hundred";
    t.rect = dlu(0, 0, 400, 300);
    const wchar_t* classes[] = {L"Static", L"Edit", L"Button", L"ComboBox", L"ListBox"};
    for (int i = 0; i < 100; ++i) {
        ControlTemplate c;
        c.id = 1000 + i;
        c.className = classes[i % 5];
        c.text = L"Control " + std::to_wstring(i);
        c.style = c.className == L"Button" ? BS_AUTOCHECKBOX
                                           : (c.className == L"ComboBox" ? CBS_DROPDOWN : 0u);
        c.rect = dlu((i % 10) * 40, (i / 10) * 28, 36, 12);
        t.controls.push_back(c);
    }
    return t;
}

class Counting : public Dialog {
public:
    explicit Counting(const DialogTemplate& t) : Dialog(t) {}
    std::int64_t commands = 0;

protected:
    bool onCommand(int, int, Window*) override {
        ++commands;
        return true;
    }
};

void BuildAndDestroy100ControlDialog(benchmark::State& state) {
    app().resetForTests();
    DialogTemplate t = hundredControls();
    for (auto _ : state) {
        Counting dlg(t);
        dlg.create();
        benchmark::DoNotOptimize(dlg.children().size());
        dlg.destroyWindow();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BuildAndDestroy100ControlDialog);

// 100,000 posted WM_COMMAND messages delivered by the queue to the dialog.
void Pump100000PostedMessages(benchmark::State& state) {
    app().resetForTests();
    Counting dlg(hundredControls());
    dlg.create();
    for (auto _ : state) {
        for (int i = 0; i < 100000; ++i)
            dlg.postMessage(WM_COMMAND, makeWParam(1000 + i % 100, BN_CLICKED), 0);
        app().pumpMessages();
    }
    benchmark::DoNotOptimize(dlg.commands);
    state.SetItemsProcessed(state.iterations() * 100000);
    dlg.destroyWindow();
}
BENCHMARK(Pump100000PostedMessages)->Unit(benchmark::kMillisecond);

// 100,000 typed characters: filter chain, dialog manager, edit change, EN_CHANGE.
void Type100000Characters(benchmark::State& state) {
    app().resetForTests();
    Counting dlg(hundredControls());
    dlg.create();
    dlg.showWindow(SW_SHOW);
    auto* edit = static_cast<Edit*>(dlg.getDlgItem(1001));
    edit->setLimitText(0);
    std::wstring chunk(1000, L'x');
    for (auto _ : state) {
        edit->setFocus();
        for (int i = 0; i < 100; ++i) {
            edit->setWindowText(L"");
            typeText(chunk);
        }
    }
    state.SetItemsProcessed(state.iterations() * 100000);
    dlg.destroyWindow();
}
BENCHMARK(Type100000Characters)->Unit(benchmark::kMillisecond);

} // namespace
