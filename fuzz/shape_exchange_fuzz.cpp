// Shape exchange files and shape files from outside: reading and listing them.
#include "fuzz_input.h"
#include "shapes/shape_file.h"

#include "core/io_error.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlane;
    const std::string& path = fuzz::InputFile(data, size);
    ShapeImport read = ReadShapeExchange(path);
    if (read.Outcome == ShapeImportOutcome::Imported) {
        (void)read.Shape.EntryText();
        (void)read.Shape.CellsInShape();
    }
    ShapeFile file(path);
    try {
        for (const ShapeEntry& entry : file.Entries()) {
            ShapeRecord shape;
            file.Load(entry.Index, shape);
            (void)shape.CellsInShape();
        }
    } catch (const IoError&) {
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    vorlane::ShapeRecord shape = vorlane::ShapeRecord::Blank("Heart", 20, 18);
    return {"LAY1.0" + std::string(shape.Bytes()), std::string(shape.Bytes()) + "LAY"};
}
