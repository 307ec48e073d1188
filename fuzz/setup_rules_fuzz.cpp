// Texts from the system registry and the keyboard as the setup pages read them: station
// identifiers with any bytes and caret, port texts, device identifiers and modem commands.
// Nothing reads past its text, the filter keeps only what it allows with the caret inside
// the text, and a port is either 0 or the number written in the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "setup/setup_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int caret = static_cast<int8_t>(data[0]) * 4;
    const int delta = static_cast<int8_t>(data[1]);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    StationIdFilterResult filtered = FilterStationFaxId(text, caret);
    for (char c : filtered.text)
        if (!IsStationIdCharacter(c))
            std::abort();
    if (filtered.caret < 0 || filtered.caret > static_cast<int>(filtered.text.size()))
        std::abort();
    if (filtered.text.size() + static_cast<size_t>(filtered.removed) != text.size())
        std::abort();

    const uint32_t port = PortNumberFromText(text);
    if (port > 0x7FFFFFFFu)
        std::abort();
    if (port != 0 && PortNumberFromText(std::to_string(port)) != port)
        std::abort();

    const std::string id = DeviceIdFromMatchingId(text);
    if (id.size() > text.size() || id.find('\\') != std::string::npos)
        std::abort();
    if (!id.empty() && !DeviceNameMatches(text, id))
        std::abort();

    if (ModemCommandText(text).find('<') != std::string::npos)
        std::abort();

    if (StepSpinValue(text, delta, 300) > 300)
        std::abort();
    const int index = ForwardIndexFromTarget(static_cast<uint32_t>(caret), port);
    if (index >= 0 && index < kForwardListCount) {
        const ForwardTarget target = ForwardTargetFromIndex(index);
        if (ForwardIndexFromTarget(target.type, target.number) != index)
            std::abort();
    }
    return 0;
}
