#include "setup/setup_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

bool IsStationIdCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == ' ' || c == '#' || c == '*' || c == '+';
}

StationIdFilterResult FilterStationFaxId(const std::string& text, int caret)
{
    StationIdFilterResult result;
    result.caret = caret;
    result.text.reserve(text.size());
    for (char c : text) {
        if (IsStationIdCharacter(c)) {
            result.text += c;
        } else {
            ++result.removed;
            if (result.caret > 0)
                --result.caret;
        }
    }
    if (result.caret > static_cast<int>(result.text.size()))
        result.caret = static_cast<int>(result.text.size());
    if (result.caret < 0)
        result.caret = 0;
    return result;
}

int ForwardIndexFromTarget(uint32_t type, uint32_t number)
{
    // Numbers past the list give an index past the list: nothing is selected then.
    const uint32_t capped = number > kForwardListCount ? static_cast<uint32_t>(kForwardListCount) : number;
    const int index = static_cast<int>(capped);
    return type == kForwardSpeedDial ? index : index + kSpeedDialCount - 1;
}

ForwardTarget ForwardTargetFromIndex(int index)
{
    if (index >= kSpeedDialCount)
        return {kForwardRapidDial, static_cast<uint32_t>(index - (kSpeedDialCount - 1))};
    return {kForwardSpeedDial, static_cast<uint32_t>(index < 0 ? 0 : index)};
}

bool AnswerModeChangePending(bool autoReceiveNow, bool forwardNow, bool autoReceiveBefore, bool forwardBefore)
{
    if (autoReceiveNow == autoReceiveBefore && forwardNow == forwardBefore)
        return false;
    if (autoReceiveNow && forwardBefore)
        return false;
    if (forwardNow && autoReceiveBefore)
        return false;
    return true;
}

unsigned StepSpinValue(const std::string& text, int delta, unsigned maximum)
{
    // Reads like atoi: blanks, a sign, then digits up to the first other character.
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > 0xFFFFFFFFLL)
            break;  // already past every maximum
    }
    if (negative)
        value = -value;
    return static_cast<unsigned>(std::clamp<long long>(value - delta, 0, maximum));
}

uint32_t PortNumberFromText(const std::string& portText)
{
    size_t at = 0;
    while (at < portText.size() && !(portText[at] >= '0' && portText[at] <= '9'))
        ++at;
    uint64_t value = 0;
    for (; at < portText.size() && portText[at] >= '0' && portText[at] <= '9'; ++at) {
        value = value * 10 + static_cast<uint64_t>(portText[at] - '0');
        if (value > 0x7FFFFFFFu)
            return 0;
    }
    return static_cast<uint32_t>(value);
}

std::string DeviceIdFromMatchingId(const std::string& matchingId)
{
    std::string id = matchingId;
    if (!id.empty() && id[0] == '*')
        id.erase(0, 1);
    const size_t slash = id.rfind('\\');
    if (slash != std::string::npos)
        id.erase(0, slash + 1);
    return id;
}

namespace {
std::string Upper(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}
}  // namespace

bool DeviceNameMatches(const std::string& deviceName, const std::string& deviceId)
{
    if (deviceId.empty())
        return false;
    return Upper(deviceName).find(Upper(deviceId)) != std::string::npos;
}

std::string ModemCommandText(const std::string& registryText)
{
    const size_t bracket = registryText.find('<');
    return bracket == std::string::npos ? registryText : registryText.substr(0, bracket);
}
