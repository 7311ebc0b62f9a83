// The host's automation scripts: the whole-script parser and the word splitter.

#include "platform/host/Script.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    (void)host::parseScript(text);
    std::vector<std::wstring> words;
    std::string error;
    (void)host::splitScriptWords(text.substr(0, text.find('\n')), words, error);
    return 0;
}
