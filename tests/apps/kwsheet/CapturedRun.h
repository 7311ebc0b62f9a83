#pragma once
// Runs a kwsheet sub-command (argc/argv after its name) with standard output and error
// captured, as the command line would run it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace kwsheettest {

inline int runCaptured(int (*command)(int, char**), std::vector<std::string> args,
                       std::string* out = nullptr, std::string* err = nullptr) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int rc = command(static_cast<int>(argv.size()), argv.data());
    fflush(stdout);
    fflush(stderr);
    std::string o = testing::internal::GetCapturedStdout();
    std::string e = testing::internal::GetCapturedStderr();
    if (out)
        *out = o;
    if (err)
        *err = e;
    return rc;
}

} // namespace kwsheettest
