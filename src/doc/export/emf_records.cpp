#include "doc/export/emf_records.h"

#include <cstring>
#include <limits>

namespace emf {

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
              "metafile floats are IEEE single precision");

CRecord::CRecord(std::uint32_t type) {
    U32(type);
    U32(0);
}

CRecord& CRecord::U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        m_data += static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
}

CRecord& CRecord::U16(std::uint16_t v) {
    m_data += static_cast<char>(v & 0xFF);
    m_data += static_cast<char>(v >> 8);
    return *this;
}

CRecord& CRecord::U8(std::uint8_t v) {
    m_data += static_cast<char>(v);
    return *this;
}

CRecord& CRecord::F32(float v) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return U32(bits);
}

CRecord& CRecord::Text(const std::u16string& s) {
    for (char16_t c : s)
        U16(static_cast<std::uint16_t>(c));
    return Zeros((4 - m_data.size() % 4) % 4);
}

CRecord& CRecord::Zeros(std::size_t n) {
    m_data.append(n, '\0');
    return *this;
}

std::string CRecord::Bytes() {
    Zeros((4 - m_data.size() % 4) % 4);
    const auto size = static_cast<std::uint32_t>(m_data.size());
    for (int i = 0; i < 4; ++i)
        m_data[4 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    return m_data;
}

} // namespace emf
