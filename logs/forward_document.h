#pragma once
// A received fax made ready to be sent on: its document is copied page by page into a new
// TIFF file through the image file library, and the engine writes its own document from
// that copy under the received document's name, marked "II" again so that the Send Fax
// dialog takes it as a TIFF.
#include <string>

#include "engine/fax_engine.h"

// The received document: the entry's path with its extension replaced by "tif".
std::string ForwardedDocumentPath(const char* fileList);
// Rewrites the document at that path. Every failure leaves the received document as it was;
// false when the image library could not read a page of it (the caller tells the user,
// who still gets the Send Fax dialog), true otherwise.
bool RewriteForwardedDocument(FAXENGINE hFaxEngine, const std::string& document);
