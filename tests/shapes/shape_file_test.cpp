#include "core/io_error.h"
#include "core/puzzle_record.h"
#include "core/test_collections.h"
#include "shapes/shape_file.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vorlane {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// A shape record written straight from its byte offsets.
std::string RawShape(const std::string& name, int width, int height, unsigned char fill) {
    std::string bytes(2555, static_cast<char>(fill));
    bytes[0] = static_cast<char>(name.size());
    std::memcpy(bytes.data() + 1, name.data(), name.size());
    bytes[51] = static_cast<char>(width);
    bytes[52] = 0;
    bytes[53] = static_cast<char>(height);
    bytes[54] = 0;
    return bytes;
}

ShapeRecord FromBytes(const std::string& bytes) {
    ShapeRecord shape;
    std::memcpy(shape.Data(), bytes.data(), ShapeRecord::kSize);
    return shape;
}

TEST(ShapeRecordTest, FieldsAndCellsSitAtTheirOffsets) {
    std::string raw = RawShape("Diamond", 15, 20, 0);
    raw[54 + 1] = 1;    // cell 1
    raw[54 + 53] = 7;   // cell 53 (row 2, column 3): any non-zero byte belongs
    raw[54 + 2500] = 1; // cell 2500
    ShapeRecord shape = FromBytes(raw);
    EXPECT_EQ(shape.Name(), "Diamond");
    EXPECT_EQ(shape.Width(), 15);
    EXPECT_EQ(shape.Height(), 20);
    EXPECT_EQ(shape.EntryText(), "15x20 Diamond");
    EXPECT_TRUE(shape.Cell(1));
    EXPECT_TRUE(shape.Cell(2, 3));
    EXPECT_TRUE(shape.Cell(50, 50));
    EXPECT_FALSE(shape.Cell(2));
    EXPECT_FALSE(shape.Cell(0));
    EXPECT_FALSE(shape.Cell(2501));
    EXPECT_EQ(shape.CellsInShape(), 2); // cell 2500 lies outside 15 x 20
    EXPECT_TRUE(shape.IsValid());

    ShapeRecord blank = ShapeRecord::Blank("Square", 15, 15);
    EXPECT_EQ(std::string(blank.Bytes().substr(55)), std::string(2500, '\1'));
    EXPECT_EQ(blank.CellsInShape(), 225);
}

TEST(ShapeRecordTest, DamagedValuesAreClampedBeforeUse) {
    struct Case {
        int width, height, nameLength;
        bool valid;
        int usedWidth, usedHeight;
    };
    const Case cases[] = {{5, 30, 50, true, 5, 30},    {4, 15, 3, false, 5, 15},
                          {31, 15, 3, false, 30, 15},  {15, -2, 3, false, 15, 5},
                          {15, 15, 51, false, 15, 15}, {15, 15, 255, false, 15, 15}};
    for (const Case& c : cases) {
        std::string raw = RawShape("", c.width, c.height, 1);
        raw[51] = static_cast<char>(c.width & 0xFF);
        raw[52] = static_cast<char>((c.width >> 8) & 0xFF);
        raw[53] = static_cast<char>(c.height & 0xFF);
        raw[54] = static_cast<char>((c.height >> 8) & 0xFF);
        raw[0] = static_cast<char>(c.nameLength);
        ShapeRecord shape = FromBytes(raw);
        EXPECT_EQ(shape.IsValid(), c.valid) << c.width << "x" << c.height << " " << c.nameLength;
        EXPECT_EQ(shape.UsedWidth(), c.usedWidth);
        EXPECT_EQ(shape.UsedHeight(), c.usedHeight);
        EXPECT_LE(shape.Name().size(), 50u);
    }
}

TEST(ShapeRecordTest, RebuiltFromAPuzzle) {
    PuzzleRecord puzzle;
    puzzle.SetGridWidth(12);
    puzzle.SetGridHeight(10);
    puzzle.SetWordGridCell(1, 'A');
    puzzle.SetWordGridCell(2, ' ');
    puzzle.SetWordGridCell(2500, 'Z'); // outside the grid, still carried over
    ShapeRecord shape = ShapeRecord::FromPuzzle(puzzle);
    EXPECT_EQ(shape.EntryText(), "12x10 <Current Puzzle>");
    EXPECT_TRUE(shape.Cell(1));
    EXPECT_TRUE(shape.Cell(2));
    EXPECT_FALSE(shape.Cell(3));
    EXPECT_TRUE(shape.Cell(2500));
}

class ShapeFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    ShapeFile file = ShapeFile::InProgramDirectory(dir.Path());
    std::string a = RawShape("Heart", 20, 18, 1);
    std::string b = RawShape("Apple", 15, 15, 1);
    std::string c = RawShape("Zebra", 30, 5, 1);
};

TEST_F(ShapeFileTest, MissingFileListsNothingAndAppendCreatesIt) {
    EXPECT_EQ(file.Path(), dir.File("VLFLAY.DAT"));
    EXPECT_TRUE(file.Entries().empty());
    EXPECT_EQ(shape_messages::NoShapes(),
              (Message{"No saved shape information could be found.", "Warning"}));
    ASSERT_EQ(file.Append(FromBytes(a)), SaveResult::Saved);
    ASSERT_EQ(file.Append(FromBytes(b)), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(file.Path()), a + b);
    EXPECT_EQ(file.Entries(), (std::vector<ShapeEntry>{{"20x18 Heart", 0}, {"15x15 Apple", 1}}));
    ShapeRecord loaded;
    ASSERT_TRUE(file.Load(1, loaded));
    EXPECT_EQ(loaded, FromBytes(b));
    EXPECT_THROW(file.Load(2, loaded), IoError);
    ASSERT_EQ(file.Rewrite(0, FromBytes(c)), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(file.Path()), c + b);
    EXPECT_THROW(file.Rewrite(2, FromBytes(c)), IoError);
}

TEST_F(ShapeFileTest, DeleteRenumbers) {
    struct Case {
        int index;
        std::string left;
    };
    const Case cases[] = {{0, b + c}, {1, a + c}, {2, a + b}};
    for (const Case& k : cases) {
        WriteBytes(file.Path(), a + b + c);
        ASSERT_TRUE(file.Delete(k.index));
        EXPECT_EQ(ReadBytes(file.Path()), k.left) << k.index;
    }
    EXPECT_FALSE(file.Delete(2));
    EXPECT_FALSE(ShapeFile::InProgramDirectory(dir.File("none")).Delete(0));
    EXPECT_EQ(shape_messages::DeleteQuestion("15x15 Apple"),
              (Message{"Are you sure you want to delete \"15x15 Apple\"?", "Delete?"}));
}

TEST_F(ShapeFileTest, ExchangeFiles) {
    const std::string lay = dir.File("heart.LAY");
    ASSERT_TRUE(ExportShape(FromBytes(RawShape("Heart", 20, 18, 0)), lay));
    const std::string exported = ReadBytes(lay);
    ASSERT_EQ(exported.size(), 2561u);
    EXPECT_EQ(exported.substr(0, 6), "LAY1.0");
    EXPECT_EQ(exported.substr(6), RawShape("Heart", 20, 18, 0)); // all 51 name bytes

    struct Case {
        const char* name;
        std::string bytes;
        ShapeImportOutcome outcome;
    };
    const std::string record = RawShape("Star", 25, 25, 1);
    const Case cases[] = {
        {"exported", exported, ShapeImportOutcome::Imported},
        {"any version", "LAY9z!" + record, ShapeImportOutcome::Imported},
        {"trailing bytes", "LAY1.0" + record + "more", ShapeImportOutcome::Imported},
        {"2560 bytes", ("LAY1.0" + record).substr(0, 2560), ShapeImportOutcome::Corrupt},
        {"wrong tag", "PAG1.0" + record, ShapeImportOutcome::Corrupt},
        {"two bytes", "LA", ShapeImportOutcome::Corrupt},
        {"empty", "", ShapeImportOutcome::Corrupt},
        {"width 40", "LAY1.0" + RawShape("Wide", 40, 10, 1), ShapeImportOutcome::Corrupt},
        {"height 4", "LAY1.0" + RawShape("Flat", 10, 4, 1), ShapeImportOutcome::Corrupt},
    };
    for (const Case& k : cases) {
        WriteBytes(dir.File("in.LAY"), k.bytes);
        ShapeImport read = ReadShapeExchange(dir.File("in.LAY"));
        EXPECT_EQ(read.Outcome, k.outcome) << k.name;
        if (read.Outcome == ShapeImportOutcome::Imported) {
            EXPECT_EQ(std::string(read.Shape.Bytes()), k.bytes.substr(6, 2555)) << k.name;
        }
    }
    std::string longName = "LAY1.0" + RawShape("x", 10, 10, 1);
    longName[6] = 51;
    WriteBytes(dir.File("in.LAY"), longName);
    EXPECT_EQ(ReadShapeExchange(dir.File("in.LAY")).Outcome, ShapeImportOutcome::Corrupt);
    EXPECT_EQ(ReadShapeExchange(dir.File("missing.LAY")).Outcome, ShapeImportOutcome::CannotOpen);
    EXPECT_FALSE(ExportShape(FromBytes(record), dir.File("no/such/folder.LAY")));
    EXPECT_EQ(shape_messages::CorruptImport().Text,
              "Puzzle shape file is corrupt or incompatible.  Import aborted.");
}

} // namespace
} // namespace vorlane
