#pragma once

// The game's 16-bit signed Integer. Every sum, difference and product is checked:
// a result outside -32768..32767 raises the Overflow error instead of wrapping.

#include "runtimeerror.h"

#include <compare>
#include <cstdint>

namespace platform {

class Integer
{
public:
    static constexpr int Min = -32768;
    static constexpr int Max = 32767;

    constexpr Integer() = default;
    // Converting from a wider value checks the range as an assignment would.
    constexpr Integer(int value) : m_value(checked(value)) {}

    constexpr int value() const { return m_value; }
    constexpr operator int() const { return m_value; }

    // Mixed forms with int keep literals in Integer arithmetic (and so checked)
    // instead of falling back to the built-in int operators.
    friend constexpr Integer operator+(Integer a, Integer b)
    {
        return Integer(a.m_value + b.m_value);
    }
    friend constexpr Integer operator+(Integer a, int b) { return a + Integer(b); }
    friend constexpr Integer operator+(int a, Integer b) { return Integer(a) + b; }
    friend constexpr Integer operator-(Integer a, Integer b)
    {
        return Integer(a.m_value - b.m_value);
    }
    friend constexpr Integer operator-(Integer a, int b) { return a - Integer(b); }
    friend constexpr Integer operator-(int a, Integer b) { return Integer(a) - b; }
    friend constexpr Integer operator*(Integer a, Integer b)
    {
        return Integer(a.m_value * b.m_value);
    }
    friend constexpr Integer operator*(Integer a, int b) { return a * Integer(b); }
    friend constexpr Integer operator*(int a, Integer b) { return Integer(a) * b; }
    constexpr Integer &operator+=(Integer b) { return *this = *this + b; }
    constexpr Integer &operator-=(Integer b) { return *this = *this - b; }

    friend constexpr bool operator==(Integer a, Integer b) = default;
    friend constexpr auto operator<=>(Integer a, Integer b) = default;
    friend constexpr bool operator==(Integer a, int b) { return a.m_value == b; }
    friend constexpr auto operator<=>(Integer a, int b) { return a.m_value <=> b; }

private:
    static constexpr std::int16_t checked(int value)
    {
        if (value < Min || value > Max)
            throw RuntimeError(ErrorNumber::Overflow);
        return static_cast<std::int16_t>(value);
    }

    std::int16_t m_value = 0;
};

} // namespace platform
