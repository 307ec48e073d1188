#pragma once
// The header line that the fax engine prints at the top of every page: the user's three
// header parts, "Left|Center|Right", with their macros turned into the engine's codes.
#include <cstddef>

// Each part is read through a buffer of this many bytes, so a part has at most 20 characters.
constexpr size_t kHeaderPartSize = 21;
// Three parts and two bars, and the terminator: the smallest buffer the line fits in.
constexpr size_t kFaxBannerSize = 3 * (kHeaderPartSize - 1) + 2 + 1;

// Writes the header line into a buffer of at least kFaxBannerSize bytes. When any of the
// three header settings cannot be read, all three parts are the defaults, never a mixture.
void BuildFaxBanner(char* banner);
