#include "doc/nets/board_outline.h"

#include "model/macro.h"

#include <algorithm>
#include <cmath>
#include <map>

CBoardOutline::CBoardOutline(const CPrimitiveList& list, int nLayer) {
    std::map<std::pair<double, double>, int> ends;
    for (const auto& p : list) {
        const std::size_t nEnds = m_openEnds.size();
        Add(*p, nLayer);
        for (std::size_t i = nEnds; i < m_openEnds.size(); ++i)
            ++ends[m_openEnds[i]];
    }
    // An end counted an even number of times meets another path's.
    m_openEnds.clear();
    for (const auto& [at, n] : ends)
        if (n % 2) m_openEnds.push_back(at);
    MakeRows();
    std::vector<CBox> boxes;
    for (const CSegment& e : m_segments)
        boxes.push_back({std::min(e.a.x, e.b.x), std::min(e.a.y, e.b.y), std::max(e.a.x, e.b.x),
                         std::max(e.a.y, e.b.y)});
    m_grid = CBoxGrid(std::move(boxes));
}

void CBoardOutline::Add(const CPrimitive& p, int nLayer) {
    if (p.GetCapabilities() & CAP_MACRO) {
        for (const auto& c : static_cast<const CMacro&>(p).m_components)
            Add(*c, nLayer);
        return;
    }
    std::vector<CVec> pts;
    bool bClosed = false;
    if (p.GetLayer() != nLayer || !p.IsComplete() || !OutlinePath(p, pts, bClosed)) return;
    m_bDrawn = true;
    for (std::size_t i = 1; i < pts.size(); ++i)
        m_segments.push_back({pts[i - 1], pts[i]});
    if (bClosed)
        m_segments.push_back({pts.back(), pts.front()});
    else if (pts.front().x != pts.back().x || pts.front().y != pts.back().y)
        m_openEnds.push_back({pts.front().x, pts.front().y}),
            m_openEnds.push_back({pts.back().x, pts.back().y});
}

void CBoardOutline::MakeRows() {
    if (m_segments.empty()) return;
    double top = HUGE_VAL, bottom = -HUGE_VAL;
    for (const CSegment& s : m_segments)
        top = std::min({top, s.a.y, s.b.y}), bottom = std::max({bottom, s.a.y, s.b.y});
    const std::size_t nRows = std::max<std::size_t>(1, std::size_t(std::sqrt(m_segments.size())));
    m_dTop = top, m_dRow = std::max(1.0, (bottom - top) / double(nRows));
    m_rows.assign(nRows + 1, {});
    auto row = [&](double y) {
        return std::min(nRows, std::size_t(std::max(0.0, (y - m_dTop) / m_dRow)));
    };
    for (int i = 0; i < int(m_segments.size()); ++i) {
        const CSegment& s = m_segments[i];
        for (std::size_t r = row(std::min(s.a.y, s.b.y)); r <= row(std::max(s.a.y, s.b.y)); ++r)
            m_rows[r].push_back(i);
    }
}

bool CBoardOutline::IsClosed(CVec& openAt) const {
    if (!m_bDrawn) return false;
    if (m_openEnds.empty()) return true;
    openAt = {m_openEnds[0].first, m_openEnds[0].second};
    return false;
}

bool CBoardOutline::Holds(CVec p) const {
    if (m_rows.empty() || p.y < m_dTop) return false;
    const std::size_t r = std::size_t((p.y - m_dTop) / m_dRow);
    if (r >= m_rows.size()) return false;
    bool bIn = false;
    for (int i : m_rows[r]) {
        const CSegment& s = m_segments[i];
        if ((s.a.y > p.y) != (s.b.y > p.y) &&
            p.x < s.a.x + (p.y - s.a.y) * (s.b.x - s.a.x) / (s.b.y - s.a.y))
            bIn = !bIn;
    }
    return bIn;
}

CNearest CBoardOutline::Nearest(const CCopperShape& s, double reach) const {
    CNearest best{HUGE_VAL, {}, {}};
    CCopperShape edge;
    edge.pts.resize(2);
    m_grid.Query({s.l - reach, s.t - reach, s.rt + reach, s.b + reach}, [&](int i) {
        edge.pts[0] = m_segments[i].a, edge.pts[1] = m_segments[i].b;
        const CNearest n = ShapeDistance(s, edge);
        if (n.d < best.d) best = n;
    });
    return best;
}
