#pragma once

// The start-up's view of the real system: product paths mapped to native ones, file
// and folder names compared as the product's platform compares them (without regard
// to case, in every part of a path), programs started as detached processes. Message
// boxes are left to the caller (the splash window owns them).

#include "launcher/StartupLogic.h"

#include <functional>

namespace launcher {

class NativeEnvironment : public StartupEnvironment {
public:
    using MessageSink = std::function<void(const std::wstring& caption, const std::wstring& text)>;
    explicit NativeEnvironment(MessageSink messages) : m_messages(std::move(messages)) {}

    bool exists(const std::wstring& productPath) override;
    // Regular files only, opened without blocking, read 64 KiB at a time.
    bool readPieces(const std::wstring& productPath,
                    const std::function<bool(std::string_view)>& piece) override;
    void showMessage(const std::wstring& caption, const std::wstring& text) override;
    // The file is started with the parameters split by the Windows command-line
    // rules; failures are not reported (as with the shell's open verb).
    void startProgram(const std::wstring& file, const std::wstring& parameters) override;

private:
    MessageSink m_messages;
};

// The launcher folder of the running program, in product form, ending with "\"; empty
// when the folder's native name is not valid UTF-8.
std::wstring ownLauncherFolder();

} // namespace launcher
