#pragma once
// Captures what the core module prints on the command line while the object lives.

#include "core/CorePrint.h"

#include <string>
#include <utility>

class CaptureOutput {
public:
    CaptureOutput() {
        m_previous = setCorePrintSink([this](const std::wstring& text) { m_text += text; });
    }
    ~CaptureOutput() { setCorePrintSink(m_previous); }
    CaptureOutput(const CaptureOutput&) = delete;
    CaptureOutput& operator=(const CaptureOutput&) = delete;

    const std::wstring& text() const { return m_text; }
    std::wstring take() { return std::exchange(m_text, {}); }

private:
    std::wstring m_text;
    CorePrintSink m_previous;
};
