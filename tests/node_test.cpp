#include "linked_list.hpp"
#include "list_test_support.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <thread>
#include <type_traits>

using namespace list_test;

static_assert(std::is_constructible_v<Node, int>);
static_assert(!std::is_convertible_v<int, Node>, "a node is never made implicitly");
static_assert(!std::is_default_constructible_v<Node>);
static_assert(!std::is_copy_constructible_v<Node> && !std::is_copy_assignable_v<Node>);
static_assert(!std::is_move_constructible_v<Node> && !std::is_move_assignable_v<Node>);
static_assert(std::is_const_v<decltype(Node::data)>, "a node's value never changes");
static_assert(
    std::is_same_v<decltype(Node::next), std::unique_ptr<Node>>, "a node owns its successor");
static_assert(
    sizeof(void*) != 8 || sizeof(Node) == 16,
    "a node is as small as a std::forward_list<int> node");

TEST(Node, IsBuiltAloneWithItsValue)
{
    const CoutCapture quiet;
    const Node node(42);
    EXPECT_EQ(node.data, 42);
    EXPECT_EQ(node.next, nullptr);
}

class NodeRelease : public testing::TestWithParam<int> {};

TEST_P(NodeRelease, WritesOneFlushedLineWithItsValue)
{
    const CoutCapture output;
    delete new Node(GetParam());
    EXPECT_EQ(output.lines(), std::vector<std::string>{release_line(GetParam())});
    EXPECT_EQ(output.unflushed(), "");
}

INSTANTIATE_TEST_SUITE_P(Values, NodeRelease, testing::Values(22, 0, -7, INT_MIN, INT_MAX));

TEST(Node, ReleasesItsChainLastNodeFirst)
{
    const CoutCapture output;
    delete make_chain({10, 1, 32});
    const std::vector<std::string> expected{release_line(32), release_line(1), release_line(10)};
    EXPECT_EQ(output.lines(), expected);
}

namespace {

// Checks, without storing them, that the release lines count down from a
// given value by one per line.
class CountdownChecker : public std::streambuf {
public:
    explicit CountdownChecker(int first_value) : expected_value_(first_value) {}
    [[nodiscard]] int lines() const { return lines_; }
    [[nodiscard]] int mismatches() const { return mismatches_; }

protected:
    int_type overflow(int_type character) override
    {
        line_ += traits_type::to_char_type(character);
        if (line_.back() == '\n') {
            if (line_ != release_line(expected_value_)) {
                ++mismatches_;
            }
            ++lines_;
            --expected_value_;
            line_.clear();
        }
        return character;
    }

private:
    int expected_value_;
    int lines_ = 0;
    int mismatches_ = 0;
    std::string line_;
};

}  // namespace

TEST(Node, ReleasesAMillionNodeChainOnABoundedStack)
{
    constexpr int length = 1'000'000;
    std::unique_ptr<Node> head;
    for (int value = length; value >= 1; --value) {
        auto node = std::make_unique<Node>(value);
        node->next = std::move(head);
        head = std::move(node);
    }

    // A new thread has a small fixed stack (about 1 to 8 MiB), far less than a
    // release that recursed once per node would need.
    CountdownChecker checker(length);
    std::thread releaser([&] {
        const CoutRedirect redirect(&checker);
        head.reset();
    });
    releaser.join();

    EXPECT_EQ(checker.lines(), length);
    EXPECT_EQ(checker.mismatches(), 0);
}
