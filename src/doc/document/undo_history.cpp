#include "doc/document/undo_history.h"

#include <algorithm>
#include <unordered_map>

namespace {
// A run ends after about one line in 64, chosen by the line's address: a line
// keeps its address while it stays unchanged, so an unchanged stretch of the
// drawing is cut the same way in every state.
bool EndsRun(const void* line) {
    const std::uint64_t h =
        std::uint64_t(reinterpret_cast<std::uintptr_t>(line)) * 0x9E3779B97F4A7C15ull;
    return (h >> 58) == 0;
}

// What the heap holds for a run, bookkeeping included.
constexpr std::size_t SHARED_COUNT_BYTES = 16;
std::size_t RunBytes(std::size_t nLines) {
    return SHARED_COUNT_BYTES + sizeof(std::vector<CHistoryLine>) + nLines * sizeof(CHistoryLine);
}
template <class E> std::size_t EntryBytes(const E& e) {
    return sizeof(E) + e.chunks.capacity() * sizeof(e.chunks[0]);
}
} // namespace

void CUndoHistory::Clear(std::size_t nLimit) {
    m_entries.clear();
    m_nPos = 0;
    m_nBytes = 0;
    m_nLimit = nLimit;
    m_nSavedId = 0;
}

// A run equal to one of the state before is shared; the others are new, and
// so are the lines nobody but the document holds yet.
void CUndoHistory::Push(const std::vector<CHistoryLine>& lines) {
    while (m_entries.size() > m_nPos) {
        Release(m_entries.back());
        m_entries.pop_back();
    }
    std::unordered_map<const void*, const CChunkPtr*> known; // by their first line
    if (m_nPos > 0)
        for (const CChunkPtr& c : m_entries[m_nPos - 1].chunks)
            known.emplace(c->front().Id(), &c);
    CEntry entry{{}, m_nNextId++};
    std::size_t b = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 < lines.size() && !EndsRun(lines[i].Id())) continue;
        const auto it = known.find(lines[b].Id());
        const bool bSame =
            it != known.end() && (*it->second)->size() == i + 1 - b &&
            std::equal((*it->second)->begin(), (*it->second)->end(), lines.begin() + b);
        entry.chunks.push_back(bSame ? *it->second : MakeChunk(lines, b, i + 1));
        b = i + 1;
    }
    entry.chunks.shrink_to_fit();
    m_nBytes += EntryBytes(entry);
    m_entries.push_back(std::move(entry));
    std::size_t nDrop = 0;
    while (m_nBytes > m_nLimit && m_entries.size() - nDrop > MIN_STEPS + 1)
        Release(m_entries[nDrop++]);
    m_entries.erase(m_entries.begin(), m_entries.begin() + std::ptrdiff_t(nDrop));
    m_nPos = m_entries.size();
}

CUndoHistory::CChunkPtr CUndoHistory::MakeChunk(const std::vector<CHistoryLine>& lines,
                                                std::size_t b, std::size_t e) {
    auto chunk = std::make_shared<CChunk>();
    chunk->reserve(e - b);
    for (std::size_t i = b; i < e; ++i) {
        if (lines[i].Holders() == 1) m_nBytes += lines[i].Bytes();
        chunk->push_back(lines[i]);
    }
    m_nBytes += RunBytes(chunk->size());
    return chunk;
}

// Takes off what only this entry held. Each run is let go at once, so that a
// line it shared with a run let go later counts as freed with that one.
void CUndoHistory::Release(CEntry& entry) {
    m_nBytes -= EntryBytes(entry);
    for (CChunkPtr& c : entry.chunks) {
        if (c.use_count() == 1) {
            for (const CHistoryLine& line : *c)
                if (line.Holders() == 1) m_nBytes -= line.Bytes();
            m_nBytes -= RunBytes(c->size());
        }
        c.reset();
    }
}

bool CUndoHistory::Undo() {
    if (!CanUndo()) return false;
    --m_nPos;
    return true;
}

bool CUndoHistory::Redo() {
    if (!CanRedo()) return false;
    ++m_nPos;
    return true;
}

void CUndoHistory::CurrentLineRefs(std::vector<const CHistoryLine*>& out) const {
    out.clear();
    if (m_nPos == 0) return;
    const auto& chunks = m_entries[m_nPos - 1].chunks;
    std::size_t n = 0;
    for (const CChunkPtr& c : chunks)
        n += c->size();
    out.reserve(n);
    for (const CChunkPtr& c : chunks)
        for (const CHistoryLine& line : *c)
            out.push_back(&line);
}

void CUndoHistory::MarkSaved() {
    m_nSavedId = m_nPos > 0 ? m_entries[m_nPos - 1].nId : 0;
}

bool CUndoHistory::IsAtSaved() const {
    return m_nSavedId != 0 && m_nPos > 0 && m_entries[m_nPos - 1].nId == m_nSavedId;
}
