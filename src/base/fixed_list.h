#pragma once
// A list of fixed capacity with a separate count, as every chart table is
// shaped. A full list drops new items silently: an oversized chart loses
// its extra objects instead of writing past the table.
#include <array>
#include <cstddef>

namespace kv {

template <class T, int Capacity>
struct FixedList {
    static constexpr int capacity = Capacity;

    std::array<T, Capacity> items{};
    int count = 0;

    // Returns false when the item was dropped because the list is full.
    bool push(const T& item) {
        if (count >= Capacity) return false;
        items[std::size_t(count++)] = item;
        return true;
    }
    void clear() { count = 0; }
    bool empty() const { return count == 0; }
    int size() const { return count; }

    T& operator[](int i) { return items[std::size_t(i)]; }
    const T& operator[](int i) const { return items[std::size_t(i)]; }
    T* begin() { return items.data(); }
    T* end() { return items.data() + count; }
    const T* begin() const { return items.data(); }
    const T* end() const { return items.data() + count; }
};

}  // namespace kv
