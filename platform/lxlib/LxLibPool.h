#ifndef LXLIBPOOL_H
#define LXLIBPOOL_H

#include <cstddef>

namespace lxlib {

// Memory for the small library objects. A large model holds hundreds of
// thousands of them, and freeing that many through the general allocator costs
// more than reading the text they came from: here a freed slot goes back on a
// list of its size, and the blocks go back to the system once no object lives.
// Safe to use from several threads.
class LxLibPool
{
public:
    // Sizes above this go to the general allocator.
    static constexpr std::size_t MaxSlot = 128;

    static void* allocate(std::size_t size);
    static void release(void* p, std::size_t size) noexcept;

    // Objects now alive in the pool and the blocks holding them, for tests.
    static std::size_t liveCount();
    static std::size_t blockCount();
};

} // namespace lxlib

#endif
