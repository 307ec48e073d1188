#pragma once
// A window that shows the pages of a fax document: the engine's form (a TIFF that begins
// "FF") or any image the Windows Imaging Component decodes. Pages are decoded when shown.
#include <windows.h>

#include <string>

// Opens a viewer on the document; null, with the reason, when it cannot be decoded.
HWND OpenFaxViewer(HWND owner, const std::string& path, std::string* reason);
// Closes the viewers of a document that is gone (path without extension, any folder);
// returns how many were open.
int CloseFaxViewers(const std::string& pathWithoutExtension);
