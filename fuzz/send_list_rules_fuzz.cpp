// Recipient names and logged file names of any bytes and length: a name splits into parts
// that fit their fields and give the name back when nothing was cut; a logged file name
// gives either nothing or the same name ending in "tif"; an empty list always gets its typing row.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "send/send_list_rules.h"

namespace {
void Check(bool condition)
{
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t maxChars = data[0] % 45;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string first, last;
    SplitRecipientName(text, maxChars, &first, &last);
    Check(first.size() <= maxChars && last.size() <= maxChars);
    Check(first.find(' ') == std::string::npos);
    const size_t blank = text.find(' ');
    if (blank == std::string::npos)
        Check(last.empty() && text.compare(0, first.size(), first) == 0);
    else if (blank <= maxChars && text.size() - blank - 1 <= maxChars)
        Check(first + " " + last == text);

    const std::string tif = SourceTifToConvert(text);
    if (!tif.empty()) {
        Check(tif.size() == text.size());
        Check(tif.compare(tif.size() - 3, 3, "tif") == 0);
        Check(tif.compare(0, tif.size() - 3, text, 0, text.size() - 3) == 0);
    }

    const TypingRowAction action = DecideTypingRow(static_cast<int>(text.size()), (data[0] & 1) != 0,
                                                   (data[0] & 2) != 0, (data[0] & 4) != 0);
    if (text.empty())
        Check(action == TypingRowAction::kInsertAtTop);
    if (action == TypingRowAction::kReplaceTop)
        Check((data[0] & 4) != 0);

    std::string list;
    AppendListed(list, text);
    AppendListed(list, text);
    Check(list.size() == 2 * text.size() + (text.empty() ? 0 : 2));
    return 0;
}
