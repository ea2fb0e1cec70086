#include "core/io_error.h"
#include "core/puzzle_lists.h"
#include "core/test_collections.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

using test::MakeRecord;

std::vector<std::string> Texts(const SortedList& list) {
    std::vector<std::string> texts;
    for (const SortedList::Item& item : list.Items())
        texts.push_back(item.Text);
    return texts;
}

std::string SelectedText(const SortedList& list) {
    return list.Selected() < 0 ? "<none>" : list.Text(list.Selected());
}

class PuzzleListsTest : public ::testing::Test {
protected:
    void Write(const std::vector<PuzzleRecord>& records) { test::WriteCollection(path, records); }

    test::TempDir dir;
    std::string path = dir.File("DEFAULT.VL3");
    CollectionFile file{path};
    PuzzleLists lists;
};

TEST_F(PuzzleListsTest, BoxesAreSortedWithoutRegardToCase) {
    Write({MakeRecord("sport", "Tennis"), MakeRecord("Animals", "zoo"),
           MakeRecord("Animals", "Farm"), MakeRecord("food", "Apples"),
           MakeRecord("Animals", "birds")});
    lists.LoadInPuzzles(file);
    EXPECT_EQ(lists.Listing().CategoryList, (std::vector<std::string>{"sport", "Animals", "food"}));
    EXPECT_EQ(Texts(lists.CategoryBox()), (std::vector<std::string>{"Animals", "food", "sport"}));
    EXPECT_EQ(lists.CategoryBox().Value(0), 1); // category numbers ride with the items
    EXPECT_EQ(lists.CategoryBox().Selected(), 0);
    EXPECT_EQ(Texts(lists.PuzzleBox()), (std::vector<std::string>{"birds", "Farm", "zoo"}));
    EXPECT_EQ(lists.PuzzleBox().Value(0), 4); // record numbers ride with the titles
    EXPECT_EQ(lists.PuzzleBox().Selected(), -1);
    EXPECT_EQ(lists.SelectedRecord(), -1);

    EXPECT_TRUE(lists.ClickCategory(2));
    EXPECT_EQ(Texts(lists.PuzzleBox()), (std::vector<std::string>{"Tennis"}));
    lists.SelectPuzzle(0);
    EXPECT_FALSE(lists.ClickCategory(2)); // the shown category: nothing happens
    EXPECT_EQ(lists.SelectedRecord(), 0);
}

TEST_F(PuzzleListsTest, PendingSelectionIgnoresCaseAndTakesTheFirstMatch) {
    // Animals and animals are two categories; the search stops at the first in box order.
    Write({MakeRecord("animals", "Cats"), MakeRecord("Animals", "Dogs"),
           MakeRecord("Animals", "Dogs"), MakeRecord("Birds", "Owls")});
    lists.SetPendingSelection("ANIMALS", "dogs");
    lists.LoadInPuzzles(file);
    EXPECT_EQ(Texts(lists.CategoryBox()),
              (std::vector<std::string>{"animals", "Animals", "Birds"}));
    EXPECT_EQ(lists.CategoryBox().Selected(), 0);
    EXPECT_EQ(Texts(lists.PuzzleBox()), (std::vector<std::string>{"Cats"}));
    EXPECT_EQ(lists.PuzzleBox().Selected(), -1);
    EXPECT_FALSE(lists.HasPendingSelection());

    // Even the exact spelling finds the first of the two; its titles hold no Dogs.
    lists.SetPendingSelection("Animals", "DOGS");
    lists.SetCategory(lists.CurrentCategoryIndex());
    EXPECT_EQ(lists.CategoryBox().Selected(), 0);
    EXPECT_EQ(lists.PuzzleBox().Selected(), -1);

    // Two equal titles both appear, in file order; the first one is selected.
    lists.ClickCategory(1);
    EXPECT_EQ(Texts(lists.PuzzleBox()), (std::vector<std::string>{"Dogs", "Dogs"}));
    lists.SetPendingSelection("nothing like it", "DOGS");
    lists.SetCategory(1);
    EXPECT_EQ(lists.PuzzleBox().Selected(), 0);
    EXPECT_EQ(lists.SelectedRecord(), 1);

    lists.SetPendingSelection("birds", "owls");
    lists.SetCategory(0);
    EXPECT_EQ(lists.CurrentCategoryIndex(), 2);
    EXPECT_EQ(SelectedText(lists.PuzzleBox()), "Owls");
    EXPECT_EQ(lists.SelectedRecord(), 3);
}

TEST_F(PuzzleListsTest, PendingSelectionWaitsForANonEmptyCollection) {
    lists.SetPendingSelection("Animals", "Zoo");
    lists.LoadInPuzzles(file); // no file: nothing to show
    EXPECT_TRUE(lists.CategoryBox().Empty());
    EXPECT_TRUE(lists.HasPendingSelection());
}

TEST_F(PuzzleListsTest, SaveSelectsTheSavedPuzzle) {
    PuzzleRecord record = MakeRecord("Food", "Fruit");
    ASSERT_EQ(lists.SaveRecord(file, record, true, -1), SaveResult::Saved);
    Write({MakeRecord("Animals", "Zoo"), record});
    lists.LoadInPuzzles(file);
    PuzzleRecord changed = MakeRecord("Food", "Fruit salad");
    ASSERT_EQ(lists.SaveRecord(file, changed, false, 1), SaveResult::Saved);
    EXPECT_EQ(SelectedText(lists.CategoryBox()), "Food");
    EXPECT_EQ(SelectedText(lists.PuzzleBox()), "Fruit salad");
    EXPECT_EQ(lists.SelectedRecord(), 1);
    EXPECT_EQ(file.Count(), 2);

    CollectionFile nowhere(dir.File("gone/x.VL3"));
    EXPECT_EQ(lists.SaveRecord(nowhere, record, true, -1), SaveResult::CannotOpen);
    EXPECT_EQ(SelectedText(lists.PuzzleBox()), "Fruit salad"); // nothing reloaded
}

TEST_F(PuzzleListsTest, DeleteRestoresTheSelection) {
    struct Case {
        const char* name;
        std::string category;
        std::string title; // the puzzle to delete
        std::string shownCategory;
        std::vector<std::string> titles;
        std::string selected;
    };
    const Case cases[] = {
        {"middle: the one above", "Food", "Bread", "Food", {"Apples", "Cheese"}, "Apples"},
        {"last: the one above", "Food", "Cheese", "Food", {"Apples", "Bread"}, "Bread"},
        {"first: the next one", "Food", "Apples", "Food", {"Bread", "Cheese"}, "Bread"},
        {"only one of its category",
         "Zoo",
         "Lions",
         "Food",
         {"Apples", "Bread", "Cheese"},
         "<none>"},
    };
    for (const Case& c : cases) {
        Write({MakeRecord("Food", "Cheese"), MakeRecord("Zoo", "Lions"),
               MakeRecord("Food", "Apples"), MakeRecord("Food", "Bread")});
        lists.SetPendingSelection(c.category, c.title);
        lists.LoadInPuzzles(file);
        ASSERT_EQ(SelectedText(lists.PuzzleBox()), c.title) << c.name;
        lists.DeleteSelected(file);
        EXPECT_EQ(SelectedText(lists.CategoryBox()), c.shownCategory) << c.name;
        EXPECT_EQ(Texts(lists.PuzzleBox()), c.titles) << c.name;
        EXPECT_EQ(SelectedText(lists.PuzzleBox()), c.selected) << c.name;
        EXPECT_EQ(file.Count(), 3) << c.name;
    }

    Write({MakeRecord("Zoo", "Lions")});
    lists.LoadInPuzzles(file);
    lists.SelectPuzzle(0);
    lists.DeleteSelected(file);
    EXPECT_TRUE(lists.CategoryBox().Empty());
    EXPECT_TRUE(lists.PuzzleBox().Empty());
    EXPECT_EQ(file.Count(), 0);
}

TEST_F(PuzzleListsTest, DamagedFileLeavesBothBoxesEmpty) {
    Write({MakeRecord("Zoo", "Lions")});
    lists.LoadInPuzzles(file);
    ASSERT_FALSE(lists.CategoryBox().Empty());
    test::WriteBytes(path, test::ReadBytes(path) + "torn");
    EXPECT_THROW(lists.LoadInPuzzles(file), IoError);
    EXPECT_TRUE(lists.CategoryBox().Empty());
    EXPECT_TRUE(lists.PuzzleBox().Empty());
    EXPECT_TRUE(lists.Listing().TitleList.empty());
}

} // namespace
} // namespace vorlane
