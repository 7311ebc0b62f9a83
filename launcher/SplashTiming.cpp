#include "launcher/SplashTiming.h"

#include <cstdlib>
#include <string>

namespace launcher {

unsigned splashMilliseconds() {
    const char* env = std::getenv("TREVLON_SPLASH_MS");
    if (!env || !*env)
        return kSplashMilliseconds;
    const std::string text(env);
    if (text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9)
        return kSplashMilliseconds;
    return static_cast<unsigned>(std::stoul(text));
}

} // namespace launcher
