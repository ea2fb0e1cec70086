#include "command.h"

#include "core/codepage.h"
#include "core/sorted_list.h"
#include "shapes/shape_file.h"

#include <ostream>

namespace vorlane::cli {

namespace {

ShapeFile ShapesOf(const Args& args, std::size_t at) {
    return at < args.size() ? ShapeFile(args[at]) : ShapeFile::InProgramDirectory(ProgramFolder());
}

int ListShapes(const Args& args, std::ostream& out, std::ostream& err) {
    ShapeFile file = ShapesOf(args, 0);
    std::vector<SortedList::Item> items;
    for (const ShapeEntry& entry : file.Entries())
        items.push_back({entry.Text, entry.Index});
    if (items.empty()) {
        err << Cp1252ToUtf8(shape_messages::NoShapes().Text) << "\n";
        return kExitOk;
    }
    PrintSorted(std::move(items), out);
    return kExitOk;
}

int ExportShapeCommand(const Args& args, std::ostream& out, std::ostream& err) {
    int index = 0;
    if (!ParseIndex(args[0], index)) {
        err << "vorlane shape export: '" << args[0] << "' is not a shape index.\n";
        return kExitUsage;
    }
    ShapeFile file = ShapeFile::InProgramDirectory(ProgramFolder());
    ShapeRecord shape;
    if (index >= file.Count() || !file.Load(index, shape))
        return Fail(err, "shape export", shape_messages::NoShapeSelected());
    if (!ExportShape(shape, args[1]))
        return Fail(err, "shape export", shape_messages::CannotExport());
    out << shape_messages::Exported().Text << "\n";
    return kExitOk;
}

int ImportShapeCommand(const Args& args, std::ostream& out, std::ostream& err) {
    ShapeImport read = ReadShapeExchange(args[0]);
    if (read.Outcome == ShapeImportOutcome::CannotOpen)
        return Fail(err, "shape import", shape_messages::CannotImport());
    if (read.Outcome == ShapeImportOutcome::Corrupt)
        return Fail(err, "shape import", shape_messages::CorruptImport());
    ShapeFile file = ShapeFile::InProgramDirectory(ProgramFolder());
    const int index = file.Count();
    if (file.Append(read.Shape) != SaveResult::Saved)
        return Fail(err, "shape import", shape_messages::CannotAdd());
    out << Cp1252ToUtf8(read.Shape.EntryText()) << " [" << index << "]\n";
    return kExitOk;
}

} // namespace

std::vector<Command> ShapeCommands() {
    return {
        {"shapes", "vorlane shapes [SHAPEFILE]",
         "Lists the puzzle shapes (width x height and name), sorted as the shape lists\n"
         "show them, with the record index in brackets. Without a file, the shapes of\n"
         "the program folder (VLFLAY.DAT).",
         0, 1, ListShapes},
        {"shape export", "vorlane shape export INDEX FILE.LAY",
         "Writes the shape with record index INDEX of the program folder's shape file\n"
         "to a shape exchange file.",
         2, 2, ExportShapeCommand},
        {"shape import", "vorlane shape import FILE.LAY",
         "Adds the shape of a shape exchange file to the program folder's shape file\n"
         "and prints its entry with its new index.",
         1, 1, ImportShapeCommand},
    };
}

} // namespace vorlane::cli
