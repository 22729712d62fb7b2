#pragma once
// Logical-to-device mapping of a drawing surface: text, isotropic and anisotropic
// modes with window and viewport origins and extents. All products are computed
// in 64 bits and results pinned to 32 bits, so no coordinate from a file overflows.
#include "model/geometry.h"

enum MapMode { MM_TEXT = 1, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };

class CMapping {
  public:
    int SetMapMode(int nMode);
    int GetMapMode() const { return m_nMode; }
    CPoint SetWindowOrg(int x, int y);
    CSize SetWindowExt(int cx, int cy);
    CPoint SetViewportOrg(int x, int y);
    CSize SetViewportExt(int cx, int cy);
    CPoint GetWindowOrg() const { return m_winOrg; }
    CSize GetWindowExt() const { return m_winExt; }
    CPoint GetViewportOrg() const { return m_vpOrg; }
    CSize GetViewportExt() const { return m_vpExt; }

    CPoint LPtoDP(CPoint p) const;
    CPoint DPtoLP(CPoint p) const;
    CSize LPtoDP(CSize s) const;
    CSize DPtoLP(CSize s) const;

    // Device units per logical unit on each axis (signed), for pen widths and fonts.
    double ScaleX() const;
    double ScaleY() const;

    // Logical units within which a point lies whenever its device image lies
    // within `pixels` of a device point (rounding included), on each axis.
    CSize LogicalReach(int pixels) const;

  private:
    void AdjustIsotropic();
    void Changed() { m_memo = Memo(); }
    static std::int32_t Map(std::int64_t v, std::int64_t num, std::int64_t den);

    int m_nMode = MM_TEXT;
    CPoint m_winOrg{0, 0}, m_vpOrg{0, 0};
    CSize m_winExt{1, 1}, m_vpExt{1, 1};

    // The last device point converted and the last reach asked for: a pick
    // asks every primitive for the same ones.
    struct Memo {
        bool bPoint = false;
        CPoint device, logical;
        int nReachPixels = -1;
        CSize reach;
    };
    mutable Memo m_memo;
};
