// Each list operation beside std::forward_list<int> doing the same work, with
// std::cout sent to a buffer that discards, so that both pay the same
// formatting and flushing but no device.
#include "linked_list.hpp"
#include "list_test_support.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <forward_list>
#include <iostream>
#include <iterator>
#include <limits>
#include <memory>
#include <streambuf>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Accepts everything and keeps nothing; flushing is a no-op.
class DiscardingBuffer : public std::streambuf {
public:
    DiscardingBuffer() { setp(space_.data(), space_.data() + space_.size()); }

protected:
    int_type overflow(int_type character) override
    {
        setp(space_.data(), space_.data() + space_.size());
        return traits_type::not_eof(character);
    }

private:
    std::array<char, 256> space_{};
};

// Sends std::cout to a DiscardingBuffer for as long as it lives.
class DiscardedCout {
    DiscardingBuffer buffer_;
    list_test::CoutRedirect redirect_{&buffer_};
};

constexpr int inserted_value = 7;

// The size of what a std::forward_list<int> allocates for one element: its
// allocator is rebound to the node type, whose size NodeSizeRecorder records.
std::size_t& forward_list_node_size()
{
    static std::size_t size = 0;
    return size;
}

template <typename T>
struct NodeSizeRecorder {
    using value_type = T;
    NodeSizeRecorder() = default;
    template <typename U>
    explicit NodeSizeRecorder(const NodeSizeRecorder<U>& /*other*/)
    {
    }
    T* allocate(std::size_t count)
    {
        forward_list_node_size() = sizeof(T);
        return std::allocator<T>().allocate(count);
    }
    void deallocate(T* pointer, std::size_t count)
    {
        std::allocator<T>().deallocate(pointer, count);
    }
    template <typename U>
    bool operator==(const NodeSizeRecorder<U>& /*other*/) const
    {
        return true;
    }
    template <typename U>
    bool operator!=(const NodeSizeRecorder<U>& /*other*/) const
    {
        return false;
    }
};

int length_of(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

Node* build_list(int length)
{
    Node* head = new Node(0);
    Node* tail = head;
    for (int value = 1; value < length; ++value) {
        insert_at_tail(tail, value);
    }
    return head;
}

std::forward_list<int> build_forward_list(int length)
{
    std::forward_list<int> list;
    auto last = list.before_begin();
    for (int value = 0; value < length; ++value) {
        last = list.insert_after(last, value);
    }
    return list;
}

void print_release_line(int value)
{
    std::cout << " memory is free for node with data " << value << std::endl;
}

// What releasing a list does, done to a forward_list: the release lines come
// last element first, and the elements are freed in that order.
void release_forward_list(std::forward_list<int>& list)
{
    list.reverse();
    for (const int value : list) {
        print_release_line(value);
    }
    list.clear();
}

// The iterator before `position` (1-based), found by walking from the head.
std::forward_list<int>::iterator before_position(std::forward_list<int>& list, int position)
{
    return std::next(list.before_begin(), position - 1);
}

void list_tail_insertion(benchmark::State& state)
{
    const DiscardedCout discarded;
    for (auto _ : state) {
        Node* head = build_list(length_of(state));
        benchmark::DoNotOptimize(head);
        state.PauseTiming();
        delete head;
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void forward_list_tail_insertion(benchmark::State& state)
{
    const DiscardedCout discarded;
    for (auto _ : state) {
        std::forward_list<int> list = build_forward_list(length_of(state));
        benchmark::DoNotOptimize(list);
        state.PauseTiming();
        release_forward_list(list);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void list_display(benchmark::State& state)
{
    const DiscardedCout discarded;
    Node* head = build_list(length_of(state));
    for (auto _ : state) {
        display(head);
    }
    delete head;
    state.SetComplexityN(state.range(0));
}

void forward_list_display(benchmark::State& state)
{
    const DiscardedCout discarded;
    const std::forward_list<int> list = build_forward_list(length_of(state));
    for (auto _ : state) {
        for (const int value : list) {
            std::cout << value << std::endl;
        }
    }
    state.SetComplexityN(state.range(0));
}

void list_release(benchmark::State& state)
{
    const DiscardedCout discarded;
    for (auto _ : state) {
        state.PauseTiming();
        Node* head = build_list(length_of(state));
        state.ResumeTiming();
        delete head;
    }
    state.SetComplexityN(state.range(0));
}

void forward_list_release(benchmark::State& state)
{
    const DiscardedCout discarded;
    for (auto _ : state) {
        state.PauseTiming();
        std::forward_list<int> list = build_forward_list(length_of(state));
        state.ResumeTiming();
        release_forward_list(list);
    }
    state.SetComplexityN(state.range(0));
}

void list_middle_insert_and_delete(benchmark::State& state)
{
    const DiscardedCout discarded;
    Node* head = build_list(length_of(state));
    const int middle = length_of(state) / 2;
    for (auto _ : state) {
        insert_at_postion(head, inserted_value, middle);
        deleteNode(middle, head);
    }
    delete head;
    state.SetComplexityN(state.range(0));
}

void forward_list_middle_insert_and_delete(benchmark::State& state)
{
    const DiscardedCout discarded;
    std::forward_list<int> list = build_forward_list(length_of(state));
    const int middle = length_of(state) / 2;
    for (auto _ : state) {
        list.insert_after(before_position(list, middle), inserted_value);
        const auto before = before_position(list, middle);
        const int removed = *std::next(before);
        list.erase_after(before);
        print_release_line(removed);
    }
    state.SetComplexityN(state.range(0));
}

constexpr int smallest_length = 1'000;
constexpr int largest_length = 1'000'000;

void lengths(benchmark::internal::Benchmark* benchmark)
{
    benchmark->RangeMultiplier(10)
        ->Range(smallest_length, largest_length)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(list_tail_insertion)->Apply(lengths);
BENCHMARK(forward_list_tail_insertion)->Apply(lengths);
BENCHMARK(list_display)->Apply(lengths);
BENCHMARK(forward_list_display)->Apply(lengths);
BENCHMARK(list_release)->Apply(lengths);
BENCHMARK(forward_list_release)->Apply(lengths);
BENCHMARK(list_middle_insert_and_delete)->Apply(lengths);
BENCHMARK(forward_list_middle_insert_and_delete)->Apply(lengths);

int main(int argc, char** argv)
{
#if defined(__GLIBC__)
    // Every list is built as in a fresh process, from the top of the heap, so
    // that no result depends on what earlier benchmarks released: without fast
    // bins freed nodes merge back into the top at once, and without trimming
    // the top stays mapped. Otherwise a later list's nodes are scattered in
    // the order an earlier release left them, and walks measure that history.
    mallopt(M_MXFAST, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
#endif
    const std::forward_list<int, NodeSizeRecorder<int>> one_element{0};
    benchmark::AddCustomContext("sizeof(Node)", std::to_string(sizeof(Node)));
    benchmark::AddCustomContext(
        "sizeof(std::forward_list<int> node)", std::to_string(forward_list_node_size()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
