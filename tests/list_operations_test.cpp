#include "allocation_counter.hpp"
#include "linked_list.hpp"
#include "list_test_support.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <vector>

using namespace list_test;
using Values = std::vector<int>;
using Lines = std::vector<std::string>;

namespace {

struct MemoryUse {
    std::size_t allocations;
    std::size_t deallocations;
};

// The allocations and releases that `operation` makes.
template <typename Operation>
MemoryUse memory_use_of(Operation operation)
{
    const std::size_t allocations = allocation_counter::allocations();
    const std::size_t deallocations = allocation_counter::deallocations();
    operation();
    return {
        allocation_counter::allocations() - allocations,
        allocation_counter::deallocations() - deallocations};
}

// Names each case of a table by its `name` field.
constexpr auto case_name = [](const auto& info) { return std::string(info.param.name); };

}  // namespace

TEST(InsertAtHead, MakesTheNewNodeFirst)
{
    OwnedList empty({});
    insert_at_head(empty.head, 7);
    EXPECT_EQ(values_of(empty.head), Values{7});
    EXPECT_EQ(empty.head->next, nullptr);

    OwnedList list({10, 22});
    Node* const former_first = list.head;
    insert_at_head(list.head, 7);
    EXPECT_EQ(values_of(list.head), (Values{7, 10, 22}));
    EXPECT_EQ(list.head->next.get(), former_first);
}

struct InsertAtPositionCase {
    const char* name;
    Values before;
    int value;
    int position;
    Values after;  // equal to `before` when the position is out of range
};

class InsertAtPosition : public testing::TestWithParam<InsertAtPositionCase> {};

TEST_P(InsertAtPosition, PlacesTheValueOrChangesNothing)
{
    const InsertAtPositionCase& test = GetParam();
    OwnedList list(test.before);
    const CoutCapture output;
    const MemoryUse memory =
        memory_use_of([&] { insert_at_postion(list.head, test.value, test.position); });

    EXPECT_EQ(values_of(list.head), test.after);
    EXPECT_EQ(memory.allocations, test.after.size() - test.before.size());
    EXPECT_EQ(memory.deallocations, 0U);
    EXPECT_EQ(output.lines(), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    InsertAtPosition,
    testing::Values(
        InsertAtPositionCase{"FirstOfEmpty", {}, 5, 1, {5}},
        InsertAtPositionCase{"FirstOfThree", {10, 22, 32}, 5, 1, {5, 10, 22, 32}},
        InsertAtPositionCase{"Second", {10, 22, 32}, 1, 2, {10, 1, 22, 32}},
        InsertAtPositionCase{"Third", {10, 22, 32}, 5, 3, {10, 22, 5, 32}},
        InsertAtPositionCase{"AfterTheLast", {10, 22, 32}, 5, 4, {10, 22, 32, 5}},
        InsertAtPositionCase{"SmallestValue", {10, 22, 32}, INT_MIN, 2, {10, INT_MIN, 22, 32}},
        // Out of range: no effect, no allocation.
        InsertAtPositionCase{"PastTheEnd", {10, 22, 32}, 5, 5, {10, 22, 32}},
        InsertAtPositionCase{"Zero", {10, 22, 32}, 5, 0, {10, 22, 32}},
        InsertAtPositionCase{"MinusOne", {10, 22, 32}, 5, -1, {10, 22, 32}},
        InsertAtPositionCase{"SmallestInt", {10, 22, 32}, 5, INT_MIN, {10, 22, 32}},
        InsertAtPositionCase{"LargestInt", {10, 22, 32}, 5, INT_MAX, {10, 22, 32}},
        InsertAtPositionCase{"SecondOfEmpty", {}, 5, 2, {}},
        InsertAtPositionCase{"ZeroOfEmpty", {}, 5, 0, {}},
        InsertAtPositionCase{"SmallestIntOfEmpty", {}, 5, INT_MIN, {}},
        InsertAtPositionCase{"LargestIntOfEmpty", {}, 5, INT_MAX, {}}),
    case_name);

TEST(InsertAtPosition, AtTheEndLeavesTheTailHandleWhereItWas)
{
    OwnedList list({10, 22, 32});
    Node* tail = list.head->next->next.get();
    insert_at_postion(list.head, 5, 4);
    EXPECT_EQ(tail->data, 32);
    EXPECT_EQ(tail->next->data, 5);
}

struct InsertAtTailCase {
    const char* name;
    Values before;
    std::size_t tail_index;  // the node the tail handle is on
    int value;
    Values after;
};

class InsertAtTail : public testing::TestWithParam<InsertAtTailCase> {};

TEST_P(InsertAtTail, AppendsBehindTheLastNodeAndMovesTheTail)
{
    const InsertAtTailCase& test = GetParam();
    OwnedList list(test.before);
    Node* const head = list.head;
    Node* tail = head;
    for (std::size_t step = 0; step < test.tail_index; ++step) {
        tail = tail->next.get();
    }
    const MemoryUse memory = memory_use_of([&] { insert_at_tail(tail, test.value); });

    EXPECT_EQ(values_of(list.head), test.after);
    EXPECT_EQ(list.head, head);
    EXPECT_EQ(memory.allocations, 1U);
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(tail->data, test.value);
    EXPECT_EQ(tail->next, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    InsertAtTail,
    testing::Values(
        InsertAtTailCase{"TailOnTheOnlyNode", {10}, 0, 22, {10, 22}},
        InsertAtTailCase{"TailOnTheLastNode", {10, 22}, 1, 32, {10, 22, 32}},
        // A tail handle left behind the last node is walked on, not cut in.
        InsertAtTailCase{"TailOnAMiddleNode", {10, 22, 32}, 1, 7, {10, 22, 32, 7}},
        InsertAtTailCase{"TailOnTheFirstNode", {10, 22, 32}, 0, 7, {10, 22, 32, 7}}),
    case_name);

TEST(InsertAtTail, AfterAnInsertionAtTheEndKeepsEveryNode)
{
    OwnedList list({10});
    Node* tail = list.head;
    insert_at_tail(tail, 22);
    insert_at_postion(list.head, 5, 3);
    insert_at_tail(tail, 7);
    EXPECT_EQ(values_of(list.head), (Values{10, 22, 5, 7}));
    EXPECT_EQ(tail->data, 7);
}

TEST(InsertAtTail, WithANullTailDoesNothing)
{
    Node* tail = nullptr;
    const MemoryUse memory = memory_use_of([&] { insert_at_tail(tail, 22); });
    EXPECT_EQ(tail, nullptr);
    EXPECT_EQ(memory.allocations, 0U);
}

struct DeleteNodeCase {
    const char* name;
    Values before;
    int position;
    Values after;
    Lines printed;
};

class DeleteNode : public testing::TestWithParam<DeleteNodeCase> {};

TEST_P(DeleteNode, ReleasesExactlyTheNodeAtThePositionOrChangesNothing)
{
    const DeleteNodeCase& test = GetParam();
    OwnedList list(test.before);
    const CoutCapture output;
    const MemoryUse memory = memory_use_of([&] { deleteNode(test.position, list.head); });

    EXPECT_EQ(values_of(list.head), test.after);
    EXPECT_EQ(output.lines(), test.printed);
    EXPECT_EQ(output.unflushed(), "");
    EXPECT_EQ(memory.deallocations, test.before.size() - test.after.size());
    EXPECT_EQ(memory.allocations, 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    DeleteNode,
    testing::Values(
        DeleteNodeCase{"TheOnlyNode", {10}, 1, {}, {release_line(10)}},
        DeleteNodeCase{"TheFirst", {10, 1, 22, 32}, 1, {1, 22, 32}, {release_line(10)}},
        DeleteNodeCase{"TheThird", {10, 1, 22, 32}, 3, {10, 1, 32}, {release_line(22)}},
        DeleteNodeCase{"TheLast", {10, 1, 22, 32}, 4, {10, 1, 22}, {release_line(32)}},
        // Out of range or empty: no effect, nothing printed.
        DeleteNodeCase{"PastTheEnd", {10, 1, 22, 32}, 5, {10, 1, 22, 32}, {}},
        DeleteNodeCase{"Zero", {10, 1, 22, 32}, 0, {10, 1, 22, 32}, {}},
        DeleteNodeCase{"MinusOne", {10, 1, 22, 32}, -1, {10, 1, 22, 32}, {}},
        DeleteNodeCase{"SmallestInt", {10, 1, 22, 32}, INT_MIN, {10, 1, 22, 32}, {}},
        DeleteNodeCase{"LargestInt", {10, 1, 22, 32}, INT_MAX, {10, 1, 22, 32}, {}},
        DeleteNodeCase{"FirstOfEmpty", {}, 1, {}, {}},
        DeleteNodeCase{"ZeroOfEmpty", {}, 0, {}, {}},
        DeleteNodeCase{"SmallestIntOfEmpty", {}, INT_MIN, {}, {}},
        DeleteNodeCase{"LargestIntOfEmpty", {}, INT_MAX, {}, {}}),
    case_name);

struct DisplayCase {
    const char* name;
    Values list;
    Lines printed;
};

class Display : public testing::TestWithParam<DisplayCase> {};

TEST_P(Display, WritesEachValueOnItsOwnFlushedLine)
{
    const DisplayCase& test = GetParam();
    OwnedList list(test.list);
    const CoutCapture output;

    display(list.head);

    EXPECT_EQ(output.lines(), test.printed);
    EXPECT_EQ(output.unflushed(), "");
    EXPECT_EQ(values_of(list.head), test.list);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    Display,
    testing::Values(
        DisplayCase{"Empty", {}, {}},
        DisplayCase{"ThreeValues", {10, 1, 32}, {"10\n", "1\n", "32\n"}},
        DisplayCase{
            "ExtremeValues", {INT_MIN, 0, INT_MAX}, {"-2147483648\n", "0\n", "2147483647\n"}}),
    case_name);
