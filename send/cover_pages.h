#pragma once
// The five cover pages. Each has a name shown in the Send Fax dialog's cover combo, a
// preview file that the host shows (its bare file name is the combo item's data), and the
// file in the cover page folder that the engine sends. The combo index is the table index.

struct CoverPage {
    unsigned nameId;         // string: the name shown in the combo
    unsigned previewFileId;  // string: the host's preview file, "General.Qoi"
    const char* sentFile;    // the engine's file in the cover page folder, "general.pg"
};

constexpr int kCoverPageCount = 5;

// The cover page at a combo index, or null for an index outside the table.
const CoverPage* CoverPageAt(int index);

// The file name the engine sends for a combo index; empty for an index outside the table.
const char* CoverPageSentFile(int index);
