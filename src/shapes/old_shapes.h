#pragma once

#include "core/message.h"
#include "shapes/shape_file.h"

#include <string>

namespace vorlane {

enum class OldShapesOutcome {
    Added,            // Count shapes were appended and the old file deleted
    CannotOpenSource, // the old shape file could not be opened
    CannotSave,       // the shape file could neither be opened nor created
};

struct OldShapesResult {
    OldShapesOutcome Outcome = OldShapesOutcome::CannotOpenSource;
    int Count = 0; // shapes appended
};

// The start-up conversion of the previous version's VLFULAY.DAT: every complete record (a
// torn tail is ignored) is appended unchanged to shapes, creating the shape file when
// needed; only when all were appended is the old file deleted.
OldShapesResult AddOldShapes(const std::string& vlfulayPath, ShapeFile& shapes);

namespace old_version_messages {
// What adding the old shapes tells the user.
Message ForOldShapes(OldShapesOutcome outcome);
} // namespace old_version_messages

} // namespace vorlane
