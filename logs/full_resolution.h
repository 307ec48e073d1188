#pragma once
// A sent job may keep a full-resolution copy of its document beside it (".LRS"). Before it
// is sent again, that copy becomes the document's ".tif" working file once more.
#include <string>

// When the ".LRS" sibling of the document can be read: the ".tif" sibling is replaced by a
// copy of it and the ".LRS" file deleted. Failures are not reported.
void RestoreFullResolutionDocument(const std::string& fileList);
