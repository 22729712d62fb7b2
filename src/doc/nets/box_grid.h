#pragma once
// A grid of square cells over boxes, sized to them, that finds the boxes near
// another without looking at all of them. Boxes covering too many cells are
// kept apart and looked at by every query.
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
        for (int i : m_large)
            once(i);
        std::int64_t l, t, r, b;
        Cells(box, l, t, r, b);
        if ((r - l + 1) * (b - t + 1) > std::int64_t(m_cells.size())) {
            for (int i = 0; i < int(m_boxes.size()); ++i)
                once(i);
            return;
        }
        for (std::int64_t cy = t; cy <= b; ++cy)
            for (std::int64_t cx = l; cx <= r; ++cx) {
                const auto it = m_cells.find(Key(cx, cy));
                if (it == m_cells.end()) continue;
                for (int k = it->second.first; k < it->second.second; ++k)
                    once(m_byCell[k]);
            }
    }

  private:
    static bool Touch(const CBox& a, const CBox& b) {
        return a.l <= b.r && b.l <= a.r && a.t <= b.b && b.t <= a.b;
    }
    static std::uint64_t Key(std::int64_t cx, std::int64_t cy) {
        return (std::uint64_t(std::uint32_t(cx)) << 32) | std::uint32_t(cy);
    }
    void Cells(const CBox& box, std::int64_t& l, std::int64_t& t, std::int64_t& r,
               std::int64_t& b) const;

    std::vector<CBox> m_boxes;
    double m_dCell = 1;
    std::unordered_map<std::uint64_t, std::pair<int, int>> m_cells; // into m_byCell
    std::vector<int> m_byCell;
    std::vector<int> m_large;
    mutable std::vector<std::uint32_t> m_stamp;
    mutable std::uint32_t m_nStamp = 0;
};
