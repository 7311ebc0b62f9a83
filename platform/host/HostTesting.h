#pragma once
// Test support: puts the host back to its starting state between tests (modules
// unloaded, commands, command line, counters and pick answers cleared, the profile's
// path back to the default). The windowing layer has its own resetForTests().

namespace host {

void resetHostForTests();

} // namespace host
