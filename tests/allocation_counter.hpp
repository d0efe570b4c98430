#ifndef ALLOCATION_COUNTER_HPP
#define ALLOCATION_COUNTER_HPP

#include <cstddef>

// Counts the calls of the global operator new and operator delete in the
// program that links allocation_counter.cpp, which replaces them.
namespace allocation_counter {

std::size_t allocations();
std::size_t deallocations();

}  // namespace allocation_counter

#endif  // ALLOCATION_COUNTER_HPP
