#include "LxLibPool.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <thread>
#include <utility>
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
// Larger sizes up to MaxPooled: four sizes between neighbouring powers of two,
// so that a reserved array wastes at most a fifth of its slot.
constexpr unsigned FirstLargeBits = std::bit_width(LxLibPool::MaxSlot * 2 - 1);
constexpr unsigned LastLargeBits = std::bit_width(LxLibPool::MaxPooled - 1);
static_assert(std::size_t(1) << LastLargeBits == LxLibPool::MaxPooled);
constexpr std::size_t LargeClasses = (LastLargeBits - FirstLargeBits + 1) * 4;
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

// Taken only where threads meet: a slot freed by another thread than the one
// that made it, a thread's start and end. Uncontended and short.
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

// Sizes up to MaxSlot, as most objects are: slots in steps of Granule.
constexpr std::size_t smallClassOf(std::size_t size) { return (size - 1) / Granule; }

std::size_t sizeOfClass(std::size_t index)
{
    if (index < SmallClasses)
        return (index + 1) * Granule;
    const std::size_t bits = FirstLargeBits + (index - SmallClasses) / 4;
    const std::size_t quarter = (index - SmallClasses) % 4 + 1;
    return (std::size_t(1) << (bits - 1)) + (quarter << (bits - 3));
}

struct PoolState;

// The first bytes of every block name the state that cut it, so that a slot
// finds its way home from whichever thread frees it.
struct BlockHeader
{
    PoolState* owner;
};
constexpr std::size_t HeaderSize = 64;
static_assert(sizeof(BlockHeader) <= HeaderSize && HeaderSize % Granule == 0);

PoolState* ownerOf(void* p)
{
    const auto block = reinterpret_cast<std::uintptr_t>(p) & ~(BlockSize - 1);
    return reinterpret_cast<BlockHeader*>(block)->owner;
}

// The slots of one thread. Its owner takes and frees slots without any lock,
// as a model is read, converted and freed by one thread. Slots freed by other
// threads wait on the remote lists until the owner collects them. A state
// whose thread has ended, and the shared state for threads past their end,
// are "locked": every use of them takes the lock.
struct PoolState
{
    SizeClass classes[Classes];
    std::vector<void*> blocks;
    char* bump = nullptr;
    char* bumpEnd = nullptr;
    // Written by the owner alone (or under the lock once locked), read by liveCount().
    std::atomic<std::size_t> live{0};
    std::atomic<std::size_t> blockCount{0};

    SpinLock lock;
    FreeSlot* remote[Classes] = {};
    std::size_t remoteCount = 0;
    std::atomic<bool> hasRemote{false};
    bool locked = false;

    // A freed slot or one cut from the stretch at hand; null when a new stretch is needed.
    void* takeCut(std::size_t index)
    {
        SizeClass& c = classes[index];
        if (FreeSlot* slot = c.free) {
            c.free = slot->next;
            return slot;
        }
        const std::size_t slotSize = sizeOfClass(index);
        if (c.bumpEnd - c.bump < static_cast<std::ptrdiff_t>(slotSize))
            return nullptr;
        void* slot = c.bump;
        c.bump += slotSize;
        return slot;
    }

    void* take(std::size_t index)
    {
        void* slot = takeCut(index);
        return slot ? slot : takeFromNewStretch(index, sizeOfClass(index));
    }

    void give(void* p, std::size_t index)
    {
        auto* slot = static_cast<FreeSlot*>(p);
        slot->next = classes[index].free;
        classes[index].free = slot;
    }

    // No read-modify-write: only one thread writes at a time.
    void addLive(std::ptrdiff_t n)
    {
        live.store(live.load(std::memory_order_relaxed) + std::size_t(n), std::memory_order_relaxed);
    }

    // Rare: kept out of line so that the common path needs no saved registers.
    [[gnu::noinline]] void* takeFromNewStretch(std::size_t index, std::size_t slotSize)
    {
        // Slots other threads gave back come first (a locked state has none).
        if (!locked && hasRemote.load(std::memory_order_relaxed)) {
            collectRemote();
            if (classes[index].free)
                return take(index);
        }
        SizeClass& c = classes[index];
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
            blockCount.store(blocks.size(), std::memory_order_relaxed);
            static_cast<BlockHeader*>(block)->owner = this;
            bump = static_cast<char*>(block) + HeaderSize;
            bumpEnd = static_cast<char*>(block) + BlockSize;
        }
        char* from = bump;
        bump += size;
        return from;
    }

    void collectRemote()
    {
        lock.lock();
        for (std::size_t i = 0; i < Classes; ++i) {
            while (FreeSlot* slot = remote[i]) {
                remote[i] = slot->next;
                give(slot, i);
            }
        }
        addLive(-std::ptrdiff_t(remoteCount));
        remoteCount = 0;
        hasRemote.store(false, std::memory_order_relaxed);
        lock.unlock();
    }

    void releaseBlocks() noexcept
    {
        for (void* b : blocks)
            unmapBlock(b);
        blocks.clear();
        blockCount.store(0, std::memory_order_relaxed);
        for (SizeClass& c : classes)
            c = SizeClass{};
        bump = bumpEnd = nullptr;
    }
};

// Every state, for the counts of the tests.
struct Registry
{
    SpinLock lock;
    std::vector<PoolState*> states;
};

Registry& registry()
{
    // Never destroyed: threads may end, and objects be freed, after static destruction.
    static Registry* r = new Registry;
    return *r;
}

PoolState* newState(bool locked)
{
    auto* s = new PoolState;
    s->locked = locked;
    Registry& r = registry();
    r.lock.lock();
    r.states.push_back(s);
    r.lock.unlock();
    return s;
}

void deleteState(PoolState* s)
{
    Registry& r = registry();
    r.lock.lock();
    std::erase(r.states, s);
    r.lock.unlock();
    delete s;
}

// For threads whose own state has already been given up at their end.
PoolState& sharedState()
{
    static PoolState* s = newState(true);
    return *s;
}

thread_local PoolState* t_state = nullptr;
thread_local bool t_ended = false;

// Gives up the thread's state when the thread ends: freed at once when no
// object of it lives, otherwise locked until the last one is freed.
struct ThreadEnd
{
    ~ThreadEnd()
    {
        PoolState* s = std::exchange(t_state, nullptr);
        t_ended = true;
        if (!s)
            return;
        s->collectRemote();
        s->lock.lock();
        s->locked = true;
        const bool empty = s->live.load(std::memory_order_relaxed) == 0;
        s->lock.unlock();
        if (empty) {
            s->releaseBlocks();
            deleteState(s);
        }
    }
};

thread_local ThreadEnd t_end;

[[gnu::noinline]] PoolState* attachThread()
{
    if (t_ended)
        return nullptr;
    (void)&t_end; // registers the end of the thread
    t_state = newState(false);
    return t_state;
}

void* takeLocked(PoolState& s, std::size_t index)
{
    s.lock.lock();
    void* p = s.take(index);
    if (p)
        s.addLive(1);
    s.lock.unlock();
    return p;
}

// A slot freed by a thread that does not own its state.
void releaseElsewhere(PoolState& s, void* p, std::size_t index)
{
    s.lock.lock();
    if (!s.locked) {
        auto* slot = static_cast<FreeSlot*>(p);
        slot->next = s.remote[index];
        s.remote[index] = slot;
        ++s.remoteCount;
        s.hasRemote.store(true, std::memory_order_relaxed);
        s.lock.unlock();
        return;
    }
    s.give(p, index);
    s.addLive(-1);
    const bool last = s.live.load(std::memory_order_relaxed) == 0 && &s != &sharedState();
    s.lock.unlock();
    // No object of an ended thread's state is left: nobody can reach it any more.
    if (last) {
        s.releaseBlocks();
        deleteState(&s);
    }
}

std::size_t classOf(std::size_t size)
{
    if (size <= LxLibPool::MaxSlot)
        return smallClassOf(size);
    // Which quarter of the span between the powers of two around size.
    const unsigned bits = unsigned(std::bit_width(size - 1));
    const std::size_t quarter = (size - (std::size_t(1) << (bits - 1)) + (std::size_t(1) << (bits - 3)) - 1) >> (bits - 3);
    return SmallClasses + (bits - FirstLargeBits) * 4 + quarter - 1;
}

bool inPool(std::size_t size) { return !LXLIB_POOL_BYPASS && size != 0 && size <= LxLibPool::MaxPooled; }

} // namespace

// The small objects a model is made of take this path: no call, so no
// registers to save.
void* LxLibPool::allocate(std::size_t size)
{
    PoolState* s = t_state;
    if (!LXLIB_POOL_BYPASS && s && size - 1 < MaxSlot) {
        if (void* slot = s->takeCut(smallClassOf(size))) {
            s->addLive(1);
            return slot;
        }
    }
    return allocateElse(size);
}

void* LxLibPool::allocateElse(std::size_t size)
{
    if (!inPool(size))
        return ::operator new(size);
    PoolState* s = t_state;
    if (!s)
        s = attachThread();
    void* p;
    if (s) {
        p = s->take(classOf(size));
        if (p)
            s->addLive(1);
    } else {
        p = takeLocked(sharedState(), classOf(size));
    }
    if (!p)
        throw std::bad_alloc();
    return p;
}

void LxLibPool::release(void* p, std::size_t size) noexcept
{
    if (!LXLIB_POOL_BYPASS && p && size - 1 < MaxSlot) {
        PoolState* owner = ownerOf(p);
        // Not the last object, nothing to collect: only the slot goes back.
        if (owner == t_state && owner->live.load(std::memory_order_relaxed) > 1 &&
            !owner->hasRemote.load(std::memory_order_relaxed)) {
            owner->give(p, smallClassOf(size));
            owner->addLive(-1);
            return;
        }
    }
    releaseElse(p, size);
}

void LxLibPool::releaseElse(void* p, std::size_t size) noexcept
{
    if (!p)
        return;
    if (!inPool(size)) {
        ::operator delete(p);
        return;
    }
    PoolState* owner = ownerOf(p);
    if (owner != t_state) {
        releaseElsewhere(*owner, p, classOf(size));
        return;
    }
    owner->give(p, classOf(size));
    owner->addLive(-1);
    if (owner->hasRemote.load(std::memory_order_relaxed))
        owner->collectRemote();
    if (owner->live.load(std::memory_order_relaxed) == 0)
        owner->releaseBlocks();
}

std::size_t LxLibPool::slotSize(std::size_t size)
{
    return inPool(size) ? sizeOfClass(classOf(size)) : size;
}

bool LxLibPool::bypassed()
{
    return LXLIB_POOL_BYPASS;
}

std::size_t LxLibPool::liveCount()
{
    Registry& r = registry();
    r.lock.lock();
    std::size_t n = 0;
    for (PoolState* s : r.states) {
        s->lock.lock();
        n += s->live.load(std::memory_order_relaxed) - s->remoteCount;
        s->lock.unlock();
    }
    r.lock.unlock();
    return n;
}

std::size_t LxLibPool::blockCount()
{
    Registry& r = registry();
    r.lock.lock();
    std::size_t n = 0;
    for (const PoolState* s : r.states)
        n += s->blockCount.load(std::memory_order_relaxed);
    r.lock.unlock();
    return n;
}

} // namespace lxlib
