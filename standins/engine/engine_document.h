#pragma once
// The engine's fax documents: a little-endian TIFF whose first two bytes are "FF".
#include <cstddef>

// Writes the document at target from the TIFF file at source (any byte order, all pages).
// False, and no file written, when the source cannot be read as a TIFF. pages, when given,
// receives the number of pages written.
bool CreateEngineDocument(const char* source, const char* target, size_t* pages = nullptr);
