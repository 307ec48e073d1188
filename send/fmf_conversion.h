#pragma once
// The engine's document form: a copy of a little-endian TIFF file, named like it with the
// extension "fmf", whose byte-order mark "II" reads "FF". Files with any other start are
// copied unchanged. Failures are shown to the user in a message box.
#include <windows.h>

// Makes the fmf file beside the tif file. 1 on success, 0 after a failure message.
BOOL ConvertTifToFmf(LPCSTR tifPath);

// As above, and on success hands back the fmf file's path in a new buffer of MAX_PATH bytes,
// which the caller releases with delete[]. *fmfPath is null after a failure.
BOOL ConvertTifToFmf(LPCSTR tifPath, LPSTR* fmfPath);
