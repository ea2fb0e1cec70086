#include "shapes/shape_file.h"

#include "core/safe_file.h"

#include <cstring>

namespace vorlane {

namespace {

constexpr std::size_t kExchangeHeader = 6;

} // namespace

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

int ShapeFile::Count() const {
    return static_cast<int>(m_file.Count());
}

bool ShapeFile::Load(int index, ShapeRecord& shape) const {
    ShapeRecord read;
    if (!m_file.Read(index, read.Data()))
        return false;
    shape = read;
    return true;
}

SaveResult ShapeFile::Append(const ShapeRecord& shape) {
    return m_file.Append(shape.Bytes());
}

SaveResult ShapeFile::Rewrite(int index, const ShapeRecord& shape) {
    return m_file.Replace(index, shape.Bytes());
}

bool ShapeFile::Delete(int index) {
    return m_file.Delete(index);
}

bool ExportShape(const ShapeRecord& shape, const std::string& path) {
    std::string bytes = "LAY1.0";
    bytes += shape.Bytes();
    return AtomicWriteFile(path, bytes);
}

ShapeImport ReadShapeExchange(const std::string& path) {
    ShapeImport result;
    File file = File::Open(path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return result;
    result.Outcome = ShapeImportOutcome::Corrupt;
    char header[kExchangeHeader];
    if (file.ReadSomeAt(0, header, sizeof header) != sizeof header ||
        std::memcmp(header, "LAY", 3) != 0)
        return result;
    ShapeRecord shape;
    if (file.ReadSomeAt(kExchangeHeader, shape.Data(), ShapeRecord::kSize) != ShapeRecord::kSize)
        return result;
    // A record no shape editor could have made would be drawn and built from as if valid.
    if (!shape.IsValid())
        return result;
    result.Outcome = ShapeImportOutcome::Imported;
    result.Shape = shape;
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
