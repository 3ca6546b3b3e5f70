#include "LxLibPool.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// Under the address sanitizer every object gets its own allocation, so that a
// use after free is still caught.
#if defined(__SANITIZE_ADDRESS__)
#define LXLIB_POOL_BYPASS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LXLIB_POOL_BYPASS 1
#endif
#endif
#ifndef LXLIB_POOL_BYPASS
#define LXLIB_POOL_BYPASS 0
#endif

namespace lxlib {

namespace {

constexpr std::size_t Granule = 16;
constexpr std::size_t SmallClasses = LxLibPool::MaxSlot / Granule;
// Larger sizes up to MaxPooled round up to a power of two, from twice MaxSlot.
constexpr std::size_t LargeClasses = 11;
static_assert((LxLibPool::MaxSlot * 2) << (LargeClasses - 1) == LxLibPool::MaxPooled);
constexpr std::size_t Classes = SmallClasses + LargeClasses;
// All slots are cut from blocks of this size, aligned to it. A large model
// faults in hundreds of megabytes page by page; backed by huge pages, a block
// costs one fault instead of 512, and so do the arrays of long lists.
constexpr std::size_t BlockSize = 2 * 1024 * 1024;
// Small slots are cut from runs of a block, so that each size fills its own
// stretch of memory and a small model touches few pages.
constexpr std::size_t RunSize = 64 * 1024;

struct FreeSlot
{
    FreeSlot* next;
};

void* mapBlock()
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::size_t span = 2 * BlockSize;
    void* raw = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + BlockSize - 1) & ~(BlockSize - 1);
    if (aligned > start)
        ::munmap(raw, aligned - start);
    const std::uintptr_t end = aligned + BlockSize;
    if (start + span > end)
        ::munmap(reinterpret_cast<void*>(end), start + span - end);
    void* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, BlockSize, MADV_HUGEPAGE);
    return block;
#else
    return std::aligned_alloc(BlockSize, BlockSize);
#endif
}

void unmapBlock(void* block) noexcept
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    ::munmap(block, BlockSize);
#else
    std::free(block);
#endif
}

// One size of slot: a list of freed slots, and the stretch being cut into new ones.
struct SizeClass
{
    FreeSlot* free = nullptr;
    char* bump = nullptr;
    char* bumpEnd = nullptr;
};

// Objects are made and destroyed in long runs by one thread at a time, so a
// spin lock costs less than a mutex and almost never waits.
class SpinLock
{
public:
    void lock() noexcept
    {
        while (m_flag.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
    }
    void unlock() noexcept { m_flag.clear(std::memory_order_release); }

private:
    std::atomic_flag m_flag = ATOMIC_FLAG_INIT;
};

struct PoolState
{
    SpinLock lock;
    SizeClass classes[Classes];
    std::vector<void*> blocks;
    char* bump = nullptr;
    char* bumpEnd = nullptr;
    std::size_t live = 0;

    void* take(std::size_t index)
    {
        SizeClass& c = classes[index];
        if (FreeSlot* slot = c.free) {
            c.free = slot->next;
            return slot;
        }
        const std::size_t slotSize = sizeOfClass(index);
        if (c.bumpEnd - c.bump < static_cast<std::ptrdiff_t>(slotSize))
            return takeFromNewStretch(c, slotSize);
        void* slot = c.bump;
        c.bump += slotSize;
        return slot;
    }

    // Rare: kept out of line so that the common path needs no saved registers.
    [[gnu::noinline]] void* takeFromNewStretch(SizeClass& c, std::size_t slotSize)
    {
        const std::size_t stretch = slotSize <= LxLibPool::MaxSlot ? RunSize : slotSize;
        char* from = cut(stretch);
        if (!from)
            return nullptr;
        c.bump = from + slotSize;
        c.bumpEnd = from + stretch;
        return from;
    }

    // A stretch of the current block, or of a new one; the rest of the old block
    // is left unused, at most a large slot's size.
    char* cut(std::size_t size)
    {
        if (bumpEnd - bump < static_cast<std::ptrdiff_t>(size)) {
            void* block = mapBlock();
            if (!block)
                return nullptr;
            try {
                blocks.push_back(block);
            } catch (...) {
                unmapBlock(block);
                return nullptr;
            }
            bump = static_cast<char*>(block);
            bumpEnd = bump + BlockSize;
        }
        char* from = bump;
        bump += size;
        return from;
    }

    void releaseBlocks() noexcept
    {
        for (void* b : blocks)
            unmapBlock(b);
        blocks.clear();
        for (SizeClass& c : classes)
            c = SizeClass{};
        bump = bumpEnd = nullptr;
    }

    static std::size_t sizeOfClass(std::size_t index)
    {
        return index < SmallClasses ? (index + 1) * Granule : (LxLibPool::MaxSlot * 2) << (index - SmallClasses);
    }
};

inline PoolState& state()
{
    // Never destroyed: objects in static storage may be freed after it would be.
    static PoolState* s = new PoolState;
    return *s;
}

std::size_t classOf(std::size_t size)
{
    if (size <= LxLibPool::MaxSlot)
        return (size + Granule - 1) / Granule - 1;
    // The power of two at or above size, counted from twice MaxSlot.
    const unsigned bits = unsigned(std::bit_width(size - 1));
    return SmallClasses + bits - unsigned(std::bit_width(LxLibPool::MaxSlot * 2 - 1));
}

bool inPool(std::size_t size) { return !LXLIB_POOL_BYPASS && size != 0 && size <= LxLibPool::MaxPooled; }

} // namespace

void* LxLibPool::allocate(std::size_t size)
{
    if (!inPool(size))
        return ::operator new(size);
    PoolState& s = state();
    s.lock.lock();
    void* p = s.take(classOf(size));
    if (p)
        ++s.live;
    s.lock.unlock();
    if (!p)
        throw std::bad_alloc();
    return p;
}

void LxLibPool::release(void* p, std::size_t size) noexcept
{
    if (!p)
        return;
    if (!inPool(size)) {
        ::operator delete(p);
        return;
    }
    PoolState& s = state();
    s.lock.lock();
    auto* slot = static_cast<FreeSlot*>(p);
    SizeClass& c = s.classes[classOf(size)];
    slot->next = c.free;
    c.free = slot;
    if (--s.live == 0)
        s.releaseBlocks();
    s.lock.unlock();
}

bool LxLibPool::bypassed()
{
    return LXLIB_POOL_BYPASS;
}

std::size_t LxLibPool::liveCount()
{
    PoolState& s = state();
    s.lock.lock();
    const std::size_t n = s.live;
    s.lock.unlock();
    return n;
}

std::size_t LxLibPool::blockCount()
{
    PoolState& s = state();
    s.lock.lock();
    const std::size_t n = s.blocks.size();
    s.lock.unlock();
    return n;
}

} // namespace lxlib
