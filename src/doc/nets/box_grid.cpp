#include "doc/nets/box_grid.h"

#include <algorithm>
#include <cmath>

namespace {
// A box goes to the finest grid where it covers at most this many cells.
constexpr std::int64_t kMaxCellsPerBox = 16;
constexpr double kCoarser = 8;
constexpr int kLevels = 10;
} // namespace

CBoxGrid::CBoxGrid(std::vector<CBox> boxes) : m_boxes(std::move(boxes)), m_stamp(m_boxes.size()) {
    // The finest cells about twice the common box across.
    std::vector<double> sides;
    for (const CBox& b : m_boxes)
        sides.push_back(std::max(b.r - b.l, b.b - b.t));
    double dCell = 1;
    if (!sides.empty()) {
        std::nth_element(sides.begin(), sides.begin() + sides.size() / 2, sides.end());
        dCell = std::max(1.0, 2 * sides[sides.size() / 2]);
    }
    m_levels.resize(kLevels);
    for (CLevel& g : m_levels)
        g.dCell = dCell, dCell *= kCoarser;
    for (int i = 0; i < int(m_boxes.size()); ++i)
        for (int k = 0; k < kLevels; ++k) {
            std::int64_t l, t, r, b;
            Cells(m_levels[k], m_boxes[i], l, t, r, b);
            if ((r - l + 1) * (b - t + 1) <= kMaxCellsPerBox || k == kLevels - 1) {
                m_levels[k].all.push_back(i);
                break;
            }
        }
    for (CLevel& g : m_levels)
        Fill(g, m_boxes);
    m_levels.erase(std::remove_if(m_levels.begin(), m_levels.end(),
                                  [](const CLevel& g) { return g.all.empty(); }),
                   m_levels.end());
}

void CBoxGrid::Fill(CLevel& g, const std::vector<CBox>& boxes) {
    std::vector<std::pair<std::uint64_t, int>> keyed;
    for (int i : g.all) {
        std::int64_t l, t, r, b;
        Cells(g, boxes[i], l, t, r, b);
        if ((r - l + 1) * (b - t + 1) > kMaxCellsPerBox) {
            g.rest.push_back(i);
            continue;
        }
        for (std::int64_t cy = t; cy <= b; ++cy)
            for (std::int64_t cx = l; cx <= r; ++cx)
                keyed.push_back({Key(cx, cy), i});
    }
    std::sort(keyed.begin(), keyed.end());
    g.byCell.reserve(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            g.cells[keyed[i].first] = {int(i), int(i)};
        ++g.cells[keyed[i].first].second;
        g.byCell.push_back(keyed[i].second);
    }
}

void CBoxGrid::Cells(const CLevel& g, const CBox& box, std::int64_t& l, std::int64_t& t,
                     std::int64_t& r, std::int64_t& b) {
    auto cell = [&g](double v) {
        return std::int64_t(std::floor(std::clamp(v / g.dCell, -2e9, 2e9)));
    };
    l = cell(box.l), t = cell(box.t), r = cell(box.r), b = cell(box.b);
}
