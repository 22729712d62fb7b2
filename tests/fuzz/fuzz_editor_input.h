#pragma once
// The editor target's input: bytes read as small numbers, points and texts,
// zero once they run out.
#include "model/geometry.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class CInput {
  public:
    CInput(const std::uint8_t* data, std::size_t size) : m_pData(data), m_nSize(size) {}
    bool Done() const { return m_nPos >= m_nSize; }
    int Byte() { return Done() ? 0 : m_pData[m_nPos++]; }
    // 0 to n - 1.
    int Below(int n) { return n <= 0 ? 0 : Byte() % n; }
    int Int16() { return int(std::int16_t(Byte() << 8 | Byte())); }
    // A client point: mostly inside a 1000 x 800 view, sometimes outside it
    // as far as a pointer held captured goes on a wall of screens.
    CPoint Point() {
        if (Byte() < 200) return {Byte() * 4, Byte() * 3};
        return {Int16() / 2, Int16() / 2};
    }
    // A coordinate of a text from elsewhere: small, large or at the ends of
    // the integers.
    long Coordinate() {
        const int nKind = Below(4);
        if (nKind == 0) return Byte() * 10;
        if (nKind == 1) return Int16() * 1000L;
        return Extreme();
    }
    // A short text, a number in text or nothing.
    std::string Text() {
        const int nKind = Below(4);
        if (nKind == 0) return std::to_string(Int16());
        if (nKind == 1)
            return std::to_string(long(Byte() << 24 | Byte() << 16 | Byte() << 8 | Byte()));
        std::string s;
        for (int n = Below(8); n > 0; --n)
            s += char(Byte());
        return s;
    }

  private:
    int Extreme() {
        const int n = Byte();
        return n & 1 ? INT_MAX - (n >> 1) : INT_MIN + (n >> 1);
    }
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};

} // namespace fuzz
