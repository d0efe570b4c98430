// Writes lines through the list: displays a list many times, then releases it,
// so that every line is written and flushed as the list operations do it.
#include "line_workload.hpp"
#include "linked_list.hpp"

int main()
{
    Node* head = new Node(0);
    Node* tail = head;
    for (int value = 1; value < line_workload::length; ++value) {
        insert_at_tail(tail, value);
    }
    for (int repetition = 0; repetition < line_workload::repetitions; ++repetition) {
        display(head);
    }
    delete head;
    return 0;
}
