#pragma once

// An in-memory launcher folder: files with contents (nullopt = present but not
// readable, e.g. a folder), and a record of what the start-up showed and started.

#include "launcher/StartupLogic.h"

#include <map>

namespace launcher::test {

struct Started {
    std::wstring file;
    std::wstring parameters;
    bool operator==(const Started&) const = default;
};

struct Shown {
    std::wstring caption;
    std::wstring text;
    bool operator==(const Shown&) const = default;
};

class FakeEnvironment : public StartupEnvironment {
public:
    std::map<std::wstring, std::optional<std::string>> files;
    std::vector<Shown> messages;
    std::vector<Started> started;
    // Messages and starts in one sequence, to check their order.
    std::vector<std::wstring> events;

    void add(const std::wstring& path, std::optional<std::string> contents = std::string()) { files[path] = std::move(contents); }

    bool exists(const std::wstring& p) override { return files.count(p) != 0; }
    std::optional<std::string> readFile(const std::wstring& p) override
    {
        auto it = files.find(p);
        return it == files.end() ? std::nullopt : it->second;
    }
    void showMessage(const std::wstring& caption, const std::wstring& text) override
    {
        messages.push_back({caption, text});
        events.push_back(L"message " + caption);
    }
    void startProgram(const std::wstring& file, const std::wstring& parameters) override
    {
        started.push_back({file, parameters});
        events.push_back(L"start " + file);
    }
};

} // namespace launcher::test
