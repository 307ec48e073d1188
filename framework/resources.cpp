#include "framework/resources.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "framework/module_state.h"

namespace {
std::string FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(length));
}
}  // namespace

bool TryLoadModuleString(UINT id, std::string& text)
{
    // The longest entry of the table is far below this; LoadStringA cuts anything longer.
    char buffer[4096];
    int length = LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
    if (length <= 0) {
        text.clear();
        return false;
    }
    text.assign(buffer, static_cast<size_t>(length));
    return true;
}

std::string LoadModuleString(UINT id)
{
    std::string text;
    TryLoadModuleString(id, text);
    return text;
}

std::string FormatModuleString(UINT id, ...)
{
    std::string format = LoadModuleString(id);
    va_list args;
    va_start(args, id);
    std::string result = FormatV(format.c_str(), args);
    va_end(args);
    return result;
}

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string result = FormatV(format, args);
    va_end(args);
    return result;
}
