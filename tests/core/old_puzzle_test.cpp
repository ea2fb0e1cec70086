#include "core/old_puzzle.h"

#include "core/io_error.h"
#include "core/safe_file.h"
#include "core/test_collections.h"
#include "shapes/old_shapes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace vorlane {
namespace {

using test::MakeRecord;
using test::ReadBytes;
using test::RecordBytes;
using test::TempDir;
using test::WriteBytes;

using Layout = std::array<unsigned char, PuzzleRecord::kPageLayoutSize>;

// A previous-version puzzle record written byte by byte at the offsets of its format.
struct OldBytes {
    std::string b = std::string(10809, '\0');

    void Short(std::size_t at, const std::string& text) {
        b[at] = static_cast<char>(text.size());
        b.replace(at + 1, text.size(), text);
    }
    void I16(std::size_t at, int value) {
        b[at] = static_cast<char>(value & 0xFF);
        b[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    }
    void Word(int entry, const std::string& text) { Short(2559 + 21 * (entry - 1), text); }
    OldPuzzleRecord Record() const {
        OldPuzzleRecord r;
        std::memcpy(r.Data(), b.data(), b.size());
        return r;
    }
};

// Twelve words in a 15 x 15 grid, with every one of the 330 word slots and cell pairs
// filled, so that what lies above the word count is seen to be dropped or kept.
OldBytes TwelveWords() {
    OldBytes o;
    o.Short(0, "Forty characters of title, cut to thirty"); // 40 characters
    o.I16(51, 15);
    o.I16(53, 0x7F7F); // not part of the puzzle
    for (int k = 0; k < 2500; ++k)
        o.b[55 + static_cast<std::size_t>(k)] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ \0\xC9"[k % 29];
    o.I16(2555, 12);
    o.I16(2557, 0x7F7F);
    for (int i = 1; i <= 330; ++i) {
        o.Word(i, "WORD" + std::to_string(i));
        o.I16(9489 + 2 * static_cast<std::size_t>(i - 1), i);
        o.I16(10149 + 2 * static_cast<std::size_t>(i - 1), 2500 - i);
    }
    o.Word(1, "TWENTYLETTERSEXACTLY");
    return o;
}

Layout MakeLayout(unsigned char seed) {
    Layout layout;
    for (std::size_t i = 0; i < layout.size(); ++i)
        layout[i] = static_cast<unsigned char>(i * 7 + seed);
    return layout;
}

// A working record that held another puzzle, with every field the conversion must either
// overwrite or leave alone set to something recognisable.
PuzzleRecord UsedWorkingRecord() {
    PuzzleRecord w = MakeRecord("Animals", "Zoo");
    w.SetVersion("2.9zz");
    w.Data()[5] = 'Q';
    for (int cell = 1; cell <= 2500; ++cell) {
        w.SetWordGridCell(cell, '#');
        w.SetFillGridCell(cell, static_cast<unsigned char>('A' + cell % 26));
    }
    w.SetHiddenPhraseUsed(true);
    for (std::size_t i = 0; i < 30; ++i)
        w.Data()[95800 + i] = static_cast<unsigned char>(i + 1);
    w.SetBonusQuestion("Which one roars?");
    w.SetClue(1, "a clue");
    w.SetClue(200, "another clue");
    w.SetWord(300, "LEFTOVER");
    w.SetPlaced(300, true);
    w.SetGenerated(false);
    return w;
}

std::string Range(const PuzzleRecord& r, std::size_t offset, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(r.Data()) + offset, size);
}

void MakeSparseFile(const std::string& path, std::uint64_t size) {
    int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
    ::close(fd);
}

TEST(ConvertOldPuzzle, TwelveWordRecord) {
    const OldBytes old = TwelveWords();
    const PuzzleRecord before = UsedWorkingRecord();
    const Layout layout = MakeLayout(3);
    PuzzleRecord w = before;
    ConvertOldPuzzle(old.Record(), w, layout);

    EXPECT_EQ(Range(w, 0, 6), std::string("\x04"
                                          "3.0dQ",
                                          6));
    EXPECT_EQ(w.Title(), "Forty characters of title, cut to t");
    EXPECT_EQ(w.Category(), "Version 2.0 Puzzles");
    EXPECT_EQ(w.BonusQuestion(), "");
    EXPECT_EQ(w.GridWidth(), 15);
    EXPECT_EQ(w.GridHeight(), 15);
    EXPECT_EQ(w.WordCount(), 12);
    EXPECT_EQ(Range(w, 67, 2500), old.b.substr(55, 2500));
    EXPECT_EQ(w.Word(1), "TWENTYLETTERSEXACTLY");
    for (int i = 1; i <= 330; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Word(i), i == 1    ? "TWENTYLETTERSEXACTLY"
                             : i <= 12 ? "WORD" + std::to_string(i)
                                       : "");
        EXPECT_EQ(w.Clue(i), "");
        EXPECT_EQ(w.Placed(i), i <= 12);
        EXPECT_EQ(w.Data()[66449 + i - 1], i <= 12 ? 1 : 0);
        EXPECT_EQ(w.StartCell(i), i);
        EXPECT_EQ(w.EndCell(i), 2500 - i);
    }
    EXPECT_EQ(w.Data()[66779], 1);
    EXPECT_TRUE(std::equal(layout.begin(), layout.end(), w.PageLayout().begin()));
    EXPECT_EQ(Range(w, 2567, 2500), Range(before, 2567, 2500)); // FillGrid
    EXPECT_EQ(w.Data()[66931], 1);                              // HiddenPhraseUsed
    EXPECT_EQ(Range(w, 95800, 30), Range(before, 95800, 30));   // Reserved
}

TEST(ConvertOldPuzzle, OutOfRangeValuesAreBroughtIntoRange) {
    struct Case {
        int gridSize, wordCount, side, count;
    };
    const Case cases[] = {
        {0, 400, 1, 330},   {99, -3, 50, 0}, {-32768, 32767, 1, 330},
        {51, 331, 50, 330}, {1, 0, 1, 0},    {50, 330, 50, 330},
    };
    const Layout layout = MakeLayout(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.gridSize) + " / " + std::to_string(c.wordCount));
        OldBytes old = TwelveWords();
        old.I16(51, c.gridSize);
        old.I16(2555, c.wordCount);
        PuzzleRecord w = UsedWorkingRecord();
        ConvertOldPuzzle(old.Record(), w, layout);
        EXPECT_EQ(w.GridWidth(), c.side);
        EXPECT_EQ(w.GridHeight(), c.side);
        EXPECT_EQ(w.WordCount(), c.count);
        EXPECT_EQ(w.Placed(c.count), c.count > 0);
        EXPECT_FALSE(w.Placed(c.count + 1));
        EXPECT_EQ(w.Word(c.count + 1), "");
        EXPECT_EQ(w.PrintedWordCount(), c.count);
    }

    // Length bytes beyond the capacities read as the capacities.
    OldBytes old = TwelveWords();
    old.b.replace(1, 50, std::string(25, 'x') + std::string(25, 'y'));
    old.b[0] = static_cast<char>(255);
    old.b[2559] = static_cast<char>(200);
    PuzzleRecord w;
    ConvertOldPuzzle(old.Record(), w, layout);
    EXPECT_EQ(w.Title(), std::string(25, 'x') + std::string(10, 'y'));
    EXPECT_EQ(w.Word(1), "TWENTYLETTERSEXACTLY");
    EXPECT_EQ(w.Word(2), "WORD2");
}

TEST(ReadVlkFile, DamagedAndValidFiles) {
    TempDir dir;
    const std::string rec = TwelveWords().b;
    const std::string zero(1, '\0');
    struct Case {
        const char* name;
        std::optional<std::string> bytes; // none: no file
        VlkOutcome outcome;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, VlkOutcome::CannotOpen},
        {"empty", "", VlkOutcome::Corrupt},
        {"two bytes", "VL", VlkOutcome::Corrupt},
        {"tag only", "VLK", VlkOutcome::Corrupt},
        {"wrong tag", "VLJ\x05hello" + rec, VlkOutcome::Corrupt},
        {"lower-case tag", "vlk\x05hello" + rec, VlkOutcome::Corrupt},
        {"record one byte short", "VLK\x05hello" + rec.substr(0, 10808), VlkOutcome::Corrupt},
        {"text runs past the end", "VLK\xFF" + rec, VlkOutcome::Corrupt},
        {"exact size", "VLK\x05hello" + rec, VlkOutcome::Read},
        {"no text", "VLK" + zero + rec, VlkOutcome::Read},
        {"trailing bytes", "VLK\x05hello" + rec + "trailing", VlkOutcome::Read},
        {"longest text", "VLK\xFF" + std::string(255, 't') + rec, VlkOutcome::Read},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(std::string(c.name) + ".VLK");
        if (c.bytes)
            WriteBytes(path, *c.bytes);
        VlkRead read = ReadVlkFile(path);
        EXPECT_EQ(read.Outcome, c.outcome);
        if (c.outcome == VlkOutcome::Read) {
            EXPECT_TRUE(read.Record == TwelveWords().Record());
        }
    }
    EXPECT_EQ(ReadVlkFile(dir.Path()).Outcome, VlkOutcome::CannotOpen);
}

class OldFilesTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteFaultHook(nullptr); }

    // Two old puzzles and a torn third.
    std::string TwoOldPuzzles() const {
        OldBytes second = TwelveWords();
        second.Short(0, "Second");
        second.I16(51, 10);
        second.I16(2555, 3);
        return first.b + second.b + std::string(100, 'T');
    }
    // What converting the old file's records one after the other into working gives.
    std::vector<PuzzleRecord> Expected(PuzzleRecord working, const std::string& oldFile) const {
        std::vector<PuzzleRecord> converted;
        for (std::size_t at = 0; at + 10809 <= oldFile.size(); at += 10809) {
            OldPuzzleRecord old;
            std::memcpy(old.Data(), oldFile.data() + at, 10809);
            ConvertOldPuzzle(old, working, layout);
            converted.push_back(working);
        }
        return converted;
    }

    TempDir dir;
    OldBytes first = TwelveWords();
    Layout layout = MakeLayout(5);
    std::string oldFile = dir.File("VLFUPUZZ.DAT");
    std::string group = dir.File("OLDPUZZ.VL3");
    PuzzleRecord existing = MakeRecord("Animals", "Zoo");
};

TEST_F(OldFilesTest, Import16BitAppendsTheConvertedPuzzle) {
    const std::string vlk = dir.File("ONE.VLK");
    WriteBytes(vlk, "VLK\x03"
                    "abc" +
                        first.b);
    test::WriteCollection(group, {existing});
    CollectionFile current(group);
    const PuzzleRecord before = UsedWorkingRecord();
    PuzzleRecord working = before;

    EXPECT_EQ(Import16Bit(vlk, current, working, layout), Import16BitResult::Imported);
    const PuzzleRecord expected = Expected(before, first.b).at(0);
    EXPECT_TRUE(working == expected);
    EXPECT_EQ(ReadBytes(group), RecordBytes(existing) + RecordBytes(expected));
    EXPECT_TRUE(FileExists(vlk)); // an import never removes the file it read
}

TEST_F(OldFilesTest, Import16BitFailures) {
    const std::string vlk = dir.File("ONE.VLK");
    const std::string collectionBytes = RecordBytes(existing);
    struct Case {
        const char* name;
        std::optional<std::string> vlkBytes;
        std::string collection;
        Import16BitResult result;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, group, Import16BitResult::CannotOpen},
        {"corrupt file",
         "VLK\x03"
         "abc" +
             first.b.substr(1),
         group, Import16BitResult::Corrupt},
        {"collection folder missing",
         "VLK\x03"
         "abc" +
             first.b,
         dir.File("gone/X.VL3"), Import16BitResult::CannotSave},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(vlk);
        if (c.vlkBytes)
            WriteBytes(vlk, *c.vlkBytes);
        WriteBytes(group, collectionBytes);
        CollectionFile current(c.collection);
        const PuzzleRecord before = UsedWorkingRecord();
        PuzzleRecord working = before;
        EXPECT_EQ(Import16Bit(vlk, current, working, layout), c.result);
        EXPECT_EQ(working == before, c.result != Import16BitResult::CannotSave);
        EXPECT_EQ(ReadBytes(group), collectionBytes);
    }

    WriteBytes(vlk, "VLK\x03"
                    "abc" +
                        first.b);
    MakeSparseFile(group, 65536ull * PuzzleRecord::kSize);
    CollectionFile full(group);
    PuzzleRecord working;
    EXPECT_EQ(Import16Bit(vlk, full, working, layout), Import16BitResult::Full);
    EXPECT_EQ(full.Count(), 65536);
}

TEST_F(OldFilesTest, ConversionAppendsToTheGroupAndThenDeletesTheOldFile) {
    const std::string old = TwoOldPuzzles();
    WriteBytes(oldFile, old);
    test::WriteCollection(group, {existing});
    const PuzzleRecord before = UsedWorkingRecord();
    PuzzleRecord working = before;

    OldConversionResult r = ConvertOldPuzzleFile(oldFile, group, working, layout);
    EXPECT_EQ(r.Outcome, OldConversionOutcome::Converted);
    EXPECT_EQ(r.Count, 2);
    const std::vector<PuzzleRecord> expected = Expected(before, old);
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(expected[1].Title(), "Second");
    EXPECT_EQ(ReadBytes(group),
              RecordBytes(existing) + RecordBytes(expected[0]) + RecordBytes(expected[1]));
    EXPECT_TRUE(working == expected[1]);
    EXPECT_FALSE(FileExists(oldFile));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"OLDPUZZ.VL3"});
}

TEST_F(OldFilesTest, AnEmptyOldFileStillCreatesTheGroup) {
    WriteBytes(oldFile, std::string(50, 'x')); // a torn record only
    PuzzleRecord working;
    OldConversionResult r = ConvertOldPuzzleFile(oldFile, group, working, layout);
    EXPECT_EQ(r.Outcome, OldConversionOutcome::Converted);
    EXPECT_EQ(r.Count, 0);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"OLDPUZZ.VL3"});
    EXPECT_EQ(ReadBytes(group), "");
}

TEST_F(OldFilesTest, AFailedConversionKeepsTheOldFile) {
    const std::string old = TwoOldPuzzles();
    PuzzleRecord working;

    EXPECT_EQ(ConvertOldPuzzleFile(oldFile, group, working, layout).Outcome,
              OldConversionOutcome::CannotOpenSource);
    EXPECT_FALSE(FileExists(group));

    WriteBytes(oldFile, old);
    EXPECT_EQ(ConvertOldPuzzleFile(oldFile, dir.File("gone/OLDPUZZ.VL3"), working, layout).Outcome,
              OldConversionOutcome::CannotSave);
    EXPECT_EQ(ReadBytes(oldFile), old);

    // Room for one of the two: none is converted, so a later conversion has nothing twice.
    const std::uint64_t almostFull = 65535ull * PuzzleRecord::kSize;
    MakeSparseFile(group, almostFull);
    OldConversionResult full = ConvertOldPuzzleFile(oldFile, group, working, layout);
    EXPECT_EQ(full.Outcome, OldConversionOutcome::Full);
    EXPECT_EQ(full.Count, 0);
    EXPECT_EQ(std::filesystem::file_size(group), almostFull);
    EXPECT_EQ(ReadBytes(oldFile), old);

    // The disk fills while the second record is written.
    test::WriteCollection(group, {existing});
    SetWriteFaultHook([&](WriteStep step) {
        return step == WriteStep::Create &&
                       std::filesystem::file_size(group) >= 2 * PuzzleRecord::kSize
                   ? ENOSPC
                   : 0;
    });
    PuzzleRecord w;
    EXPECT_THROW(ConvertOldPuzzleFile(oldFile, group, w, layout), IoError);
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(ReadBytes(group), RecordBytes(existing) + RecordBytes(Expected({}, old).at(0)));
    EXPECT_EQ(ReadBytes(oldFile), old);
}

TEST_F(OldFilesTest, OldShapesAreAppendedUnchanged) {
    auto shapeBytes = [](char fill, int width) {
        std::string b(2555, fill);
        b[0] = 4;
        b[51] = static_cast<char>(width);
        b[52] = 0;
        return b;
    };
    const std::string shapeFile = dir.File("VLFLAY.DAT");
    const std::string oldShapes = dir.File("VLFULAY.DAT");
    const std::string present = shapeBytes('\x01', 15);
    // The second old shape is not one the editor could make; it is carried over as it is.
    const std::string added = shapeBytes('\x00', 12) + shapeBytes('\x07', 99);
    WriteBytes(shapeFile, present);
    WriteBytes(oldShapes, added + "torn");
    ShapeFile shapes(shapeFile);

    OldShapesResult r = AddOldShapes(oldShapes, shapes);
    EXPECT_EQ(r.Outcome, OldShapesOutcome::Added);
    EXPECT_EQ(r.Count, 2);
    EXPECT_EQ(ReadBytes(shapeFile), present + added);
    EXPECT_FALSE(FileExists(oldShapes));

    EXPECT_EQ(AddOldShapes(oldShapes, shapes).Outcome, OldShapesOutcome::CannotOpenSource);
    EXPECT_EQ(ReadBytes(shapeFile), present + added);

    WriteBytes(oldShapes, added);
    ShapeFile unreachable(dir.File("gone/VLFLAY.DAT"));
    EXPECT_EQ(AddOldShapes(oldShapes, unreachable).Outcome, OldShapesOutcome::CannotSave);
    EXPECT_EQ(ReadBytes(oldShapes), added);
}

TEST(OldVersionMessages, WhatEachOutcomeTellsTheUser) {
    namespace m = old_version_messages;
    const Message cannotImport{"Puzzles could not be imported.", "Error"};
    EXPECT_EQ(m::ConvertPuzzlesQuestion(),
              (Message{"User generated puzzles from a previous version of Vorlane have been "
                       "detected.  Would you like to convert them to a puzzle group?",
                       "Notice"}));
    EXPECT_EQ(m::AddShapesQuestion(),
              (Message{"User generated shapes from a previous version of Vorlane have been "
                       "detected.  Would you like to add them to the current list of puzzle "
                       "shapes?",
                       "Notice"}));
    EXPECT_EQ(m::ForConversion(OldConversionOutcome::Converted),
              (Message{"A new puzzle group named \"OLDPUZZ.VL3\" has been created.", "Ok"}));
    EXPECT_EQ(m::ForConversion(OldConversionOutcome::CannotOpenSource), cannotImport);
    EXPECT_EQ(m::ForConversion(OldConversionOutcome::CannotSave),
              (Message{"Unable to save puzzles.", "Error"}));
    EXPECT_NE(m::ForConversion(OldConversionOutcome::Full).Text.find("\"OLDPUZZ.VL3\""),
              std::string::npos);
    EXPECT_EQ(m::ForOldShapes(OldShapesOutcome::Added),
              (Message{"Puzzle shapes have been added.", "Ok"}));
    EXPECT_EQ(m::ForOldShapes(OldShapesOutcome::CannotOpenSource), cannotImport);
    EXPECT_EQ(m::ForOldShapes(OldShapesOutcome::CannotSave),
              (Message{"Unable to add shapes.", "Error"}));
    EXPECT_EQ(m::ForImport(Import16BitResult::Imported), std::nullopt);
    EXPECT_EQ(m::ForImport(Import16BitResult::CannotOpen),
              (Message{"Puzzle could not be imported.", "Error"}));
    EXPECT_EQ(m::ForImport(Import16BitResult::Corrupt),
              (Message{"Puzzle file is corrupt or incompatible.  Import aborted.", "Error"}));
    EXPECT_EQ(m::ForImport(Import16BitResult::CannotSave),
              (Message{"Unable to save puzzle.", "Error"}));
    EXPECT_EQ(m::ForImport(Import16BitResult::Full)->Caption, "Error");
}

} // namespace
} // namespace vorlane
