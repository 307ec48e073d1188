#include "logs/log_file_names.h"

std::string FileNameOfPath(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DocumentNameWithoutExtension(const std::string& path)
{
    std::string name = FileNameOfPath(path);
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

bool ReplaceLastChars(const std::string& text, size_t count, const char* replacement, std::string* result)
{
    if (text.size() < count)
        return false;
    *result = text.substr(0, text.size() - count) + replacement;
    return true;
}

std::string ReplaceExtension(const std::string& path, const char* extension)
{
    size_t slash = path.find_last_of('\\');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + "." + extension;
    return path.substr(0, dot + 1) + extension;
}
