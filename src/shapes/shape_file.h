#pragma once

#include "core/message.h"
#include "core/record_file.h"
#include "shapes/shape_record.h"

#include <string>
#include <vector>

namespace vorlane {

// One line of a shape list: its text and the record index it stands for.
struct ShapeEntry {
    std::string Text;
    int Index = 0;
    bool operator==(const ShapeEntry&) const = default;
};

// The index that marks the entry of the puzzle being modified, which has no record.
constexpr int kCurrentPuzzleShapeIndex = 100000;

// The shape file VLFLAY.DAT: a bare sequence of 2555-byte shape records, known by index.
// Append creates the file when needed (the new index is the old Count()); Delete moves
// the later records down by one.
class ShapeFile : public TypedRecordFile<ShapeRecord> {
public:
    static constexpr const char* kFileName = "VLFLAY.DAT";

    using TypedRecordFile::TypedRecordFile;
    // The shape file of a program directory.
    static ShapeFile InProgramDirectory(const std::string& programDir);

    // One entry per complete record, in file order. A missing file gives none.
    std::vector<ShapeEntry> Entries() const;
    // Reads record index. False when the file cannot be opened; IoError when it has no
    // such record.
    bool Load(int index, ShapeRecord& shape) const { return Read(index, shape); }
    // Writes the record at index, which must exist.
    SaveResult Rewrite(int index, const ShapeRecord& shape) { return Replace(index, shape); }
};

// Shape exchange files (*.LAY): "LAY", a three-character version and one shape record.
enum class ShapeImportOutcome { Imported, CannotOpen, Corrupt };

struct ShapeImport {
    ShapeImportOutcome Outcome = ShapeImportOutcome::CannotOpen;
    ShapeRecord Shape;
};

// Writes "LAY1.0" and the record: exactly 2561 bytes. False when the file cannot be made.
bool ExportShape(const ShapeRecord& shape, const std::string& path);
// Reads an exchange file. Anything after byte 2561 is ignored. A record whose size lies
// outside 5..30 or whose name is longer than 50 counts as corrupt.
ShapeImport ReadShapeExchange(const std::string& path);

namespace shape_messages {
Message NoShapes();
Message NoShapeSelected();
Message DeleteQuestion(const std::string& entryText);
Message CannotDelete();
Message CannotExport();
Message Exported();
Message CannotImport();
Message CorruptImport();
Message CannotAdd();
} // namespace shape_messages

} // namespace vorlane
