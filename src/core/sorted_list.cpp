#include "core/sorted_list.h"

#include "core/text.h"

#include <algorithm>

namespace vorlane {

int SortedList::Add(std::string text, std::int64_t value) {
    auto at = std::upper_bound(
        m_items.begin(), m_items.end(), text,
        [](const std::string& t, const Item& item) { return CompareNoCase(t, item.Text) < 0; });
    int index = static_cast<int>(at - m_items.begin());
    m_items.insert(at, Item{std::move(text), value});
    if (m_selected >= index)
        ++m_selected;
    return index;
}

void SortedList::Assign(std::vector<Item> items) {
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return CompareNoCase(a.Text, b.Text) < 0;
    });
    m_items = std::move(items);
    m_selected = -1;
}

void SortedList::Clear() {
    m_items.clear();
    m_selected = -1;
}

int SortedList::FindExact(const std::string& text) const {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (EqualsNoCase(m_items[i].Text, text))
            return static_cast<int>(i);
    return -1;
}

void SortedList::Select(int index) {
    m_selected = index >= 0 && index < Count() ? index : -1;
}

} // namespace vorlane
