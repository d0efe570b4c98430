#include "allocation_counter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> allocation_count{0};
std::atomic<std::size_t> deallocation_count{0};

} // namespace

std::size_t allocation_counter::allocations()
{
    return allocation_count.load();
}

std::size_t allocation_counter::deallocations()
{
    return deallocation_count.load();
}

void* operator new(std::size_t size)
{
    // malloc(0) may return null; a zero-byte new must still succeed.
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    ++allocation_count;
    return memory;
}

void operator delete(void* memory) noexcept
{
    if (memory != nullptr) {
        ++deallocation_count;
        std::free(memory);
    }
}

void operator delete(void* memory, std::size_t /*size*/) noexcept
{
    operator delete(memory);
}
