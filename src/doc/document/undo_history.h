#pragma once
// The undo history: states of the drawing, oldest first, each the sequence of
// its primitives' command lines. The lines are shared with the document and
// between states, and a state is kept as runs of lines cut where the lines
// themselves say, so that a state differing from the one before in a few
// lines costs those lines, the runs that hold them and a short vector. It
// keeps at least the last MIN_STEPS steps and drops older ones only while it
// holds more than its limit in bytes. It also remembers which state was saved
// last, so the document can tell whether it stands where it was saved.
#include "doc/document/history_line.h"

#include <cstdint>
#include <memory>
#include <vector>

class CUndoHistory {
  public:
    static constexpr std::size_t DEFAULT_LIMIT = std::size_t(256) << 20;
    static constexpr std::size_t MIN_STEPS = 100;

    // Empties the history; no state counts as saved any more.
    void Clear(std::size_t nLimit = DEFAULT_LIMIT);
    // Ends the redo chain and appends the state made of these lines, in order.
    void Push(const std::vector<CHistoryLine>& lines);
    bool CanUndo() const { return m_entries.size() >= 2 && m_nPos > 1; }
    bool CanRedo() const { return m_entries.size() >= 2 && m_nPos < m_entries.size(); }
    // Moves back or forward; false when impossible.
    bool Undo();
    bool Redo();
    // The lines of the state at the current position, without a hold on
    // them: valid until the history changes.
    void CurrentLineRefs(std::vector<const CHistoryLine*>& out) const;

    // The current state is the one saved. Once it leaves the history (the
    // limit drops it, or a new push ends the redo chain it was on) no
    // position is the saved one until the next MarkSaved.
    void MarkSaved();
    bool IsAtSaved() const;

    std::size_t Count() const { return m_entries.size(); }
    std::size_t Position() const { return m_nPos; } // 1-based; 0 when empty
    std::size_t Bytes() const { return m_nBytes; }

  private:
    using CChunk = std::vector<CHistoryLine>;
    using CChunkPtr = std::shared_ptr<const CChunk>;
    struct CEntry {
        std::vector<CChunkPtr> chunks;
        std::uint64_t nId; // unique for the life of the history, never reused
    };
    CChunkPtr MakeChunk(const std::vector<CHistoryLine>& lines, std::size_t b, std::size_t e);
    void Release(CEntry& entry);

    std::vector<CEntry> m_entries;
    std::size_t m_nPos = 0;
    std::size_t m_nLimit = DEFAULT_LIMIT;
    std::size_t m_nBytes = 0; // lines and runs held, with their bookkeeping
    std::uint64_t m_nNextId = 1;
    std::uint64_t m_nSavedId = 0; // 0: no state is the saved one
};
