#include "kw/spreadsheet/editor/EditorClipboard.h"

namespace kw {

EditorClipboard& EditorClipboard::instance() {
    static EditorClipboard clipboard;
    return clipboard;
}

long long EditorClipboard::newDocumentNumber() {
    static long long last = 0;
    return ++last;
}

} // namespace kw
