#pragma once
// The tour: runs the module's commands with no user at hand, checks that a transmission
// can be watched page by page and aborted mid-page, that a reception grows page by page
// and that the viewer shows a document's pages, and pictures every window it opens into
// the folder given. Returns the number of failed checks.
#include <string>

int RunTour(const std::string& pictureFolder);
