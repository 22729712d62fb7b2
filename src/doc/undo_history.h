#pragma once
// The undo history: whole-drawing snapshots as text, oldest first, within a
// capacity counted in characters. It also remembers which snapshot was saved
// last, so the document can tell whether it stands where it was saved.
#include <cstdint>
#include <string>
#include <vector>

class CUndoHistory {
  public:
    static constexpr std::size_t DEFAULT_LIMIT = 262144;

    // Empties the history; no snapshot counts as saved any more.
    void Clear(std::size_t nLimit = DEFAULT_LIMIT);
    // Ends the redo chain, drops the oldest snapshots while the total would
    // exceed the capacity, and appends. A snapshot larger than the capacity is
    // kept alone.
    void Push(std::string snapshot);
    bool CanUndo() const { return m_entries.size() >= 2 && m_nPos > 1; }
    bool CanRedo() const { return m_entries.size() >= 2 && m_nPos < m_entries.size(); }
    // Moves back or forward and answers the snapshot there; null when impossible.
    const std::string* Undo();
    const std::string* Redo();

    // The current snapshot is the one saved. Once it leaves the history (the
    // capacity drops it, or a new push ends the redo chain it was on) no
    // position is the saved one until the next MarkSaved.
    void MarkSaved();
    bool IsAtSaved() const;

    std::size_t Count() const { return m_entries.size(); }
    std::size_t Position() const { return m_nPos; } // 1-based; 0 when empty
    std::size_t Limit() const { return m_nLimit; }

  private:
    struct CEntry {
        std::string text;
        std::uint64_t nId; // unique for the life of the history, never reused
    };
    std::vector<CEntry> m_entries;
    std::size_t m_nPos = 0;
    std::size_t m_nLimit = DEFAULT_LIMIT;
    std::size_t m_nTotal = 0; // characters held
    std::uint64_t m_nNextId = 1;
    std::uint64_t m_nSavedId = 0; // 0: no snapshot is the saved one
};
