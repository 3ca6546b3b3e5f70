#include "LxLibPool.h"

#include <atomic>
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
constexpr std::size_t Classes = LxLibPool::MaxSlot / Granule;
constexpr std::size_t FirstBlockSize = 256 * 1024;
constexpr std::size_t HugeBlockSize = 2 * 1024 * 1024;

struct FreeSlot
{
    FreeSlot* next;
};

struct Block
{
    void* memory;
    std::size_t size;
    bool mapped;
};

// A large model faults in hundreds of megabytes page by page; asking for huge
// pages on whole 2 MB blocks cuts those faults by a factor of 512. The block
// must be aligned to 2 MB for the kernel to back it with one huge page.
Block mapHugeBlock()
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::size_t span = 2 * HugeBlockSize;
    void* raw = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return {nullptr, 0, false};
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + HugeBlockSize - 1) & ~(HugeBlockSize - 1);
    if (aligned > start)
        ::munmap(raw, aligned - start);
    const std::uintptr_t end = aligned + HugeBlockSize;
    if (start + span > end)
        ::munmap(reinterpret_cast<void*>(end), start + span - end);
    void* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, HugeBlockSize, MADV_HUGEPAGE);
    return {block, HugeBlockSize, true};
#else
    return {std::malloc(HugeBlockSize), HugeBlockSize, false};
#endif
}

void freeBlock(const Block& b) noexcept
{
#if defined(__linux__)
    if (b.mapped) {
        ::munmap(b.memory, b.size);
        return;
    }
#endif
    std::free(b.memory);
}

// One size of slot: a list of freed slots, and the block being cut into new ones.
struct SizeClass
{
    FreeSlot* free = nullptr;
    char* bump = nullptr;
    char* bumpEnd = nullptr;
    std::vector<Block> blocks;

    // Blocks double in size up to the huge block, so a small model keeps a
    // small footprint and a large one few, large blocks.
    bool nextBlock()
    {
        const std::size_t size = blocks.empty() ? FirstBlockSize : blocks.back().size * 2;
        const Block block = size >= HugeBlockSize ? mapHugeBlock() : Block{std::malloc(size), size, false};
        if (!block.memory)
            return false;
        try {
            blocks.push_back(block);
        } catch (...) {
            freeBlock(block);
            return false;
        }
        bump = static_cast<char*>(block.memory);
        bumpEnd = bump + block.size;
        return true;
    }

    void releaseBlocks() noexcept
    {
        for (const Block& b : blocks)
            freeBlock(b);
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
        if (c.bumpEnd - c.bump < static_cast<std::ptrdiff_t>(slotSize))
            return takeFromNewBlock(c, slotSize);
        void* slot = c.bump;
        c.bump += slotSize;
        return slot;
    }

    // Rare: kept out of line so that the common path needs no saved registers.
    [[gnu::noinline]] static void* takeFromNewBlock(SizeClass& c, std::size_t slotSize)
    {
        if (!c.nextBlock())
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

inline PoolState& state()
{
    // Never destroyed: objects in static storage may be freed after it would be.
    static PoolState* s = new PoolState;
    return *s;
}

std::size_t classOf(std::size_t size) { return (size + Granule - 1) / Granule - 1; }

bool inPool(std::size_t size) { return !LXLIB_POOL_BYPASS && size != 0 && size <= LxLibPool::MaxSlot; }

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
        for (SizeClass& k : s.classes)
            k.releaseBlocks();
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
    const std::size_t n = s.blockCount();
    s.lock.unlock();
    return n;
}

} // namespace lxlib
