#include "LxLibPool.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

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
constexpr std::size_t Classes = LxLibPool::MaxSlot / Granule;
constexpr std::size_t BlockSize = 256 * 1024;

struct FreeSlot
{
    FreeSlot* next;
};

// One size of slot: a list of freed slots, and the block being cut into new ones.
struct SizeClass
{
    FreeSlot* free = nullptr;
    char* bump = nullptr;
    char* bumpEnd = nullptr;
    std::vector<void*> blocks;

    bool nextBlock()
    {
        void* block = std::malloc(BlockSize);
        if (!block)
            return false;
        try {
            blocks.push_back(block);
        } catch (...) {
            std::free(block);
            return false;
        }
        bump = static_cast<char*>(block);
        bumpEnd = bump + BlockSize;
        return true;
    }

    void releaseBlocks() noexcept
    {
        for (void* b : blocks)
            std::free(b);
        blocks.clear();
        free = nullptr;
        bump = bumpEnd = nullptr;
    }
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
    std::size_t live = 0;

    void* take(std::size_t index)
    {
        SizeClass& c = classes[index];
        if (FreeSlot* slot = c.free) {
            c.free = slot->next;
            return slot;
        }
        const std::size_t slotSize = (index + 1) * Granule;
        if (c.bumpEnd - c.bump < static_cast<std::ptrdiff_t>(slotSize) && !c.nextBlock())
            return nullptr;
        void* slot = c.bump;
        c.bump += slotSize;
        return slot;
    }

    std::size_t blockCount() const
    {
        std::size_t n = 0;
        for (const SizeClass& c : classes)
            n += c.blocks.size();
        return n;
    }
};

PoolState& state()
{
    // Never destroyed: objects in static storage may be freed after it would be.
    static PoolState* s = new PoolState;
    return *s;
}

std::size_t classOf(std::size_t size) { return (size + Granule - 1) / Granule - 1; }

} // namespace

void* LxLibPool::allocate(std::size_t size)
{
    if (LXLIB_POOL_BYPASS || size == 0 || size > MaxSlot)
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
    if (LXLIB_POOL_BYPASS || size == 0 || size > MaxSlot) {
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
        for (SizeClass& k : s.classes)
            k.releaseBlocks();
    s.lock.unlock();
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
    const std::size_t n = s.blockCount();
    s.lock.unlock();
    return n;
}


} // namespace lxlib
