#ifndef LXLIBLIST_H
#define LXLIBLIST_H

#include "LxLibPool.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>

namespace lxlib {

// A list that owns its items. Items handed to append/insert belong to the list;
// take() hands ownership back to the caller.
//
// A large model holds a list in every vector and diagnostic, nearly all of them
// empty or with one item: the list is one pointer, null while empty, to a pool
// block holding the count, the room and the items.
template <typename T>
class LxLibList
{
public:
    LxLibList() = default;
    LxLibList(const LxLibList&) = delete;
    LxLibList& operator=(const LxLibList&) = delete;
    LxLibList(LxLibList&& other) noexcept : m_array(std::exchange(other.m_array, nullptr)) {}
    LxLibList& operator=(LxLibList&& other) noexcept
    {
        if (this != &other) {
            clear();
            m_array = std::exchange(other.m_array, nullptr);
        }
        return *this;
    }
    ~LxLibList() { clear(); }

    int count() const { return m_array ? m_array->size : 0; }
    bool isEmpty() const { return count() == 0; }
    T* at(int i) const { return (i >= 0 && i < count()) ? items()[i] : nullptr; }
    T* first() const { return at(0); }
    // Room for n items, so that filling a long list copies its array only once.
    void reserve(int n)
    {
        if (n > capacity())
            resize(n);
    }
    T* last() const { return at(count() - 1); }
    // Returns false for a null item (which is not stored).
    bool append(T* item)
    {
        if (!item)
            return false;
        if (count() == capacity())
            resize(count() < 2 ? count() + 1 : count() * 2);
        items()[m_array->size++] = item;
        return true;
    }
    // Inserts at i (clamped to [0, count]); false for a null item.
    bool insert(int i, T* item)
    {
        if (!item)
            return false;
        const int n = count();
        i = i < 0 ? 0 : (i > n ? n : i);
        if (n == capacity())
            resize(n < 2 ? n + 1 : n * 2);
        T** a = items();
        std::memmove(a + i + 1, a + i, std::size_t(n - i) * sizeof(T*));
        a[i] = item;
        ++m_array->size;
        return true;
    }
    // Deletes the item at i; false when out of range.
    bool remove(int i)
    {
        T* item = take(i);
        delete item;
        return item != nullptr;
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
        T** a = items();
        T* item = a[i];
        std::memmove(a + i, a + i + 1, std::size_t(count() - i - 1) * sizeof(T*));
        --m_array->size;
        return item;
    }
    // Replaces the item at i (the old one is deleted); appends when i == count().
    bool replace(int i, T* item)
    {
        if (!item || i < 0 || i > count())
            return false;
        if (i == count())
            return append(item);
        T* old = std::exchange(items()[i], item);
        delete old;
        return true;
    }
    int indexOf(const T* item) const
    {
        for (int i = 0; i < count(); ++i)
            if (items()[i] == item)
                return i;
        return -1;
    }
    void swap(int i, int j)
    {
        if (i >= 0 && j >= 0 && i < count() && j < count())
            std::swap(items()[i], items()[j]);
    }
    // Hands the items in order to take, which owns each from then on, until it
    // returns false; the list keeps the items not handed over. Turns a long list
    // into another without both being held at once.
    template <typename F>
    void drain(F&& take)
    {
        int handed = 0;
        // Also closes the gap when take throws, so the list never holds null.
        struct Compact
        {
            LxLibList& list;
            int& handed;
            ~Compact()
            {
                if (!list.m_array || handed == 0)
                    return;
                T** a = list.items();
                std::memmove(a, a + handed, std::size_t(list.count() - handed) * sizeof(T*));
                list.m_array->size -= handed;
            }
        } compact{*this, handed};
        while (handed < count()) {
            std::unique_ptr<T> item(std::exchange(items()[handed++], nullptr));
            if (!take(std::move(item)))
                break;
        }
    }
    void clear()
    {
        if (!m_array)
            return;
        Header* array = std::exchange(m_array, nullptr);
        T** a = reinterpret_cast<T**>(array + 1);
        for (int i = 0; i < array->size; ++i)
            delete a[i];
        LxLibPool::release(array, bytesFor(array->capacity));
    }

    class const_iterator
    {
    public:
        explicit const_iterator(T* const* it) : m_it(it) {}
        T* operator*() const { return *m_it; }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator!=(const const_iterator& o) const { return m_it != o.m_it; }
        bool operator==(const const_iterator& o) const { return m_it == o.m_it; }

    private:
        T* const* m_it;
    };
    const_iterator begin() const { return const_iterator(items()); }
    const_iterator end() const { return const_iterator(items() + count()); }

private:
    struct Header
    {
        int size;
        int capacity;
    };
    static_assert(sizeof(Header) % alignof(T*) == 0, "the items follow the header unpadded");

    static std::size_t bytesFor(int capacity) { return sizeof(Header) + std::size_t(capacity) * sizeof(T*); }
    int capacity() const { return m_array ? m_array->capacity : 0; }
    T** items() const { return m_array ? reinterpret_cast<T**>(m_array + 1) : nullptr; }

    void resize(int capacity)
    {
        // The slot is a little larger than asked for: all of it is room.
        const std::size_t slot = LxLibPool::slotSize(bytesFor(capacity));
        const std::size_t room = (slot - sizeof(Header)) / sizeof(T*);
        capacity = room > std::size_t(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max() : int(room);
        auto* array = static_cast<Header*>(LxLibPool::allocate(bytesFor(capacity)));
        array->size = count();
        array->capacity = capacity;
        if (m_array) {
            std::memcpy(reinterpret_cast<T**>(array + 1), items(), std::size_t(m_array->size) * sizeof(T*));
            LxLibPool::release(m_array, bytesFor(m_array->capacity));
        }
        m_array = array;
    }

    Header* m_array = nullptr;
};

} // namespace lxlib

#endif
