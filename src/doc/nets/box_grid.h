#pragma once
// Grids of square cells over boxes that find the boxes near another without
// looking at all of them. Each box goes to the finest grid where it covers a
// few cells; each grid is eight times coarser than the one before, so large
// boxes among small ones cost no more than the small ones.
#include <cstdint>
#include <unordered_map>
#include <vector>

struct CBox {
    double l = 0, t = 0, r = 0, b = 0;
};

class CBoxGrid {
  public:
    CBoxGrid() = default;
    explicit CBoxGrid(std::vector<CBox> boxes);

    // f(i) once for each box i that touches `box`, in no particular order.
    template <class F> void Query(const CBox& box, F f) const {
        ++m_nStamp;
        auto once = [&](int i) {
            if (m_stamp[i] == m_nStamp) return;
            m_stamp[i] = m_nStamp;
            if (Touch(m_boxes[i], box)) f(i);
        };
        for (const CLevel& g : m_levels) {
            std::int64_t l, t, r, b;
            Cells(g, box, l, t, r, b);
            for (int i : g.rest)
                once(i);
            if ((r - l + 1) * (b - t + 1) > std::int64_t(g.cells.size())) {
                for (int i : g.all)
                    once(i);
                continue;
            }
            for (std::int64_t cy = t; cy <= b; ++cy)
                for (std::int64_t cx = l; cx <= r; ++cx) {
                    const auto it = g.cells.find(Key(cx, cy));
                    if (it == g.cells.end()) continue;
                    for (int k = it->second.first; k < it->second.second; ++k)
                        once(g.byCell[k]);
                }
        }
    }

  private:
    struct CLevel {
        double dCell = 1;
        std::unordered_map<std::uint64_t, std::pair<int, int>> cells; // into byCell
        std::vector<int> byCell;
        std::vector<int> all;  // the boxes of this grid
        std::vector<int> rest; // those too large for even the coarsest cells
    };
    static bool Touch(const CBox& a, const CBox& b) {
        return a.l <= b.r && b.l <= a.r && a.t <= b.b && b.t <= a.b;
    }
    static std::uint64_t Key(std::int64_t cx, std::int64_t cy) {
        return (std::uint64_t(std::uint32_t(cx)) << 32) | std::uint32_t(cy);
    }
    static void Cells(const CLevel& g, const CBox& box, std::int64_t& l, std::int64_t& t,
                      std::int64_t& r, std::int64_t& b);
    static void Fill(CLevel& g, const std::vector<CBox>& boxes);

    std::vector<CBox> m_boxes;
    std::vector<CLevel> m_levels;
    mutable std::vector<std::uint32_t> m_stamp;
    mutable std::uint32_t m_nStamp = 0;
};
