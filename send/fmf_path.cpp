#include "send/fmf_path.h"

std::string FmfPathFor(const std::string& tifPath)
{
    std::string path = tifPath.substr(0, kMaxFaxPathLength);
    size_t fileStart = path.find_last_of("\\/:");
    fileStart = fileStart == std::string::npos ? 0 : fileStart + 1;
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < fileStart)
        path += ".fmf";
    else
        path.replace(dot + 1, std::string::npos, "fmf");
    if (path.size() > kMaxFaxPathLength)
        return std::string();
    return path;
}
