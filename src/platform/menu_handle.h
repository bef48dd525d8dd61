#pragma once
// The handle of a menu: an opaque number, never reused, so a handle kept
// after its menu was destroyed is harmless (IsMenu answers false and every
// call taking it fails without effect).

#include <compare>
#include <cstdint>
#include <functional>

namespace quendar {

class HMENU {
public:
    constexpr HMENU() = default;
    constexpr HMENU(std::nullptr_t) {}
    static constexpr HMENU FromValue(std::uint32_t value) {
        HMENU h;
        h.value_ = value;
        return h;
    }
    constexpr std::uint32_t Value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(HMENU, HMENU) = default;
    friend constexpr auto operator<=>(HMENU, HMENU) = default;

private:
    std::uint32_t value_ = 0;
};

}  // namespace quendar

template <>
struct std::hash<quendar::HMENU> {
    std::size_t operator()(quendar::HMENU h) const noexcept { return std::hash<std::uint32_t>()(h.Value()); }
};
