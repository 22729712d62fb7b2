#pragma once
// The undo history: whole-drawing snapshots as text, oldest first, within a
// capacity counted in characters.
#include <string>
#include <vector>

class CUndoHistory {
public:
    static constexpr std::size_t DEFAULT_LIMIT = 262144;

    void Clear(std::size_t nLimit = DEFAULT_LIMIT);
    // Ends the redo chain, drops the oldest snapshots while the total would
    // exceed the capacity, and appends. A snapshot larger than the capacity is
    // kept alone.
    void Push(std::string snapshot);
    bool CanUndo() const { return m_texts.size() >= 2 && m_nPos > 1; }
    bool CanRedo() const { return m_texts.size() >= 2 && m_nPos < m_texts.size(); }
    // Moves back or forward and answers the snapshot there; null when impossible.
    const std::string* Undo();
    const std::string* Redo();

    std::size_t Count() const { return m_texts.size(); }
    std::size_t Position() const { return m_nPos; } // 1-based; 0 when empty
    std::size_t Limit() const { return m_nLimit; }

private:
    std::vector<std::string> m_texts;
    std::size_t m_nPos = 0;
    std::size_t m_nLimit = DEFAULT_LIMIT;
    std::size_t m_nTotal = 0; // characters held
};
