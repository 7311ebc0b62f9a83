#pragma once
// Internal faults of the core module go to the host's command line. Everything the
// module prints passes through corePrint, so the route to the host lives in one place
// and tests can capture the exact text.

#include <functional>
#include <string>

class Tvl_String;

// Prints text verbatim (no newline added) on the host's command line.
void corePrint(const std::wstring& text);
void corePrint(const Tvl_String& text);
void corePrint(const wchar_t* text);

// Test hook: while a sink is set, output goes to it instead of the command line.
// Returns the previous sink. Pass an empty function to restore normal output.
using CorePrintSink = std::function<void(const std::wstring&)>;
CorePrintSink setCorePrintSink(CorePrintSink sink);
