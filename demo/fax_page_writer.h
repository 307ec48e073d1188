#pragma once
// Fax documents for the demo: pages drawn with GDI and written as one bilevel TIFF through
// the Windows Imaging Component, at fax width and standard resolution.
#include <string>
#include <vector>

struct FaxPageText {
    std::string heading;
    std::vector<std::string> lines;
};

// Writes every page into a new TIFF at path. False when Windows cannot write it.
bool WriteFaxTiff(const std::string& path, const std::vector<FaxPageText>& pages);
