#include "allocation_counter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The global operators count here, so the counters are global too.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
std::atomic<std::size_t> allocation_count{0};
std::atomic<std::size_t> deallocation_count{0};
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

// This is the allocator itself, so it manages memory by hand.
// NOLINTBEGIN(cppcoreguidelines-no-malloc)
void* allocate(std::size_t size) noexcept
{
    // malloc(0) may return null; a zero-byte new must still succeed.
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory != nullptr) {
        ++allocation_count;
    }
    return memory;
}

void release(void* memory) noexcept
{
    if (memory != nullptr) {
        ++deallocation_count;
        std::free(memory);
    }
}
// NOLINTEND(cppcoreguidelines-no-malloc)

}  // namespace

std::size_t allocation_counter::allocations()
{
    return allocation_count.load();
}

std::size_t allocation_counter::deallocations()
{
    return deallocation_count.load();
}

// Every form of the unaligned global operators is replaced, so that no memory
// from another allocator is ever given back here.
void* operator new(std::size_t size)
{
    void* memory = allocate(size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept
{
    return allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept
{
    return allocate(size);
}

void operator delete(void* memory) noexcept
{
    release(memory);
}

void operator delete[](void* memory) noexcept
{
    release(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept
{
    release(memory);
}

void operator delete[](void* memory, std::size_t /*size*/) noexcept
{
    release(memory);
}

void operator delete(void* memory, const std::nothrow_t& /*tag*/) noexcept
{
    release(memory);
}

void operator delete[](void* memory, const std::nothrow_t& /*tag*/) noexcept
{
    release(memory);
}
