#ifndef LXLIBPOOL_H
#define LXLIBPOOL_H

#include <cstddef>
#include <new>

namespace lxlib {

// Memory for the library objects and the arrays of their lists. A large model
// holds hundreds of thousands of them, and freeing that many through the
// general allocator costs more than reading the text they came from: here a
// freed slot goes back on a list of its size, and the blocks go back to the
// system once no object lives. Safe to use from several threads: each thread
// cuts its own slots without a lock, and a slot freed by another thread finds
// its way back to the thread that made it.
class LxLibPool
{
public:
    // Sizes up to this get slots of their size rounded up to 16 bytes.
    static constexpr std::size_t MaxSlot = 128;
    // Larger sizes up to this, as the arrays of long lists, get slots a little
    // larger than asked for; sizes above it go to the general allocator.
    static constexpr std::size_t MaxPooled = 256 * 1024;

    static void* allocate(std::size_t size);
    static void release(void* p, std::size_t size) noexcept;
    // The bytes that allocate(size) hands out, all usable: a growing array
    // takes the whole slot.
    static std::size_t slotSize(std::size_t size);

    // Objects now alive in the pool and the blocks holding them, for tests.
    static std::size_t liveCount();
    static std::size_t blockCount();
    // True where every object goes to the general allocator (sanitizer builds).
    static bool bypassed();

private:
    // What the short paths of allocate and release leave over.
    [[gnu::noinline]] static void* allocateElse(std::size_t size);
    [[gnu::noinline]] static void releaseElse(void* p, std::size_t size) noexcept;
};

// Lets the short arrays of the library's lists (one diagnostic, one rule) live
// beside their objects in the pool instead of in the general allocator.
template <typename T>
struct LxLibPoolAllocator
{
    using value_type = T;

    LxLibPoolAllocator() = default;
    template <typename U>
    LxLibPoolAllocator(const LxLibPoolAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(LxLibPool::allocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { LxLibPool::release(p, n * sizeof(T)); }

    template <typename U>
    bool operator==(const LxLibPoolAllocator<U>&) const noexcept { return true; }
    template <typename U>
    bool operator!=(const LxLibPoolAllocator<U>&) const noexcept { return false; }
};

} // namespace lxlib

#endif
