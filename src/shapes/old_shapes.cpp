#include "shapes/old_shapes.h"

#include "core/old_puzzle.h"
#include "core/safe_file.h"

namespace vorlane {

OldShapesResult AddOldShapes(const std::string& vlfulayPath, ShapeFile& shapes) {
    OldShapesResult result;
    File source = File::Open(vlfulayPath, File::Mode::ReadOnly);
    if (!source.IsOpen())
        return result;
    result.Outcome = OldShapesOutcome::CannotSave;
    if (!old_version::PrepareTarget(shapes.Path()))
        return result;
    const std::uint64_t records = source.Size() / ShapeRecord::kSize;
    ShapeRecord shape;
    for (std::uint64_t r = 0; r < records; ++r) {
        source.ReadAt(r * ShapeRecord::kSize, shape.Data(), ShapeRecord::kSize);
        if (shapes.Append(shape) != SaveResult::Saved)
            return result;
        ++result.Count;
    }
    source.Close();
    old_version::RemoveConverted(vlfulayPath);
    result.Outcome = OldShapesOutcome::Added;
    return result;
}

namespace old_version_messages {
Message ForOldShapes(OldShapesOutcome outcome) {
    switch (outcome) {
    case OldShapesOutcome::Added:
        return ShapesAdded();
    case OldShapesOutcome::CannotOpenSource:
        return CannotImportPuzzles();
    case OldShapesOutcome::CannotSave:
        return CannotAddShapes();
    }
    return CannotAddShapes();
}
} // namespace old_version_messages

} // namespace vorlane
