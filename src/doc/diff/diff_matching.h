#pragma once
// The first step of a comparison: every primitive as the line the writer
// writes, and the lines both drawings hold paired up.
#include "model/primitive.h"

#include <string>
#include <string_view>
#include <vector>

// The lines of a list, each without its last CR LF, kept in one buffer: a
// drawing of 100,000 primitives would otherwise make as many strings.
class CWrittenLines {
  public:
    explicit CWrittenLines(const CPrimitiveList& list);
    std::size_t size() const { return m_ends.size(); }
    // Empty for a primitive that is not written (incomplete).
    std::string_view operator[](std::size_t i) const {
        const std::size_t from = i ? m_ends[i - 1] : 0;
        return std::string_view(m_text).substr(from, m_ends[i] - from);
    }

  private:
    std::string m_text;
    std::vector<std::size_t> m_ends; // one past each line in m_text
};

struct CMatching {
    std::vector<int> newToOld;       // -1: no equal line left in the old drawing
    std::vector<int> removed, added; // left over, in list order
};

// Equal lines pair up first with first, so that duplicates keep their order.
CMatching MatchEqualLines(const CWrittenLines& oldLines, const CWrittenLines& newLines);
