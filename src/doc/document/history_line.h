#pragma once
// A command line shared by the document and the states of the undo history:
// one block with the count of its holders, its length and its text, so that a
// line costs little more than its text. The history lives on one thread, so
// the count is plain.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

class CHistoryLine {
  public:
    CHistoryLine() = default;
    explicit CHistoryLine(std::string_view text);
    CHistoryLine(const CHistoryLine& o) noexcept : m_p(o.m_p) {
        if (m_p) ++m_p->nHolders;
    }
    CHistoryLine(CHistoryLine&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    CHistoryLine& operator=(CHistoryLine o) noexcept {
        std::swap(m_p, o.m_p);
        return *this;
    }
    ~CHistoryLine() { reset(); }
    void reset() noexcept;

    explicit operator bool() const { return m_p != nullptr; }
    // The same for every holder of one line, different for lines alive together.
    const void* Id() const { return m_p; }
    std::string_view Text() const {
        return m_p ? std::string_view(reinterpret_cast<const char*>(m_p + 1), m_p->nSize)
                   : std::string_view();
    }
    std::uint32_t Holders() const { return m_p ? m_p->nHolders : 0; }
    // The heap the line takes, the allocator's own share guessed.
    std::size_t Bytes() const { return m_p ? sizeof(CBody) + m_p->nSize + 8 : 0; }
    friend bool operator==(const CHistoryLine& a, const CHistoryLine& b) { return a.m_p == b.m_p; }

  private:
    struct CBody {
        std::uint32_t nHolders;
        std::uint32_t nSize; // the text follows
    };
    CBody* m_p = nullptr;
};
