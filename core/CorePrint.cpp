#include "core/CorePrint.h"

#include "core/Tvl_String.h"
#include "core/detail/Text.h"

#include <cstdio>
#include <utility>

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

CorePrintSink& sink() {
    static CorePrintSink s;
    return s;
}

#if TVL_HOST_AVAILABLE
void toCommandLine(const std::wstring& text) {
    // The text goes in as an argument, never as the format: it may hold "%".
    acutPrintf(L"%s", text.c_str());
}
#else
// Without the host the module writes to standard output, where the host's command
// line would appear too.
void toCommandLine(const std::wstring& text) {
    std::string utf8 = core_detail::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}
#endif

} // namespace

void corePrint(const std::wstring& text) {
    if (sink()) {
        sink()(text);
        return;
    }
    toCommandLine(text);
}

void corePrint(const Tvl_String& text) {
    corePrint(text.str());
}

void corePrint(const wchar_t* text) {
    corePrint(std::wstring(text ? text : L""));
}

CorePrintSink setCorePrintSink(CorePrintSink s) {
    return std::exchange(sink(), std::move(s));
}
