#pragma once
// Data a newcomer finds on the demo's first start: phonebooks, cover pages, a document to
// send, and logs with sent, failed, held, pending and received faxes whose documents are
// real multi-page TIFFs; and a filler for trying the log pages at scale.
#include <string>

// Writes what is missing: phonebooks when the library has none, logs when the engine's
// are all empty, cover pages and the document to send when their files are missing.
void SeedSampleData();
// The document the demo offers to the Send Fax dialog (the engine's form, three pages).
std::string SampleSendDocument();
// Adds count received faxes over the past weeks and count waiting ones over the coming
// weeks; returns how many entries were added.
int FillLogsWithMany(int count);
