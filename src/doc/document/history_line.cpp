#include "doc/document/history_line.h"

#include <cstring>
#include <new>

CHistoryLine::CHistoryLine(std::string_view text)
    : m_p(new (::operator new(sizeof(CBody) + text.size())) CBody{1, std::uint32_t(text.size())}) {
    if (!text.empty()) std::memcpy(m_p + 1, text.data(), text.size());
}

void CHistoryLine::reset() noexcept {
    if (m_p && --m_p->nHolders == 0) ::operator delete(m_p);
    m_p = nullptr;
}
