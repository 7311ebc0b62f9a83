#include "core/CorePrint.h"

#include "core/Tvl_String.h"
#include "core/detail/Text.h"

#include <cstdio>
#include <utility>

namespace {

CorePrintSink& sink()
{
    static CorePrintSink s;
    return s;
}

// Until the host's command line is linked in, the module writes to standard output,
// which is where the host prints its command line too.
void toCommandLine(const std::wstring& text)
{
    std::string utf8 = core_detail::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

} // namespace

void corePrint(const std::wstring& text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    toCommandLine(text);
}

void corePrint(const Tvl_String& text)
{
    corePrint(text.str());
}

void corePrint(const wchar_t* text)
{
    corePrint(std::wstring(text ? text : L""));
}

CorePrintSink setCorePrintSink(CorePrintSink s)
{
    return std::exchange(sink(), std::move(s));
}
