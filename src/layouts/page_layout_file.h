#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/record_file.h"
#include "layouts/page_layout_record.h"

#include <string>
#include <vector>

namespace vorlane {

// The page layout file VLFPAGE.DAT: a bare sequence of 28868-byte page layout records,
// known by record number.
// A missing file is an empty library.
class PageLayoutFile : public TypedRecordFile<PageLayoutRecord> {
public:
    static constexpr const char* kFileName = "VLFPAGE.DAT";

    using TypedRecordFile::TypedRecordFile;
    static PageLayoutFile InProgramDirectory(const std::string& programDir);

    // The layout for a new puzzle: record d, record 0 when d is not below the count, and
    // the built-in default layout when the file cannot be opened or holds no record.
    PageLayoutRecord DefaultLayout(int d) const;
};

// Empties the working record for a new puzzle and gives it the default page layout: record
// defaultPage of the program directory's layout file, or what DefaultLayout falls back to.
void ResetForNewPuzzle(PuzzleRecord& working, const std::string& programDir, int defaultPage);

// The list entry of a layout: "My Page (A4)", "My Page (Custom 8" x 11")", with
// "  <<DEFAULT>>" after the entry whose record number is the default page.
std::string LayoutEntryText(const PageLayoutRecord& layout, int recordNumber, int defaultPage);

// Layout exchange files (*.PAG): "PAG", a three-character version and one record.
enum class LayoutImportOutcome { Imported, CannotOpen, Corrupt };

struct LayoutImport {
    LayoutImportOutcome Outcome = LayoutImportOutcome::CannotOpen;
    PageLayoutRecord Layout;
};

// Writes "PAG1.0" and the record: exactly 28874 bytes. False when the file cannot be made.
bool ExportLayout(const PageLayoutRecord& layout, const std::string& path);
// Reads an exchange file; anything after byte 28874 is ignored. A record whose
// ObjectCount lies outside 0..20 or whose design extents are not positive is corrupt.
LayoutImport ReadLayoutExchange(const std::string& path);

namespace layout_messages {
Message NoLayouts();
Message NoLayoutSelected();
Message DeleteQuestion(const std::string& entryText);
Message CannotDelete();
Message CannotAdd();
Message CannotExport();
Message Exported();
Message CannotImport();
Message CorruptImport();
} // namespace layout_messages

} // namespace vorlane
