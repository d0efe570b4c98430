// Demonstrates the linked list: builds 10, 22, 32 by tail insertion, inserts 1
// at position 2, prints the list, removes its third element and prints it again.
#include "linked_list.hpp"

#include <cstdlib>
#include <iostream>

int main()
{
    // The first node is reached through the head handle and owns the rest of
    // the list. The three nodes left at the end stay allocated until the
    // process ends, as the demonstration intends: releasing them would print
    // three more release lines.
    Node* head = new Node(10);
    Node* tail = head;

    insert_at_tail(tail, 22);
    insert_at_tail(tail, 32);
    insert_at_postion(head, 1, 2);
    display(head);

    deleteNode(3, head);
    display(head);

    // Every line was flushed as it was written, so a failed write has already
    // left the stream in a failed state by now.
    if (!std::cout) {
        std::cerr << "single_linked_list: writing standard output failed" << std::endl;
        return EXIT_FAILURE;
    }
    return 0;
}
