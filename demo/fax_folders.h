#pragma once
// The folders where the suite keeps fax documents (under the user's documents folder, as
// the module computes them), and how the demo finds the file behind a document the module
// names: the module asks for "<folder>\<name>.qoi", the engine keeps "<name>.fmf" or a TIFF.
#include <string>

struct FaxFolders {
    std::string myFax, coverPages, inbox, outbox, sent;
};

// Computes the folders and creates the missing ones.
const FaxFolders& MyFaxFolders();
// The folder of the engine's received documents.
std::string EngineReceivedFolder();
// The existing document for a path the module sent, or "" when there is none: the same
// name with the extension fmf, tif or as given, in its folder or any fax folder.
std::string FindFaxDocument(const std::string& requested);
