#include "core/io_error.h"
#include "core/test_collections.h"
#include "layouts/layout_geometry.h"
#include "layouts/page_layout_file.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

using test::ReadBytes;
using test::WriteBytes;

PageLayoutRecord Named(const std::string& name, const std::string& paper = "Letter") {
    PageLayoutRecord r = NewPage();
    r.SetLayoutName(name);
    r.SetPaperName(paper);
    r.SetDesignWidth(408);
    r.SetDesignHeight(528);
    return r;
}

class PageLayoutFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    PageLayoutFile file = PageLayoutFile::InProgramDirectory(dir.Path());
    PageLayoutRecord a = Named("Classic"), b = Named("Clues", "A4"), c = Named("Wide", "Legal");
    std::string All() {
        return std::string(a.Bytes()) + std::string(b.Bytes()) + std::string(c.Bytes());
    }
};

TEST_F(PageLayoutFileTest, ReadAppendReplaceDelete) {
    EXPECT_EQ(file.Path(), dir.File("VLFPAGE.DAT"));
    EXPECT_TRUE(file.ReadAll().empty());
    ASSERT_EQ(file.Append(a), SaveResult::Saved);
    ASSERT_EQ(file.Append(b), SaveResult::Saved);
    ASSERT_EQ(file.Append(c), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(file.Path()), All());
    std::vector<PageLayoutRecord> all = file.ReadAll();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1], b);
    PageLayoutRecord read;
    ASSERT_TRUE(file.Read(2, read));
    EXPECT_EQ(read, c);
    EXPECT_THROW(file.Read(3, read), IoError);
    ASSERT_EQ(file.Replace(1, a), SaveResult::Saved);
    EXPECT_EQ(file.ReadAll()[1], a);

    WriteBytes(file.Path(), All());
    ASSERT_TRUE(file.Delete(0));
    EXPECT_EQ(ReadBytes(file.Path()), std::string(b.Bytes()) + std::string(c.Bytes()));
    EXPECT_FALSE(file.Delete(2));
    EXPECT_FALSE(PageLayoutFile::InProgramDirectory(dir.File("none")).Delete(0));
    EXPECT_EQ(PageLayoutFile(dir.File("none/x.DAT")).Append(a), SaveResult::CannotOpen);
}

TEST_F(PageLayoutFileTest, DefaultLayoutForNewPuzzles) {
    EXPECT_EQ(file.DefaultLayout(0), BuiltInDefaultLayout()); // missing file
    WriteBytes(file.Path(), "");
    EXPECT_EQ(file.DefaultLayout(0), BuiltInDefaultLayout()); // empty file
    EXPECT_EQ(file.DefaultLayout(0).ObjectCount(), 3);
    WriteBytes(file.Path(), std::string(a.Bytes()) + std::string(b.Bytes()));
    EXPECT_EQ(file.DefaultLayout(1), b);
    EXPECT_EQ(file.DefaultLayout(5), a);
    EXPECT_EQ(file.DefaultLayout(2), a);
    EXPECT_EQ(file.DefaultLayout(-1), a);

    PuzzleRecord working;
    working.SetTitle("Old");
    ResetForNewPuzzle(working, dir.Path(), 1);
    EXPECT_EQ(working.Title(), "");
    EXPECT_EQ(PageLayoutRecord(working.PageLayout()), b);
    ResetForNewPuzzle(working, dir.File("elsewhere"), 1);
    EXPECT_EQ(PageLayoutRecord(working.PageLayout()), BuiltInDefaultLayout());
}

TEST_F(PageLayoutFileTest, EntryTexts) {
    PageLayoutRecord custom = Named("My Page", "Custom");
    custom.SetInches(false);
    custom.SetPageWidth(21.59);
    custom.SetPageHeight(27.94);
    const struct {
        PageLayoutRecord layout;
        int record, defaultPage;
        const char* text;
    } cases[] = {
        {b, 0, 1, "Clues (A4)"},
        {b, 1, 1, "Clues (A4)  <<DEFAULT>>"},
        {custom, 3, 0, "My Page (Custom 22\" x 28\")"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(LayoutEntryText(k.layout, k.record, k.defaultPage), k.text);
    custom.SetPageWidth(0.0 / 0.0); // a damaged size still gives a text
    EXPECT_EQ(LayoutEntryText(custom, 0, 0), "My Page (Custom 0\" x 28\")  <<DEFAULT>>");
    EXPECT_EQ(layout_messages::DeleteQuestion(std::string(300, 'x')).Text.size(), 255u);
}

TEST_F(PageLayoutFileTest, ExchangeFiles) {
    const std::string pag = dir.File("page.PAG");
    ASSERT_TRUE(ExportLayout(a, pag));
    const std::string exported = ReadBytes(pag);
    ASSERT_EQ(exported.size(), 28874u);
    EXPECT_EQ(exported.substr(0, 6), "PAG1.0");
    PageLayoutRecord zeroObjects = a;
    zeroObjects.SetObjectCount(0);
    PageLayoutRecord tooMany = a;
    tooMany.SetObjectCount(21);
    PageLayoutRecord flat = a;
    flat.SetDesignHeight(0);
    const std::string body(a.Bytes());
    const struct {
        const char* name;
        std::string bytes;
        LayoutImportOutcome outcome;
    } cases[] = {
        {"exported", exported, LayoutImportOutcome::Imported},
        {"any version", "PAGxyz" + body, LayoutImportOutcome::Imported},
        {"trailing", exported + "junk", LayoutImportOutcome::Imported},
        {"no objects", "PAG1.0" + std::string(zeroObjects.Bytes()), LayoutImportOutcome::Imported},
        {"28873 bytes", exported.substr(0, 28873), LayoutImportOutcome::Corrupt},
        {"five bytes", "PAG1.", LayoutImportOutcome::Corrupt},
        {"wrong tag", "LAY1.0" + body, LayoutImportOutcome::Corrupt},
        {"21 objects", "PAG1.0" + std::string(tooMany.Bytes()), LayoutImportOutcome::Corrupt},
        {"zero height", "PAG1.0" + std::string(flat.Bytes()), LayoutImportOutcome::Corrupt},
    };
    for (const auto& k : cases) {
        WriteBytes(dir.File("in.PAG"), k.bytes);
        LayoutImport read = ReadLayoutExchange(dir.File("in.PAG"));
        EXPECT_EQ(read.Outcome, k.outcome) << k.name;
        if (read.Outcome == LayoutImportOutcome::Imported) {
            EXPECT_EQ(std::string(read.Layout.Bytes()), k.bytes.substr(6, 28868)) << k.name;
        }
    }
    EXPECT_EQ(ReadLayoutExchange(dir.File("gone.PAG")).Outcome, LayoutImportOutcome::CannotOpen);
    EXPECT_FALSE(ExportLayout(a, dir.File("no/folder/x.PAG")));
    EXPECT_EQ(layout_messages::CorruptImport(),
              (Message{"Page layout file is corrupt or incompatible.  Import aborted.", "Error"}));
}

} // namespace
} // namespace vorlane
