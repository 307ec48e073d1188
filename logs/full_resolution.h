#pragma once
// A sent job may keep a full-resolution copy of its document beside it (".LRS"). Before it
// is sent again, that copy becomes the document's ".tif" working file once more.
#include <string>

// When the ".LRS" sibling of the document can be read: the ".tif" sibling is replaced by a
// copy of it and the ".LRS" file deleted. Returns false, with both files as they were, when
// the copy cannot be written (a read-only working file or folder); the caller tells the user.
// True otherwise, also when there is no full-resolution copy.
bool RestoreFullResolutionDocument(const std::string& fileList, std::string* working);
