#pragma once
// How a comparison pairs the primitives of one shape that moved: the nearest
// places first, found without measuring every pair.
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
    bool IsTaken(int nIndex) const { return m_taken[std::size_t(nIndex)] != 0; }
    CPoint Point(int nIndex) const { return m_points[std::size_t(nIndex)]; }

  private:
    struct CBest {
        int nIndex = -1;
        double dDistance = 0; // squared
    };
    void Build(std::size_t lo, std::size_t hi, int axis);
    void Search(std::size_t lo, std::size_t hi, int axis, CPoint at, CBest& best) const;

    std::vector<CPoint> m_points;
    // A k-d tree in place: the middle of each range splits the rest of it,
    // by x and y in turn, and holds how many of the range are not taken.
    std::vector<int> m_order;
    std::vector<std::size_t> m_nLeft;
    std::vector<std::size_t> m_pos; // of each point in m_order
    std::vector<char> m_taken;
};

// Pairs each point of `from` with one of `to`, the nearest pair of those left
// first (ties: the lower index in `from`, then in `to`), until one side runs
// out. For each point of `from`, the index of its partner in `to`, or -1.
std::vector<int> PairNearest(const std::vector<CPoint>& from, std::vector<CPoint> to);
