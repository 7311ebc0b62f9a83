#pragma once
// The live front-end: the window model shown in real windows (GTK 3), a person's input
// fed back through the model's input functions. See docs/live.md. This header shows no
// GTK type; without GTK at build time start() says so and nothing else runs.

#include <functional>
#include <string>

namespace ui::live {

// Opens the display and becomes the application's front driver. False, with the reason
// in `why`, when there is no display or the build has no live backend.
bool start(std::string& why);
bool running();
// Closes every real window and gives the driver back.
void stop();

// The host's prompt: its file descriptor and whether a whole line already waits in the
// reader's buffer. While a modal dialog runs for a person, a line at the prompt goes to
// the script driver as before.
void setPrompt(int fd, std::function<bool()> hasBufferedLine);
// Runs GTK's main loop (windows, input, timers) until `fd` can be read without
// blocking. From the first call on, a person drives the modal dialogs. False when the
// backend is not running (the caller then just reads).
bool waitReadable(int fd);

} // namespace ui::live
