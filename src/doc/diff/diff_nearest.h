#pragma once
// How a comparison pairs the primitives of one shape that moved: moves that
// several share first, then the nearest places, found without measuring
// every pair.
#include "model/geometry.h"

#include <cstddef>
#include <vector>

// Points that can be searched for the nearest one and taken one by one.
class CNearestPoints {
  public:
    explicit CNearestPoints(std::vector<CPoint> points);
    // The index of the point nearest to `at` that is not taken, the lowest
    // index among equally near ones; -1 when every point is taken.
    int Nearest(CPoint at) const;
    void Take(int nIndex);
    void Give(int nIndex); // back, not taken
    bool IsTaken(int nIndex) const { return m_taken[std::size_t(nIndex)] != 0; }
    CPoint Point(int nIndex) const { return m_points[std::size_t(nIndex)]; }

  private:
    struct CBest {
        int nIndex = -1;
        double dDistance = 0; // squared
    };
    struct CBox {
        int x0, y0, x1, y1;
    };
    CBox Build(std::size_t lo, std::size_t hi, int axis);
    void Count(int nIndex, int nChange);
    void Search(std::size_t lo, std::size_t hi, int axis, CPoint at, CBest& best) const;

    std::vector<CPoint> m_points;
    // A k-d tree in place: the middle of each range splits the rest of it,
    // by x and y in turn, and holds the box of the range and how many of it
    // are not taken.
    std::vector<int> m_order;
    std::vector<CBox> m_box;
    std::vector<std::size_t> m_nLeft;
    std::vector<std::size_t> m_pos; // of each point in m_order
    std::vector<char> m_taken;
};

// Pairs points of `from` (where primitives were) with points of `to` (where
// primitives of the same shape are), each point at most once. First the moves
// that two or more pairs share, as a dragged selection makes: each from the
// list order (a drag keeps it) or from the nearest place; then the nearest
// pair of those left, again and again (ties: the lower index in `from`, then
// in `to`), until one side runs out. For each point of `from`, the index of
// its partner in `to`, or -1.
std::vector<int> PairNearest(const std::vector<CPoint>& from, const std::vector<CPoint>& to);
