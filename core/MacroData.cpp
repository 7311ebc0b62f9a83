#include "core/MacroData.h"

MacroData::MacroData(const MacroData& other) {
    copyFrom(other);
}

MacroData& MacroData::operator=(const MacroData& other) {
    if (this != &other)
        copyFrom(other);
    return *this;
}

MacroData::~MacroData() = default;

// Every field that owns something is copied by value here, so that a copy never
// shares storage with its original (the dialogs keep a before-copy and compare).
void MacroData::copyFrom(const MacroData& other) {
    m_busy = other.m_busy;
    m_closed = other.m_closed;
}
