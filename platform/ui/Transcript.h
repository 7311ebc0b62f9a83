#pragma once
// Transcript: text lines of everything shown and answered (dialogs opened and ended,
// message boxes with their answers, common dialogs, menus, failures). Other layers add
// their own lines (the host's command line). UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Transcript {
public:
    void add(std::string line);
    void add(std::wstring_view line);
    const std::vector<std::string>& lines() const { return m_lines; }
    bool contains(std::string_view fragment) const;
    std::string text() const; // all lines, each ending in '\n'
    void clear() { m_lines.clear(); }
    // Optional mirror (for example standard output) called for every line.
    void setEcho(void (*echo)(const std::string&)) { m_echo = echo; }

private:
    std::vector<std::string> m_lines;
    void (*m_echo)(const std::string&) = nullptr;
};

// UTF-8 <-> wide helpers used by the layer's text output.
std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

} // namespace ui
