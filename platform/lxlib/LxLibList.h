#ifndef LXLIBLIST_H
#define LXLIBLIST_H

#include "LxLibPool.h"

#include <memory>
#include <vector>

namespace lxlib {

// A list that owns its items. Items handed to append/insert belong to the list;
// take() hands ownership back to the caller.
template <typename T>
class LxLibList
{
    using Items = std::vector<std::unique_ptr<T>, LxLibPoolAllocator<std::unique_ptr<T>>>;

public:
    LxLibList() = default;
    LxLibList(const LxLibList&) = delete;
    LxLibList& operator=(const LxLibList&) = delete;
    LxLibList(LxLibList&&) noexcept = default;
    LxLibList& operator=(LxLibList&&) noexcept = default;

    int count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    T* at(int i) const
    {
        return (i >= 0 && i < count()) ? m_items[static_cast<size_t>(i)].get() : nullptr;
    }
    T* first() const { return at(0); }
    // Room for n items, so that filling a long list copies its array only once.
    void reserve(int n) { m_items.reserve(static_cast<size_t>(n > 0 ? n : 0)); }
    T* last() const { return at(count() - 1); }

    // Returns false for a null item (which is not stored).
    bool append(T* item)
    {
        if (!item)
            return false;
        m_items.emplace_back(item);
        return true;
    }
    // Inserts at i (clamped to [0, count]); false for a null item.
    bool insert(int i, T* item)
    {
        if (!item)
            return false;
        if (i < 0)
            i = 0;
        if (i > count())
            i = count();
        m_items.emplace(m_items.begin() + i, item);
        return true;
    }
    // Deletes the item at i; false when out of range.
    bool remove(int i)
    {
        if (i < 0 || i >= count())
            return false;
        m_items.erase(m_items.begin() + i);
        return true;
    }
    // Deletes the given item if the list holds it.
    bool remove(const T* item)
    {
        const int i = indexOf(item);
        return i >= 0 && remove(i);
    }
    // Removes the item at i without deleting it.
    T* take(int i)
    {
        if (i < 0 || i >= count())
            return nullptr;
        T* item = m_items[static_cast<size_t>(i)].release();
        m_items.erase(m_items.begin() + i);
        return item;
    }
    // Replaces the item at i (the old one is deleted); appends when i == count().
    bool replace(int i, T* item)
    {
        if (!item || i < 0 || i > count())
            return false;
        if (i == count())
            return append(item);
        m_items[static_cast<size_t>(i)].reset(item);
        return true;
    }
    int indexOf(const T* item) const
    {
        for (int i = 0; i < count(); ++i)
            if (m_items[static_cast<size_t>(i)].get() == item)
                return i;
        return -1;
    }
    void swap(int i, int j)
    {
        if (i >= 0 && j >= 0 && i < count() && j < count())
            std::swap(m_items[static_cast<size_t>(i)], m_items[static_cast<size_t>(j)]);
    }
    void clear() { m_items.clear(); }

    class const_iterator
    {
    public:
        using Base = typename Items::const_iterator;
        explicit const_iterator(Base it) : m_it(it) {}
        T* operator*() const { return m_it->get(); }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator!=(const const_iterator& o) const { return m_it != o.m_it; }
        bool operator==(const const_iterator& o) const { return m_it == o.m_it; }

    private:
        Base m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    Items m_items;
};

} // namespace lxlib

#endif
