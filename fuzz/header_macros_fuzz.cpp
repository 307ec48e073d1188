// Header macro translation over arbitrary texts: the text keeps its length, no macro is left
// behind, nothing outside the text is touched, and only macros change.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "send/header_macros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> original(data, data + size);
    original.push_back('\0');
    const size_t length = std::strlen(original.data());

    std::vector<char> text(original);
    text.push_back('#');  // a guard byte past the terminator
    TranslateHeaderMacros(text.data());

    if (text.back() != '#' || std::strlen(text.data()) != length)
        std::abort();
    for (size_t at = 0; at < length; ++at) {
        if (text[at] == '@' && EngineCodeForMacro(text[at + 1]))
            std::abort();
        if (text[at] != original[at]) {
            // Only the two characters of a macro change, into "%" and the engine's code.
            bool macroStart = original[at] == '@' && text[at] == '%' && text[at + 1] == EngineCodeForMacro(original[at + 1]);
            if (!macroStart)
                std::abort();
            ++at;
        }
    }
    return 0;
}
