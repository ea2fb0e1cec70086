#include "core/puzzle_transfer.h"

#include "core/io_error.h"
#include "core/safe_file.h"
#include "core/test_collections.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>

using namespace vorlane;
using vorlane::test::MakeRecord;
using vorlane::test::ReadBytes;
using vorlane::test::RecordBytes;
using vorlane::test::TempDir;
using vorlane::test::WriteBytes;
using vorlane::test::WriteCollection;

namespace fs = std::filesystem;

namespace {

std::string Records(std::initializer_list<PuzzleRecord> records) {
    std::string bytes;
    for (const PuzzleRecord& r : records)
        bytes += RecordBytes(r);
    return bytes;
}

const PuzzleRecord kA = MakeRecord("Animals", "A");
const PuzzleRecord kB = MakeRecord("Birds", "B");
const PuzzleRecord kC = MakeRecord("Animals", "C");
const PuzzleRecord kOld = MakeRecord("Old", "Kept");

class Transfer : public ::testing::Test {
protected:
    void SetUp() override { WriteCollection(source, {kC, kA, kB}); }
    void TearDown() override { SetWriteFaultHook(nullptr); }

    TempDir dir;
    std::string source = dir.File("SOURCE.VL3");
    std::string target = dir.File("TARGET.VL3");
};

} // namespace

TEST(SameFile, RecognisesSpellingsOfOneFileAndTellsOthersApart) {
    TempDir dir;
    fs::create_directory(dir.File("sub"));
    WriteBytes(dir.File("x"), "x");
    WriteBytes(dir.File("y"), "y");
    fs::create_symlink(dir.File("x"), dir.File("link"));
    fs::create_hard_link(dir.File("x"), dir.File("hard"));
    const std::string x = dir.File("x");
    const std::string relative = fs::relative(x, fs::current_path()).string();

    struct Case {
        std::string a, b;
        bool same;
    } cases[] = {
        {x, x, true},
        {relative, x, true},
        {dir.Path() + "/./x", x, true},
        {dir.Path() + "/sub/../x", x, true},
        {dir.File("link"), x, true},
        {dir.File("hard"), x, true},
        {dir.File("y"), x, false},
        {dir.File("missing"), dir.Path() + "/sub/.././missing", true},
        {dir.File("missing"), fs::relative(dir.File("missing"), fs::current_path()), true},
        {dir.File("missing"), dir.File("other"), false},
        {dir.File("missing"), x, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " vs " << c.b;
}

TEST_F(Transfer, ListGivesTitlesWithRecordNumbersInFileOrder) {
    std::vector<TransferEntry> entries = TransferList(source);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Title, "C");
    EXPECT_EQ(entries[1].Title, "A");
    EXPECT_EQ(entries[2].Record, 2);
    EXPECT_TRUE(TransferList(dir.File("MISSING.VL3")).empty());
    WriteBytes(target, RecordBytes(kA) + "torn");
    EXPECT_THROW(TransferList(target), IoError);
}

TEST_F(Transfer, ImportAppendsInTheGivenOrder) {
    WriteCollection(target, {kOld});
    EXPECT_EQ(ImportPuzzles(source, target, {1, 2, 0}), TransferOutcome::Done);
    EXPECT_EQ(ReadBytes(target), Records({kOld, kA, kB, kC}));
    EXPECT_EQ(ReadBytes(source), Records({kC, kA, kB}));
}

TEST_F(Transfer, ImportCreatesAMissingTargetAndWritesOverATornTail) {
    EXPECT_EQ(ImportPuzzles(source, target, {2}), TransferOutcome::Done);
    EXPECT_EQ(ReadBytes(target), Records({kB}));

    WriteBytes(target, RecordBytes(kOld) + "torn tail");
    EXPECT_EQ(ImportPuzzles(source, target, {1}), TransferOutcome::Done);
    EXPECT_EQ(ReadBytes(target), Records({kOld, kA}));
}

TEST_F(Transfer, ImportRefusalsLeaveTheTargetAlone) {
    WriteCollection(target, {kOld});
    EXPECT_EQ(ImportPuzzles(dir.File("MISSING.VL3"), target, {0}),
              TransferOutcome::CannotOpenSource);
    EXPECT_EQ(ImportPuzzles(source, dir.File("no/such/folder.VL3"), {0}),
              TransferOutcome::CannotOpenTarget);
    EXPECT_EQ(ImportPuzzles(source, dir.Path(), {0}), TransferOutcome::CannotOpenTarget);
    // A record number the source does not hold (it changed since it was listed).
    EXPECT_THROW(ImportPuzzles(source, target, {0, 3}), IoError);
    EXPECT_EQ(ReadBytes(target), Records({kOld}));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SOURCE.VL3", "TARGET.VL3"}));
}

TEST_F(Transfer, ImportIntoANearlyFullCollectionAddsNothing) {
    // A sparse file of 65535 records costs no disk space.
    const auto size = static_cast<off_t>(65535) * PuzzleRecord::kSize;
    WriteBytes(target, "");
    ASSERT_EQ(::truncate(target.c_str(), size), 0);
    EXPECT_EQ(ImportPuzzles(source, target, {0, 1}), TransferOutcome::Full);
    EXPECT_EQ(fs::file_size(target), static_cast<std::uintmax_t>(size));
    EXPECT_EQ(transfer_messages::CollectionFull().Text,
              "The collection cannot take that many puzzles.  A collection holds at most "
              "65,536 puzzles.");
}

TEST_F(Transfer, ExportWritesExactlyTheChosenRecordsOverTheOldTarget) {
    WriteCollection(target, {kOld, kOld, kOld, kOld});
    EXPECT_EQ(ExportPuzzles(source, target, {2, 0}), TransferOutcome::Done);
    EXPECT_EQ(ReadBytes(target), Records({kB, kC}));
    EXPECT_EQ(ReadBytes(source), Records({kC, kA, kB}));
    EXPECT_EQ(ExportPuzzles(dir.File("MISSING.VL3"), target, {0}),
              TransferOutcome::CannotOpenSource);
    EXPECT_EQ(ReadBytes(target), Records({kB, kC}));
}

TEST_F(Transfer, ExportThroughALinkRewritesTheLinkedFile) {
    WriteCollection(target, {kOld});
    const std::string link = dir.File("LINK.VL3");
    fs::create_symlink(target, link);
    EXPECT_EQ(ExportPuzzles(source, link, {1}), TransferOutcome::Done);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), Records({kA}));
}

TEST_F(Transfer, AFailingWriteLeavesTheOldTargetWhole) {
    WriteCollection(target, {kOld});
    for (WriteStep failing : {WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        SetWriteFaultHook([failing](WriteStep step) { return step == failing ? ENOSPC : 0; });
        EXPECT_THROW(ExportPuzzles(source, target, {0, 1}), IoError);
        EXPECT_THROW(ImportPuzzles(source, target, {0, 1}), IoError);
        SetWriteFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(target), Records({kOld}));
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SOURCE.VL3", "TARGET.VL3"}));
    }
}
