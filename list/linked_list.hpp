// A singly linked list of integers, held through handles that the caller keeps.
//
// There is no list object: a head handle (a Node* on the first node, null for an
// empty list) and, for appending, a tail handle (a Node* on the last node) belong
// to the caller, who passes them by reference so that the operations can re-point
// them. Positions count the nodes from 1 at the head.
//
// Ownership: each node owns its successor through `next`, so the first node owns
// the whole chain. The handles own nothing; whoever created the first node (or
// received it from insert_at_head) releases the list with `delete head`.
//
// A caller that breaks an operation's precondition (a null tail handle, a
// position out of range, a removal from an empty list) gets no effect at all:
// nothing is allocated, printed or changed. Handles must still point to live
// nodes or be null.
#ifndef LINKED_LIST_HPP
#define LINKED_LIST_HPP

#include <memory>

class Node {
public:
    explicit Node(int value) noexcept : data(value) {}

    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    Node(Node&&) = delete;
    Node& operator=(Node&&) = delete;

    // Releases the chain behind this node first, last node first, then writes
    // " memory is free for node with data <data>" on its own flushed line.
    // The chain is released by a loop, not by recursion, so a chain of any
    // length takes linear time and constant stack.
    ~Node();

    const int data;
    std::unique_ptr<Node> next;
};

// Makes a new node with `value` the first node. An empty list is allowed.
void insert_at_head(Node*& head, int value);

// Links a new node with `value` behind the last node and moves `tail` to it.
// With `tail` on the last node this takes constant time. A `tail` that is no
// longer on the last node (as after insert_at_postion at the end) is walked on
// to the last node first, so no node is ever cut off. A null `tail` does nothing.
void insert_at_tail(Node*& tail, int value);

// Inserts a new node with `value` so that it takes `position` (1 to length + 1);
// the nodes from there on move back one place. Position 1 re-points `head`.
// Any other position does nothing and allocates nothing. No tail handle is
// updated: after an insertion at length + 1 a caller's tail handle is stale.
void insert_at_postion(Node*& head, int value, int position);

// Unlinks the node at `position` (1 to length) and releases it alone, which
// writes its one release line. Position 1 re-points `head` (to null when the
// list had one node). An empty list or any other position does nothing and
// prints nothing. A caller's tail handle on the removed node is left dangling.
void deleteNode(int position, Node*& head);

// Writes each value from the first node to the last, one flushed line each.
// An empty list writes nothing.
void display(Node* const& head);

#endif  // LINKED_LIST_HPP
