#include "doc/nets/box_grid.h"

#include <algorithm>
#include <cmath>

namespace {
// A box over more cells than this is looked at by every query instead.
constexpr std::int64_t kMaxCellsPerBox = 64;
} // namespace

CBoxGrid::CBoxGrid(std::vector<CBox> boxes) : m_boxes(std::move(boxes)), m_stamp(m_boxes.size()) {
    // Cells about twice the common box across: most boxes sit in one to four.
    std::vector<double> sides;
    for (const CBox& b : m_boxes)
        sides.push_back(std::max(b.r - b.l, b.b - b.t));
    if (!sides.empty()) {
        std::nth_element(sides.begin(), sides.begin() + sides.size() / 2, sides.end());
        m_dCell = std::max(1.0, 2 * sides[sides.size() / 2]);
    }
    std::vector<std::pair<std::uint64_t, int>> keyed;
    for (int i = 0; i < int(m_boxes.size()); ++i) {
        std::int64_t l, t, r, b;
        Cells(m_boxes[i], l, t, r, b);
        if ((r - l + 1) * (b - t + 1) > kMaxCellsPerBox) {
            m_large.push_back(i);
            continue;
        }
        for (std::int64_t cy = t; cy <= b; ++cy)
            for (std::int64_t cx = l; cx <= r; ++cx)
                keyed.push_back({Key(cx, cy), i});
    }
    std::sort(keyed.begin(), keyed.end());
    m_byCell.reserve(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            m_cells[keyed[i].first] = {int(i), int(i)};
        ++m_cells[keyed[i].first].second;
        m_byCell.push_back(keyed[i].second);
    }
}

void CBoxGrid::Cells(const CBox& box, std::int64_t& l, std::int64_t& t, std::int64_t& r,
                     std::int64_t& b) const {
    auto cell = [this](double v) {
        return std::int64_t(std::floor(std::clamp(v / m_dCell, -2e9, 2e9)));
    };
    l = cell(box.l), t = cell(box.t), r = cell(box.r), b = cell(box.b);
}
