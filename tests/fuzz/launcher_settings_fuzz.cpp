// The launcher's settings: tvlv6.cfg and defset.dat contents, split by their lines.

#include "launcher/StartupLogic.h"
#include "tests/fuzz/FuzzSupport.h"

// The input is tvlv6.cfg, then (after the separator of fuzz::splitInTwo) defset.dat;
// without a separator there is no defset.dat.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [settings, defaults] = fuzz::splitInTwo(fuzz::bytesOf(data, size));
    (void)launcher::splitSettingsLines(settings);
    (void)launcher::readSettings(settings, defaults);
    return 0;
}
