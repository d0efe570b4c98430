#include "linked_list.hpp"

#include <iostream>

Node::~Node()
{
    // Reverse the chain behind this node, then release it from the front of the
    // reversed chain: each node is detached before it is deleted, so no release
    // recurses and the lines still come last node first.
    std::unique_ptr<Node> reversed;
    while (next) {
        std::unique_ptr<Node> following = std::move(next->next);
        next->next = std::move(reversed);
        reversed = std::move(next);
        next = std::move(following);
    }
    while (reversed) {
        // The move takes the successor out before the old front node is deleted.
        reversed = std::move(reversed->next);
    }
    std::cout << " memory is free for node with data " << data << std::endl;
}

namespace {

// The node `steps` links after `node`, or null when the chain ends first.
// Walks at most the length of the chain, whatever `steps` is.
Node* walk(Node* node, int steps)
{
    for (; node != nullptr && steps > 0; --steps) {
        node = node->next.get();
    }
    return node;
}

}  // namespace

void insert_at_head(Node*& head, int value)
{
    auto node = std::make_unique<Node>(value);
    node->next.reset(head);
    head = node.release();
}

void insert_at_tail(Node*& tail, int value)
{
    if (tail == nullptr) {
        return;
    }
    // Allocating before the walk leaves nothing between finding the last node
    // and linking to it, so the link needs no check for a node to release.
    auto node = std::make_unique<Node>(value);
    Node* const appended = node.get();
    while (tail->next) {
        tail = tail->next.get();
    }
    tail->next = std::move(node);
    tail = appended;
}

void insert_at_postion(Node*& head, int value, int position)
{
    if (position == 1) {
        insert_at_head(head, value);
        return;
    }
    if (position < 2) {
        return;
    }
    Node* predecessor = walk(head, position - 2);
    if (predecessor == nullptr) {
        return;
    }
    auto node = std::make_unique<Node>(value);
    node->next = std::move(predecessor->next);
    predecessor->next = std::move(node);
}

void deleteNode(int position, Node*& head)
{
    if (head == nullptr || position < 1) {
        return;
    }
    if (position == 1) {
        // The first node is owned through the head handle itself.
        const std::unique_ptr<Node> removed(head);
        head = removed->next.release();
        return;
    }
    Node* predecessor = walk(head, position - 2);
    if (predecessor == nullptr || !predecessor->next) {
        return;
    }
    // Detach the node from its successor first, so that it is released alone.
    const std::unique_ptr<Node> removed = std::move(predecessor->next);
    predecessor->next = std::move(removed->next);
}

void display(Node* const& head)
{
    for (const Node* node = head; node != nullptr; node = node->next.get()) {
        std::cout << node->data << std::endl;
    }
}
