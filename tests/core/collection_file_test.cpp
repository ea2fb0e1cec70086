#include "core/collection_file.h"
#include "core/io_error.h"
#include "core/safe_file.h"
#include "core/test_collections.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlane {
namespace {

using test::MakeRecord;
using test::ReadBytes;
using test::RecordBytes;
using test::TempDir;
using test::WriteCollection;

constexpr std::size_t kSize = PuzzleRecord::kSize;

std::vector<std::string> Titles(const CollectionListing& listing) {
    std::vector<std::string> titles;
    for (const TitleEntry& e : listing.TitleList)
        titles.push_back(e.Title);
    return titles;
}

class CollectionFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteFaultHook(nullptr); }

    TempDir dir;
    std::string path = dir.File("DEFAULT.VL3");
    std::vector<PuzzleRecord> three = {MakeRecord("Animals", "Zoo"), MakeRecord("animals", "Farm"),
                                       MakeRecord("Animals", "Pets")};
};

TEST_F(CollectionFileTest, MissingAndEmptyFilesListNothing) {
    CollectionFile missing(path);
    EXPECT_TRUE(missing.List().TitleList.empty());
    EXPECT_EQ(missing.Count(), 0);
    PuzzleRecord r;
    EXPECT_FALSE(missing.Read(0, r));
    EXPECT_FALSE(missing.Delete(0));
    EXPECT_FALSE(FileExists(path)); // nothing was created by looking

    test::WriteBytes(path, "");
    CollectionFile empty(path);
    EXPECT_TRUE(empty.List().CategoryList.empty());
    EXPECT_TRUE(empty.List().TitleList.empty());
    EXPECT_THROW(empty.Read(0, r), IoError);
}

TEST_F(CollectionFileTest, ListingKeepsFileOrderAndExactCategories) {
    WriteCollection(path, three);
    CollectionListing listing = CollectionFile(path).List();
    ASSERT_EQ(listing.CategoryList, (std::vector<std::string>{"Animals", "animals"}));
    ASSERT_EQ(Titles(listing), (std::vector<std::string>{"Zoo", "Farm", "Pets"}));
    EXPECT_EQ(listing.TitleList[0].Key, PuzzleKey(0, 0));
    EXPECT_EQ(listing.TitleList[1].Key, 1u + 65536u);
    EXPECT_EQ(listing.TitleList[2].Key, PuzzleKey(2, 0));
    EXPECT_EQ(KeyRecord(PuzzleKey(65535, 65535)), 65535);
    EXPECT_EQ(KeyCategory(PuzzleKey(65535, 65535)), 65535);
}

TEST_F(CollectionFileTest, ReadsWholeRecords) {
    WriteCollection(path, three);
    CollectionFile file(path);
    PuzzleRecord r;
    ASSERT_TRUE(file.Read(2, r));
    EXPECT_TRUE(r == three[2]);
    PuzzleRecord before = r;
    EXPECT_THROW(
        {
            try {
                file.Read(3, r);
            } catch (const IoError& e) {
                EXPECT_STREQ(e.what(), "Read beyond end of file");
                throw;
            }
        },
        IoError);
    EXPECT_TRUE(r == before); // a failed read leaves the working record alone
}

TEST_F(CollectionFileTest, DamagedSizeFailsListingAndAppendOverwritesTheTail) {
    WriteCollection(path, {three[0]});
    test::WriteBytes(path, ReadBytes(path) + std::string(100, 'x'));
    CollectionFile file(path);
    try {
        file.List();
        FAIL() << "listing a torn file must fail";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Read beyond end of file");
    }
    EXPECT_EQ(file.Count(), 1);
    EXPECT_EQ(file.Append(three[1]), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(path), RecordBytes(three[0]) + RecordBytes(three[1]));
    EXPECT_EQ(Titles(file.List()), (std::vector<std::string>{"Zoo", "Farm"}));
}

TEST_F(CollectionFileTest, AppendCreatesTheFileAndReplaceWritesInPlace) {
    CollectionFile file(path);
    EXPECT_EQ(file.Append(three[0]), SaveResult::Saved);
    EXPECT_EQ(file.Append(three[1]), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(path), RecordBytes(three[0]) + RecordBytes(three[1]));
    EXPECT_EQ(file.Replace(0, three[2]), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(path), RecordBytes(three[2]) + RecordBytes(three[1]));
    // A record that is no longer there is not written past the end.
    EXPECT_THROW(file.Replace(2, three[0]), IoError);
    EXPECT_THROW(file.Replace(-1, three[0]), IoError);
    EXPECT_EQ(ReadBytes(path).size(), 2 * kSize);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"DEFAULT.VL3"}));

    CollectionFile nowhere(dir.File("no/such/folder.VL3"));
    EXPECT_EQ(nowhere.Append(three[0]), SaveResult::CannotOpen);
}

TEST_F(CollectionFileTest, DeleteClosesTheGap) {
    struct Case {
        int n;
        std::vector<int> left;
    };
    const Case cases[] = {{0, {1, 2}}, {1, {0, 2}}, {2, {0, 1}}};
    for (const Case& c : cases) {
        WriteCollection(path, three);
        ::chmod(path.c_str(), 0640);
        CollectionFile file(path);
        ASSERT_TRUE(file.Delete(c.n));
        std::string expected;
        for (int i : c.left)
            expected += RecordBytes(three[static_cast<std::size_t>(i)]);
        EXPECT_EQ(ReadBytes(path), expected) << c.n;
        struct stat st {};
        ::stat(path.c_str(), &st);
        EXPECT_EQ(st.st_mode & 0777, 0640u) << "permissions carry over";
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"DEFAULT.VL3"}));
    }
    WriteCollection(path, {three[0]});
    CollectionFile file(path);
    EXPECT_FALSE(file.Delete(1));
    EXPECT_FALSE(file.Delete(-1));
    EXPECT_EQ(ReadBytes(path), RecordBytes(three[0]));
    EXPECT_TRUE(file.Delete(0));
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_TRUE(file.List().TitleList.empty());
}

TEST_F(CollectionFileTest, CreateEmptyTruncates) {
    WriteCollection(path, three);
    CollectionFile file(path);
    EXPECT_TRUE(file.CreateEmpty());
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_FALSE(CollectionFile(dir.File("missing/x.VL3")).CreateEmpty());
}

TEST_F(CollectionFileTest, RefusesMoreRecordsThanKeysCanNumber) {
    // Sparse files: 65536 and 65537 empty records take no real space.
    auto sized = [&](std::uint64_t records) {
        int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(records * kSize)), 0);
        ::close(fd);
    };
    sized(65537);
    CollectionFile file(path);
    try {
        file.List();
        FAIL() << "65537 records cannot be keyed";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(),
                     "The collection holds 65,537 puzzles; a collection can hold at most 65,536.");
    }
    sized(65536);
    EXPECT_EQ(file.Append(three[0]), SaveResult::Full);
    EXPECT_EQ(file.Count(), 65536);
    EXPECT_EQ(file.Replace(65535, three[0]), SaveResult::Saved);
    CollectionListing listing = file.List();
    ASSERT_EQ(listing.TitleList.size(), 65536u);
    EXPECT_EQ(listing.TitleList.back().Title, "Zoo");
    EXPECT_EQ(KeyRecord(listing.TitleList.back().Key), 65535);
    EXPECT_EQ(KeyCategory(listing.TitleList.back().Key), 1);
}

TEST_F(CollectionFileTest, FailedWritesAreReportedAndLeaveTheOldFile) {
    const std::string old = RecordBytes(three[0]) + RecordBytes(three[1]);
    struct Case {
        const char* name;
        WriteStep step;
        int nth; // which step of that kind fails; the journal's own come first
        std::function<SaveResult(CollectionFile&)> op;
    };
    const Case cases[] = {
        {"append, data write", WriteStep::Write, 2,
         [&](CollectionFile& f) { return f.Append(three[2]); }},
        {"replace, flush", WriteStep::Sync, 2,
         [&](CollectionFile& f) { return f.Replace(1, three[2]); }},
        {"delete, rename", WriteStep::Rename, 1,
         [&](CollectionFile& f) {
             return f.Delete(0) ? SaveResult::Saved : SaveResult::CannotOpen;
         }},
    };
    for (const Case& c : cases) {
        WriteCollection(path, {three[0], three[1]});
        CollectionFile file(path);
        int seen = 0;
        SetWriteFaultHook([&](WriteStep s) { return s == c.step && ++seen == c.nth ? ENOSPC : 0; });
        try {
            c.op(file);
            ADD_FAILURE() << c.name << ": reported as success";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), "Disk full") << c.name;
        }
        SetWriteFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(path), old) << c.name;
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"DEFAULT.VL3"})) << c.name;
    }
}

// A real limit on file size, as a full disk gives: the write fails with EFBIG.
TEST_F(CollectionFileTest, FileSizeLimitIsADiskFullFailure) {
    WriteCollection(path, {three[0]});
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max = kSize + kSize / 2;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        CollectionFile file(path);
        try {
            file.Append(three[1]);
        } catch (const IoError& e) {
            ::_exit(std::string(e.what()) == "Disk full" ? 10 : 11);
        }
        ::_exit(12);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 10);
    EXPECT_EQ(ReadBytes(path), RecordBytes(three[0]));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"DEFAULT.VL3"}));
}

} // namespace
} // namespace vorlane
