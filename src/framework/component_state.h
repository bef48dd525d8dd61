#pragma once
// Set types of the component framework. Each is an enum class whose values
// are single bits; the operators combine them and Contains tests membership.

#include <cstdint>

namespace quendar {

enum class TComponentState : std::uint32_t {
    csNone = 0,
    csLoading = 1u << 0,  // between the start of reading and Loaded
    csReading = 1u << 1,  // while the stream reader sets its properties
    csWriting = 1u << 2,
    csDestroying = 1u << 3,  // from the start of destruction on; never cleared
    csDesigning = 1u << 4,
    csUpdating = 1u << 5,
    csFixups = 1u << 6,  // holds references still to be resolved after reading
    csFreeNotification = 1u << 7,
    csCreating = 1u << 8,  // while its window or children are being created
};

constexpr TComponentState operator|(TComponentState a, TComponentState b) {
    return static_cast<TComponentState>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr TComponentState operator&(TComponentState a, TComponentState b) {
    return static_cast<TComponentState>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
}
constexpr TComponentState operator~(TComponentState a) {
    return static_cast<TComponentState>(~static_cast<std::uint32_t>(a));
}
constexpr TComponentState& operator|=(TComponentState& a, TComponentState b) { return a = a | b; }
constexpr TComponentState& operator&=(TComponentState& a, TComponentState b) { return a = a & b; }
// True when `set` holds any of the flags in `flags`.
constexpr bool Contains(TComponentState set, TComponentState flags) {
    return (set & flags) != TComponentState::csNone;
}

// What a Notification announces about its component.
enum class TOperation { opInsert, opRemove };

}  // namespace quendar
