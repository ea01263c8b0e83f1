#pragma once

#include <array>
#include <cstdint>

namespace rv::link {

using Int16 = std::int16_t;

/// Conditions an entry waits for before its frame goes out.
enum Condition : Int16 {
    CondStart = 0,     ///< no reply: a start request (command, TimerSendComm tick, retry)
    CondChained = -76, ///< sent in the same burst right behind the entry before it
    CondAck = 2,       ///< exactly 06
    CondIdent = 3,     ///< 8 bytes beginning "P"
    CondBlock = 4,     ///< the 62-byte tuning block
    CondChannel = 5,   ///< 8 bytes of a test channel
    CondValues = 6,    ///< exactly Param1 bytes
    CondOneValue = 7,  ///< exactly one byte
};

/// Frames an entry sends when its turn comes.
enum Frame : Int16 {
    FrTuning = 1,  ///< "TUNING "
    FrIdent = 2,   ///< 02
    FrAck = 3,     ///< 06
    FrBlock = 4,   ///< 05
    FrChannel = 5, ///< 10
    FrParam = 6,   ///< Param1
    FrSignal = 7,  ///< 11
    FrWide = 8,    ///< 46
    FrNarrow = 9,  ///< 47
    FrSelect = 12, ///< 0D
    FrStore = 13,  ///< 0E
    FrRead = 14,   ///< 07
    FrWrite = 15,  ///< Param1 20 Param2
    FrPoll = 16,   ///< Param1 0A
    FrEnd = 17,    ///< 45
    FrAwait = 67,  ///< nothing: closes a step
    FrLeave = 69,  ///< nothing: ends test mode
};

/// One queued piece of a test-mode command.
struct SendListEntry {
    Int16 Op = 0;
    Int16 Step = 0;
    Int16 Frame = 0;
    Int16 Condition = 0;
    Int16 Threshold = 0; ///< bytes that complete the next reply; 0 = none awaited
    Int16 Param1 = 0;
    Int16 Param2 = 0;
    bool operator==(const SendListEntry&) const = default;
};

/// The ring of 100 entries; one slot stays free, so at most 99 wait at once.
class SendList {
public:
    static constexpr int Slots = 100;

    bool empty() const { return ListHead == ListTail; }
    bool full() const { return next(ListTail) == ListHead; }
    int size() const { return (ListTail - ListHead + Slots) % Slots; }

    /// Appends at the tail; false (and nothing stored) when the ring is full.
    bool push(const SendListEntry& e) {
        if (full()) return false;
        slots_[static_cast<std::size_t>(ListTail)] = e;
        ListTail = static_cast<Int16>(next(ListTail));
        return true;
    }
    const SendListEntry& head() const { return slots_[static_cast<std::size_t>(ListHead)]; }
    /// The waiting entry k places behind the head.
    const SendListEntry& at(int k) const { return slots_[slotOf(k)]; }
    SendListEntry& at(int k) { return slots_[slotOf(k)]; }
    /// Removes the waiting entry k places behind the head; the later ones move up.
    void erase(int k) {
        if (k < 0 || k >= size()) return;
        for (int i = k; i + 1 < size(); ++i)
            at(i) = at(i + 1);
        ListTail = static_cast<Int16>(prev(ListTail));
    }
    void pop() {
        if (!empty()) ListHead = static_cast<Int16>(next(ListHead));
    }
    /// Moves the head back one slot; the entry there is still the one that was sent.
    void stepBack() { ListHead = static_cast<Int16>(prev(ListHead)); }
    void ResetSendList() { ListHead = ListTail = 0; }

    Int16 ListHead = 0;
    Int16 ListTail = 0;

private:
    static int next(int slot) { return slot == Slots - 1 ? 0 : slot + 1; }
    static int prev(int slot) { return slot == 0 ? Slots - 1 : slot - 1; }
    std::size_t slotOf(int k) const { return static_cast<std::size_t>((ListHead + k) % Slots); }
    std::array<SendListEntry, Slots> slots_{};
};

} // namespace rv::link
