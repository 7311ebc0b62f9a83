// The live backend of a build without GTK 3.
#include "platform/ui/live/LiveBackend.h"

namespace ui::live {

bool start(std::string& why) {
    why = "this build has no live windows (GTK 3 was not found when it was built)";
    return false;
}
bool running() {
    return false;
}
void stop() {}
void setPrompt(int, std::function<bool()>) {}
bool waitReadable(int) {
    return false;
}

} // namespace ui::live
