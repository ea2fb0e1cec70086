#include "shapes/shape_file.h"

#include "core/safe_file.h"

namespace vorlane {

ShapeFile ShapeFile::InProgramDirectory(const std::string& programDir) {
    return ShapeFile(programDir + "/" + kFileName);
}

std::vector<ShapeEntry> ShapeFile::Entries() const {
    std::vector<ShapeEntry> entries;
    File file = m_file.OpenForReading();
    if (!file.IsOpen())
        return entries;
    const std::uint64_t count = file.Size() / ShapeRecord::kSize;
    entries.reserve(static_cast<std::size_t>(count));
    ShapeRecord shape;
    for (std::uint64_t i = 0; i < count; ++i) {
        file.ReadAt(i * ShapeRecord::kSize, shape.Data(), ShapeRecord::kSize);
        entries.push_back({shape.EntryText(), static_cast<int>(i)});
    }
    return entries;
}

bool ExportShape(const ShapeRecord& shape, const std::string& path) {
    return WriteExchangeFile(path, "LAY", shape.Bytes());
}

ShapeImport ReadShapeExchange(const std::string& path) {
    ShapeImport result;
    switch (ReadExchangeFile(path, "LAY", result.Shape.Data(), ShapeRecord::kSize)) {
    case ExchangeOutcome::CannotOpen:
        result.Outcome = ShapeImportOutcome::CannotOpen;
        break;
    case ExchangeOutcome::Corrupt:
        result.Outcome = ShapeImportOutcome::Corrupt;
        break;
    case ExchangeOutcome::Read:
        // A record no shape editor could have made would be drawn and built from as if valid.
        result.Outcome =
            result.Shape.IsValid() ? ShapeImportOutcome::Imported : ShapeImportOutcome::Corrupt;
        break;
    }
    if (result.Outcome != ShapeImportOutcome::Imported)
        result.Shape = ShapeRecord();
    return result;
}

namespace shape_messages {
Message NoShapes() {
    return {"No saved shape information could be found.", "Warning"};
}
Message NoShapeSelected() {
    return {"No shape selected.", "Error"};
}
Message DeleteQuestion(const std::string& entryText) {
    return {"Are you sure you want to delete \"" + entryText + "\"?", "Delete?"};
}
Message CannotDelete() {
    return {"Unable to delete puzzle shape.", "Disk Error"};
}
Message CannotExport() {
    return {"Shape could not be exported.", "Error"};
}
Message Exported() {
    return {"Puzzle Shape Exported!", "OK"};
}
Message CannotImport() {
    return {"Puzzle shape could not be imported.", "Error"};
}
Message CorruptImport() {
    return {"Puzzle shape file is corrupt or incompatible.  Import aborted.", "Error"};
}
Message CannotAdd() {
    return {"Unable to add shape.", "Disk Error"};
}
} // namespace shape_messages

} // namespace vorlane
