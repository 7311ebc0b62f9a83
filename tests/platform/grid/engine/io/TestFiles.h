#pragma once

#include <string>

namespace grid::test {

// A fresh folder for one test, under TVL_TEST_TMP (or the system's temporary folder).
std::string scratchDir(const std::string& name);
std::string readAll(const std::string& path);
void writeAll(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// Runs /usr/bin/python3 with `script` on standard input and `args`; returns its exit
// status and puts its standard output in `output`.
int runPython(const std::string& script, const std::string& args, std::string& output);
// Whether /usr/bin/python3 can import xlrd (the system package).
bool haveXlrd();

} // namespace grid::test
