#include "doc/diff/diff_matching.h"

#include "format/writer.h"

#include <functional>

CWrittenLines::CWrittenLines(const CPrimitiveList& list) {
    m_text.reserve(list.size() * 28);
    m_ends.reserve(list.size());
    for (const auto& p : list) {
        if (p->IsComplete()) {
            std::string s = FormatPrimitive(*p, false);
            if (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0) s.resize(s.size() - 2);
            m_text += s;
        }
        m_ends.push_back(m_text.size());
    }
}

namespace {
// Open addressing over the old lines: a slot holds one line, the first old
// primitive written so and the next one not yet paired; the others with the
// same line follow in `m_next`.
class CLineTable {
  public:
    explicit CLineTable(const CWrittenLines& lines) : m_lines(lines), m_next(lines.size(), -1) {
        std::size_t cap = 16;
        while (cap < 2 * lines.size())
            cap *= 2;
        m_mask = cap - 1;
        m_first.assign(cap, -1);
        m_free.assign(cap, -1);
        m_last.assign(cap, -1);
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (!lines[i].empty()) Add(int(i));
    }
    // The next old primitive with this line not yet paired, or -1.
    int Take(std::string_view line) {
        const std::size_t s = Slot(line);
        const int o = m_free[s];
        if (o >= 0) m_free[s] = m_next[std::size_t(o)];
        return o;
    }

  private:
    std::size_t Slot(std::string_view line) const {
        std::size_t s = std::hash<std::string_view>()(line) & m_mask;
        while (m_first[s] >= 0 && m_lines[std::size_t(m_first[s])] != line)
            s = (s + 1) & m_mask;
        return s;
    }
    void Add(int i) {
        const std::size_t s = Slot(m_lines[std::size_t(i)]);
        if (m_first[s] < 0)
            m_first[s] = m_free[s] = i;
        else
            m_next[std::size_t(m_last[s])] = i;
        m_last[s] = i;
    }

    const CWrittenLines& m_lines;
    std::vector<int> m_next;
    std::vector<int> m_first, m_free, m_last; // per slot
    std::size_t m_mask = 0;
};
} // namespace

CMatching MatchEqualLines(const CWrittenLines& oldLines, const CWrittenLines& newLines) {
    CLineTable table(oldLines);
    CMatching m;
    m.newToOld.assign(newLines.size(), -1);
    std::vector<char> taken(oldLines.size(), 0);
    for (std::size_t i = 0; i < newLines.size(); ++i) {
        if (newLines[i].empty()) continue;
        const int o = table.Take(newLines[i]);
        if (o < 0) {
            m.added.push_back(int(i));
            continue;
        }
        m.newToOld[i] = o;
        taken[std::size_t(o)] = 1;
    }
    for (std::size_t i = 0; i < oldLines.size(); ++i)
        if (!taken[i] && !oldLines[i].empty()) m.removed.push_back(int(i));
    return m;
}
