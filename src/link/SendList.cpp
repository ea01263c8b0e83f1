#include "SendList.h"

namespace rv::link {

bool SendList::push(const SendListEntry& e) {
    if (full()) return false;
    slots_[static_cast<std::size_t>(ListTail)] = e;
    ListTail = static_cast<Int16>(next(ListTail));
    return true;
}

const SendListEntry& SendList::at(int k) const {
    return slots_[static_cast<std::size_t>((ListHead + k) % Slots)];
}

SendListEntry& SendList::at(int k) {
    return slots_[static_cast<std::size_t>((ListHead + k) % Slots)];
}

void SendList::erase(int k) {
    if (k < 0 || k >= size()) return;
    for (int i = k; i + 1 < size(); ++i)
        at(i) = at(i + 1);
    ListTail = static_cast<Int16>(prev(ListTail));
}

void SendList::pop() {
    if (!empty()) ListHead = static_cast<Int16>(next(ListHead));
}

} // namespace rv::link
