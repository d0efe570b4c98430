// Drives the list operations with arbitrary bytes and checks every step
// against a std::vector model: the values in order, where the tail handle
// points, every line printed (with its flush) and every allocation and release.
#include "allocation_counter.hpp"
#include "linked_list.hpp"
#include "list_test_support.hpp"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Bounds the list's length and so the output of one step, which must fit the
// recorder's reserved storage for the allocation counts to stay exact.
constexpr std::size_t max_steps = 1024;
constexpr std::size_t max_output_bytes = std::size_t{64} * 1024;

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    [[nodiscard]] bool empty() const { return position_ == size_; }

    // Zero once the input is used up, so that every input is a whole program.
    std::uint8_t byte()
    {
        // NOLINTNEXTLINE(cppcoreguidelines-pro-bounds-pointer-arithmetic): the fuzzer's interface
        return empty() ? 0 : data_[position_++];
    }

    int integer()
    {
        std::uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            bits |= static_cast<std::uint32_t>(byte()) << shift;
        }
        // Two's complement, without relying on an out-of-range conversion.
        return bits <= INT_MAX ? static_cast<int>(bits) : -static_cast<int>(~bits) - 1;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

void check(bool condition, const char* what)
{
    if (!condition) {
        std::cerr << "list_fuzzer: " << what << '\n';
        std::abort();
    }
}

bool in_range(int position, std::size_t last)
{
    return position >= 1 && static_cast<std::size_t>(position) <= last;
}

std::ptrdiff_t offset_of(int position)
{
    return static_cast<std::ptrdiff_t>(position) - 1;
}

// A position around the list's valid range, or one of the extremes.
int position_near(ByteReader& input, std::size_t length)
{
    const std::uint8_t choice = input.byte();
    switch (choice % 8) {
    case 0:
        return INT_MIN;
    case 1:
        return INT_MAX;
    case 2:
        return input.integer();
    default:
        // -1 to length + 2: both ends of the valid range and just past them.
        return static_cast<int>((choice / 8U) % (length + 4)) - 1;
    }
}

// One list, its handles and its model.
class Session {
public:
    void step(ByteReader& input)
    {
        switch (input.byte() % 7) {
        case 0:
            return insert_at_head_step(input.integer());
        case 1:
            return insert_at_tail_step(input.integer());
        case 2: {
            const int value = input.integer();
            return insert_at_position_step(value, position_near(input, model_.size()));
        }
        case 3:
            return delete_step(position_near(input, model_.size()));
        case 4:
            return display_step();
        case 5:
            return point_tail_step(input.byte() % (model_.size() + 1));
        default:
            return release_all();
        }
    }

    void release_all()
    {
        Lines lines;
        for (auto value = model_.rbegin(); value != model_.rend(); ++value) {
            lines.push_back(list_test::release_line(*value));
        }
        const std::size_t released = model_.size();
        model_.clear();
        tail_index_.reset();
        run(
            [&] {
                delete head_;
                head_ = nullptr;
                tail_ = nullptr;
            },
            0,
            released,
            lines);
    }

private:
    void insert_at_head_step(int value)
    {
        model_.insert(model_.begin(), value);
        if (tail_index_) {
            ++*tail_index_;
        }
        run([&] { insert_at_head(head_, value); }, 1, 0, {});
    }

    // A null tail handle does nothing; any other, stale or not, appends.
    void insert_at_tail_step(int value)
    {
        const bool appends = tail_ != nullptr;
        if (appends) {
            model_.push_back(value);
            tail_index_ = model_.size() - 1;
        }
        run([&] { insert_at_tail(tail_, value); }, appends ? 1 : 0, 0, {});
    }

    void insert_at_position_step(int value, int position)
    {
        const bool inserts = in_range(position, model_.size() + 1);
        if (inserts) {
            model_.insert(model_.begin() + offset_of(position), value);
            if (tail_index_ && *tail_index_ >= static_cast<std::size_t>(offset_of(position))) {
                ++*tail_index_;
            }
        }
        run([&] { insert_at_postion(head_, value, position); }, inserts ? 1 : 0, 0, {});
    }

    void delete_step(int position)
    {
        if (!in_range(position, model_.size())) {
            run([&] { deleteNode(position, head_); }, 0, 0, {});
            return;
        }
        const auto removed = static_cast<std::size_t>(offset_of(position));
        const Lines lines{list_test::release_line(model_[removed])};
        model_.erase(model_.begin() + offset_of(position));
        // A tail handle on the removed node would dangle: a careful caller
        // drops it, as this one does.
        const bool drops_tail = tail_index_ == removed;
        if (drops_tail) {
            tail_index_.reset();
        } else if (tail_index_ && *tail_index_ > removed) {
            --*tail_index_;
        }
        run(
            [&] {
                deleteNode(position, head_);
                if (drops_tail) {
                    tail_ = nullptr;
                }
            },
            0,
            1,
            lines);
    }

    void display_step()
    {
        Lines lines;
        for (const int value : model_) {
            lines.push_back(std::to_string(value) + "\n");
        }
        run([&] { display(head_); }, 0, 0, lines);
    }

    // Puts the tail handle on any node, so that most are stale, or makes it null.
    void point_tail_step(std::size_t index)
    {
        tail_index_.reset();
        if (index < model_.size()) {
            tail_index_ = index;
        }
        tail_ = node_at(tail_index_);
        check_state();
    }

    // Runs `operation` and checks what it allocated, released and printed.
    template <typename Operation>
    void run(Operation operation, std::size_t allocations, std::size_t releases, const Lines& lines)
    {
        output_.clear();
        const std::size_t allocations_before = allocation_counter::allocations();
        const std::size_t releases_before = allocation_counter::deallocations();
        operation();
        check(
            allocation_counter::allocations() - allocations_before == allocations,
            "allocations differ");
        check(allocation_counter::deallocations() - releases_before == releases, "releases differ");
        check(output_.flushed() == lines, "printed lines differ");
        check(output_.unflushed().empty(), "output left unflushed");
        check_state();
    }

    [[nodiscard]] Node* node_at(std::optional<std::size_t> index) const
    {
        if (!index) {
            return nullptr;
        }
        Node* node = head_;
        for (std::size_t step = 0; step < *index; ++step) {
            node = node->next.get();
        }
        return node;
    }

    void check_state() const
    {
        check(list_test::values_of(head_) == model_, "list differs from the model");
        check(tail_ == node_at(tail_index_), "tail handle is not where the model says");
    }

    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    std::vector<int> model_;
    std::optional<std::size_t> tail_index_;  // where tail_ points; none when it is null
    list_test::FlushRecorder output_{max_output_bytes, 2 * max_steps};
    list_test::CoutRedirect redirect_{&output_};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::size_t allocations_before = allocation_counter::allocations();
    const std::size_t releases_before = allocation_counter::deallocations();
    {
        ByteReader input(data, size);
        Session session;
        for (std::size_t steps = 0; steps < max_steps && !input.empty(); ++steps) {
            session.step(input);
        }
        session.release_all();
    }
    check(
        allocation_counter::allocations() - allocations_before ==
            allocation_counter::deallocations() - releases_before,
        "allocations and releases do not balance");
    return 0;
}
