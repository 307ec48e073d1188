#pragma once
// The name of the engine's copy of a TIFF document: the same path with the extension "fmf".
#include <string>

// Longest path the conversion works with, terminator excluded.
constexpr size_t kMaxFaxPathLength = 259;

// The path (cut to kMaxFaxPathLength characters) with everything after the last "." of its
// file name replaced by "fmf"; a file name without a "." gets ".fmf" appended. Empty when the
// result would be longer than kMaxFaxPathLength.
std::string FmfPathFor(const std::string& tifPath);
