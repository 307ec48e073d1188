#include "send/send_list_rules.h"

#include <cstdio>

TypingRowAction DecideTypingRow(int rowCount, bool topHasFax, bool topIsPlaceholder, bool allowRemoval)
{
    if (rowCount <= 0 || topHasFax)
        return TypingRowAction::kInsertAtTop;
    if (!topIsPlaceholder)
        return allowRemoval ? TypingRowAction::kReplaceTop : TypingRowAction::kNone;
    return TypingRowAction::kNone;
}

bool CanSend(const std::vector<bool>& rowHasFax)
{
    if (rowHasFax.empty())
        return false;
    if (rowHasFax.size() == 1)
        return rowHasFax[0];
    for (size_t row = 1; row < rowHasFax.size(); ++row)
        if (!rowHasFax[row])
            return false;
    return true;
}

void SplitRecipientName(const std::string& name, size_t maxChars, std::string* first, std::string* last)
{
    size_t blank = name.find(' ');
    std::string firstPart = blank == std::string::npos ? name : name.substr(0, blank);
    std::string lastPart = blank == std::string::npos ? std::string() : name.substr(blank + 1);
    *first = firstPart.substr(0, maxChars);
    *last = lastPart.substr(0, maxChars);
}

void AppendListed(std::string& list, const std::string& item)
{
    if (!list.empty())
        list += ", ";
    list += item;
}

std::string SourceTifToConvert(const std::string& fileList)
{
    if (fileList.size() < 3)
        return std::string();
    std::string extension = fileList.substr(fileList.size() - 3);
    if (extension == "fmf" || extension == "FMF")
        return std::string();
    return fileList.substr(0, fileList.size() - 3) + "tif";
}

std::string ScheduleDateText(int first, int second, int year)
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", first, second, year);
    return text;
}

std::string ScheduleTimeText(int hour, int minute, int second)
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}
