#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

// The items of a sorted list box: texts kept in order without regard to case, each with a
// number, and an exact search that ignores case. Equal texts keep the order they came in.
class SortedList {
public:
    struct Item {
        std::string Text;
        std::int64_t Value = 0;
    };

    // Inserts in sorted position; returns that position.
    int Add(std::string text, std::int64_t value);
    // Replaces all items at once, as adding them one by one would, in n log n.
    void Assign(std::vector<Item> items);
    void Clear();

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Empty() const { return m_items.empty(); }
    const Item& At(int index) const { return m_items[static_cast<std::size_t>(index)]; }
    const std::string& Text(int index) const { return At(index).Text; }
    std::int64_t Value(int index) const { return At(index).Value; }
    const std::vector<Item>& Items() const { return m_items; }

    // The first position whose text equals text without regard to case, or -1.
    int FindExact(const std::string& text) const;

    // The selected position, or -1 for none.
    int Selected() const { return m_selected; }
    // Selects index, or nothing when index is out of range.
    void Select(int index);

private:
    std::vector<Item> m_items;
    int m_selected = -1;
};

} // namespace vorlane
