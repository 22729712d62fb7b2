#include "doc/diff_nearest.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <tuple>

namespace {
int Coord(CPoint p, int axis) {
    return axis ? p.y : p.x;
}

double Distance(CPoint a, CPoint b) {
    const double dx = double(a.x) - b.x, dy = double(a.y) - b.y;
    return dx * dx + dy * dy;
}
} // namespace

CNearestPoints::CNearestPoints(std::vector<CPoint> points)
    : m_points(std::move(points)), m_order(m_points.size()), m_nLeft(m_points.size()),
      m_pos(m_points.size()), m_taken(m_points.size(), 0) {
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = int(i);
    Build(0, m_order.size(), 0);
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_pos[std::size_t(m_order[i])] = i;
}

// Ties on the axis go by index, so that the halves split the range cleanly.
void CNearestPoints::Build(std::size_t lo, std::size_t hi, int axis) {
    if (lo >= hi) return;
    const std::size_t mid = lo + (hi - lo) / 2;
    std::nth_element(m_order.begin() + std::ptrdiff_t(lo), m_order.begin() + std::ptrdiff_t(mid),
                     m_order.begin() + std::ptrdiff_t(hi), [&](int a, int b) {
                         return std::make_pair(Coord(m_points[std::size_t(a)], axis), a) <
                                std::make_pair(Coord(m_points[std::size_t(b)], axis), b);
                     });
    m_nLeft[mid] = hi - lo;
    Build(lo, mid, 1 - axis);
    Build(mid + 1, hi, 1 - axis);
}

// The half beyond the splitting line is looked at while it may hold a point
// as near as the best so far (as near: a lower index wins).
void CNearestPoints::Search(std::size_t lo, std::size_t hi, int axis, CPoint at,
                            CBest& best) const {
    if (lo >= hi) return;
    const std::size_t mid = lo + (hi - lo) / 2;
    if (m_nLeft[mid] == 0) return;
    const int i = m_order[mid];
    const CPoint p = m_points[std::size_t(i)];
    if (!m_taken[std::size_t(i)]) {
        const double d = Distance(at, p);
        if (best.nIndex < 0 || d < best.dDistance || (d == best.dDistance && i < best.nIndex))
            best = {i, d};
    }
    const double across = double(Coord(at, axis)) - Coord(p, axis);
    const bool bLowFirst = across < 0;
    if (bLowFirst)
        Search(lo, mid, 1 - axis, at, best);
    else
        Search(mid + 1, hi, 1 - axis, at, best);
    if (best.nIndex >= 0 && across * across > best.dDistance) return;
    if (bLowFirst)
        Search(mid + 1, hi, 1 - axis, at, best);
    else
        Search(lo, mid, 1 - axis, at, best);
}

int CNearestPoints::Nearest(CPoint at) const {
    CBest best;
    Search(0, m_order.size(), 0, at, best);
    return best.nIndex;
}

void CNearestPoints::Take(int nIndex) {
    if (m_taken[std::size_t(nIndex)]) return;
    m_taken[std::size_t(nIndex)] = 1;
    const std::size_t pos = m_pos[std::size_t(nIndex)];
    for (std::size_t lo = 0, hi = m_order.size(); lo < hi;) {
        const std::size_t mid = lo + (hi - lo) / 2;
        --m_nLeft[mid];
        if (pos == mid) break;
        if (pos < mid)
            hi = mid;
        else
            lo = mid + 1;
    }
}

// Each point of `from` waits in the queue with its nearest partner as last
// found; when that one was taken meanwhile, it looks again, farther.
std::vector<int> PairNearest(const std::vector<CPoint>& from, std::vector<CPoint> to) {
    std::vector<int> partner(from.size(), -1);
    if (to.empty()) return partner;
    CNearestPoints places(std::move(to));
    using Candidate = std::tuple<double, int, int>; // distance, from, to
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<Candidate>> queue;
    const auto offer = [&](int f) {
        const int t = places.Nearest(from[std::size_t(f)]);
        if (t >= 0) queue.emplace(Distance(from[std::size_t(f)], places.Point(t)), f, t);
    };
    for (std::size_t f = 0; f < from.size(); ++f)
        offer(int(f));
    while (!queue.empty()) {
        const auto [d, f, t] = queue.top();
        queue.pop();
        if (places.IsTaken(t)) {
            offer(f);
            continue;
        }
        places.Take(t);
        partner[std::size_t(f)] = t;
    }
    return partner;
}
