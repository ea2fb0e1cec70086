// Every change to a collection must leave exactly the old or exactly the new file, whether
// the program dies at any write step (the process is ended there) or a write step fails.
#include "core/collection_file.h"
#include "core/io_error.h"
#include "core/safe_file.h"
#include "core/test_collections.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlane {
namespace {

using test::MakeRecord;
using test::ReadBytes;
using test::RecordBytes;

struct Operation {
    const char* name;
    std::vector<PuzzleRecord> before;
    std::function<bool(CollectionFile&)> run; // true when it reports success
    std::vector<PuzzleRecord> after;
};

std::string Bytes(const std::vector<PuzzleRecord>& records) {
    std::string out;
    for (const PuzzleRecord& r : records)
        out += RecordBytes(r);
    return out;
}

const PuzzleRecord kA = MakeRecord("Animals", "Zoo");
const PuzzleRecord kB = MakeRecord("Food", "Fruit");
const PuzzleRecord kC = MakeRecord("Food", "Vegetables");
const PuzzleRecord kD = MakeRecord("Sport", "Ball games");

// Compares file contents by size and bytes, without printing them.
::testing::AssertionResult SameBytes(const std::string& seen, const std::string& expected) {
    if (seen == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "content differs (" << seen.size() << " bytes, expected " << expected.size() << ")";
}

std::vector<Operation> Operations() {
    return {
        {"append",
         {kA, kB},
         [](CollectionFile& f) { return f.Append(kC) == SaveResult::Saved; },
         {kA, kB, kC}},
        {"append to a new file",
         {},
         [](CollectionFile& f) { return f.Append(kC) == SaveResult::Saved; },
         {kC}},
        {"replace",
         {kA, kB, kC},
         [](CollectionFile& f) { return f.Replace(1, kD) == SaveResult::Saved; },
         {kA, kD, kC}},
        {"delete", {kA, kB, kC}, [](CollectionFile& f) { return f.Delete(0); }, {kB, kC}},
        {"create empty", {kA, kB}, [](CollectionFile& f) { return f.CreateEmpty(); }, {}},
    };
}

class CollectionCrashTest : public ::testing::TestWithParam<std::size_t> {
protected:
    void TearDown() override { SetWriteFaultHook(nullptr); }

    // Lays out the old file; a new file that does not exist yet counts as an empty one.
    void Prepare(const Operation& op) {
        if (!op.before.empty() || std::string(op.name) != "append to a new file")
            test::WriteCollection(path, op.before);
        else
            ::unlink(path.c_str());
    }

    // What the next command sees, after it rolled back anything left unfinished.
    std::string Seen() {
        CollectionFile(path).Count();
        return FileExists(path) ? ReadBytes(path) : std::string();
    }

    // No journal or half-written file is left beside the collection.
    bool OnlyTheCollection() const {
        std::vector<std::string> entries = dir.Entries();
        return entries.empty() || entries == std::vector<std::string>{"PUZZLES.VL3"};
    }

    test::TempDir dir;
    std::string path = dir.File("PUZZLES.VL3");
};

TEST_P(CollectionCrashTest, DyingAtAnyWriteStepLeavesOldOrNew) {
    const Operation op = Operations()[GetParam()];
    const std::string before = Bytes(op.before);
    const std::string after = Bytes(op.after);
    int stops = 0;
    for (int k = 1;; ++k) {
        Prepare(op);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int step = 0;
            SetWriteFaultHook([&](WriteStep) {
                if (++step == k)
                    ::_exit(77);
                return 0;
            });
            try {
                CollectionFile file(path);
                if (!op.run(file))
                    ::_exit(1);
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << op.name;
        ASSERT_NE(WEXITSTATUS(status), 1) << op.name << ": failed at step " << k;
        std::string seen = Seen();
        EXPECT_TRUE(seen == before || seen == after)
            << op.name << ": stopped at write step " << k << " left " << seen.size() << " bytes";
        EXPECT_TRUE(OnlyTheCollection()) << op.name << ": stopped at write step " << k;
        if (WEXITSTATUS(status) == 0) {
            EXPECT_TRUE(SameBytes(seen, after)) << op.name << ": finished";
            break;
        }
        ++stops;
    }
    EXPECT_GE(stops, 3) << op.name << " has fewer write steps than expected";
}

TEST_P(CollectionCrashTest, FailingAtAnyWriteStepIsReportedAndKeepsOldOrIsDone) {
    const Operation op = Operations()[GetParam()];
    const std::string before = Bytes(op.before);
    const std::string after = Bytes(op.after);
    int reportedFailures = 0;
    for (int k = 1;; ++k) {
        Prepare(op);
        int step = 0;
        bool injected = false;
        SetWriteFaultHook([&](WriteStep) {
            if (++step != k)
                return 0;
            injected = true;
            return ENOSPC;
        });
        bool reported = false;
        CollectionFile file(path);
        try {
            reported = !op.run(file);
        } catch (const IoError& e) {
            reported = true;
            EXPECT_STREQ(e.what(), "Disk full");
        }
        SetWriteFaultHook(nullptr);
        if (!injected)
            break;
        // A reported failure leaves the old file whole; a failure after the change was in
        // place (flushing the folder) leaves the new file and counts as done.
        reportedFailures += reported ? 1 : 0;
        if (reported)
            EXPECT_TRUE(SameBytes(Seen(), before)) << op.name << ": failure at step " << k;
        else
            EXPECT_TRUE(SameBytes(Seen(), after)) << op.name << ": failure at step " << k;
        EXPECT_TRUE(OnlyTheCollection()) << op.name << ": failure at step " << k;
    }
    EXPECT_GE(reportedFailures, 3) << op.name;
}

INSTANTIATE_TEST_SUITE_P(EveryChange, CollectionCrashTest, ::testing::Range<std::size_t>(0, 5),
                         [](const auto& info) {
                             std::string name = Operations()[info.param].name;
                             for (char& c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

} // namespace
} // namespace vorlane
