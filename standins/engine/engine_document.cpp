#include "standins/engine/engine_document.h"

#include "standins/common/store_files.h"
#include "standins/engine/engine_store.h"
#include "standins/tiff/tiff_document.h"

bool CreateEngineDocument(const char* source, const char* target, size_t* pages)
{
    std::string bytes;
    tiff::Document document;
    if (!ReadWholeFile(source, kMaxDocumentBytes, bytes) || !tiff::ReadDocument(bytes, document))
        return false;
    if (pages)
        *pages = document.pages.size();
    return ReplaceFileWith(target, tiff::WriteDocument(document, true));
}
