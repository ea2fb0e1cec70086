#pragma once

#include "core/collection_file.h"
#include "core/sorted_list.h"

#include <string>

namespace vorlane {

// The category and title lists of the current collection and the two sorted list boxes
// built from them, with the pending selection that restores the user's place after the
// file changed. The main window binds its list widgets to this.
class PuzzleLists {
public:
    // Rebuilds every list from the file and shows the first category (or the pending
    // selection). On IoError the lists stay empty and the error goes on to the caller.
    void LoadInPuzzles(const CollectionFile& file);
    // Fills the puzzle box with the titles of the category at box position index.
    void SetCategory(int index);
    // A click on the category box: changes the shown category only when it differs.
    // Returns true when it did.
    bool ClickCategory(int index);
    void SelectPuzzle(int index) { m_puzzleBox.Select(index); }

    void SetPendingSelection(std::string category, std::string title);
    bool HasPendingSelection() const { return m_pending; }

    const SortedList& CategoryBox() const { return m_categoryBox; }
    const SortedList& PuzzleBox() const { return m_puzzleBox; }
    const CollectionListing& Listing() const { return m_listing; }
    int CurrentCategoryIndex() const { return m_currentCategory; }
    // Record number of the selected puzzle, or -1.
    int SelectedRecord() const;

    // Saves record into the file: appended in new-puzzle mode, else written over
    // recordNumber. On success the pending selection is the record's category and title
    // and the lists are reloaded.
    SaveResult SaveRecord(CollectionFile& file, const PuzzleRecord& record, bool newPuzzleMode,
                          int recordNumber);
    // Deletes the selected puzzle, then reloads with the selection on the puzzle that
    // took its place in the list (the one above it, or the next one when it was first).
    void DeleteSelected(CollectionFile& file);

private:
    CollectionListing m_listing;
    SortedList m_categoryBox;
    SortedList m_puzzleBox;
    int m_currentCategory = -1;
    bool m_pending = false;
    std::string m_pendingCategory;
    std::string m_pendingTitle;
};

} // namespace vorlane
