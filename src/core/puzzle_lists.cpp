#include "core/puzzle_lists.h"

#include <utility>

namespace vorlane {

void PuzzleLists::LoadInPuzzles(const CollectionFile& file) {
    m_puzzleBox.Clear();
    m_categoryBox.Clear();
    m_listing = {};
    m_currentCategory = -1;

    m_listing = file.List();

    std::vector<SortedList::Item> categories;
    categories.reserve(m_listing.CategoryList.size());
    for (std::size_t i = 0; i < m_listing.CategoryList.size(); ++i)
        categories.push_back({m_listing.CategoryList[i], static_cast<std::int64_t>(i)});
    m_categoryBox.Assign(std::move(categories));
    m_categoryBox.Select(0);
    SetCategory(0);
}

void PuzzleLists::SetCategory(int index) {
    if (m_categoryBox.Empty())
        return;
    if (m_pending) {
        int found = m_categoryBox.FindExact(m_pendingCategory);
        if (found >= 0)
            m_categoryBox.Select(found);
        index = m_categoryBox.Selected();
    }
    if (index < 0 || index >= m_categoryBox.Count())
        index = 0;
    m_categoryBox.Select(index);
    const auto category = static_cast<int>(m_categoryBox.Value(index));

    std::vector<SortedList::Item> titles;
    for (const TitleEntry& entry : m_listing.TitleList)
        if (KeyCategory(entry.Key) == category)
            titles.push_back({entry.Title, KeyRecord(entry.Key)});
    m_puzzleBox.Assign(std::move(titles));
    m_currentCategory = index;

    if (m_pending) {
        m_puzzleBox.Select(m_puzzleBox.FindExact(m_pendingTitle));
        m_pending = false;
    }
}

bool PuzzleLists::ClickCategory(int index) {
    if (index == m_currentCategory || index < 0 || index >= m_categoryBox.Count())
        return false;
    m_categoryBox.Select(index);
    SetCategory(index);
    return true;
}

void PuzzleLists::SetPendingSelection(std::string category, std::string title) {
    m_pending = true;
    m_pendingCategory = std::move(category);
    m_pendingTitle = std::move(title);
}

int PuzzleLists::SelectedRecord() const {
    int selected = m_puzzleBox.Selected();
    return selected < 0 ? -1 : static_cast<int>(m_puzzleBox.Value(selected));
}

SaveResult PuzzleLists::SaveRecord(CollectionFile& file, const PuzzleRecord& record,
                                   bool newPuzzleMode, int recordNumber) {
    SaveResult result = newPuzzleMode ? file.Append(record) : file.Replace(recordNumber, record);
    if (result != SaveResult::Saved)
        return result;
    SetPendingSelection(record.Category(), record.Title());
    LoadInPuzzles(file);
    return result;
}

void PuzzleLists::DeleteSelected(CollectionFile& file) {
    const int selected = m_puzzleBox.Selected();
    if (selected < 0)
        return;
    const int record = static_cast<int>(m_puzzleBox.Value(selected));
    std::string category =
        m_categoryBox.Selected() >= 0 ? m_categoryBox.Text(m_categoryBox.Selected()) : "";
    std::string title;
    if (m_puzzleBox.Count() > 1)
        title = m_puzzleBox.Text(selected > 0 ? selected - 1 : 1);
    file.Delete(record);
    SetPendingSelection(std::move(category), std::move(title));
    LoadInPuzzles(file);
}

} // namespace vorlane
