#include "send/locale_picture.h"

const char* DatePictureForOrder(int order)
{
    switch (order) {
    case 1:
        return "dd'/'MM'/'yyyy";
    case 2:
        return "yyyy'/'MM'/'dd";
    default:
        return "MM'/'dd'/'yyyy";
    }
}

std::string ReplaceEachChar(const std::string& picture, char placeholder, const std::string& separator)
{
    std::string result;
    result.reserve(picture.size());
    for (char c : picture) {
        if (c == placeholder)
            result += separator;
        else
            result += c;
    }
    return result;
}
