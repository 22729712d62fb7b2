#pragma once
// Logical-to-device mapping of a drawing surface: text, isotropic and anisotropic
// modes with window and viewport origins and extents. All products are computed
// in 64 bits and results pinned to 32 bits, so no coordinate from a file overflows.
#include "model/geometry.h"

enum MapMode { MM_TEXT = 1, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };

// v * num / den rounded to the nearest, halves away from zero, when the
// product fits 64 bits (coordinates and extents of 32 bits); else false.
inline bool MapNarrow(std::int64_t v, std::int64_t num, std::int64_t den, std::int64_t& q) {
    constexpr std::int64_t k = std::int64_t(1) << 31;
    if (!(v > -k && v < k && num > -k && num < k && den > 0)) return false;
    const std::int64_t p = v * num, half = den / 2;
    q = p >= 0 ? (p + half) / den : -((-p + half) / den);
    return true;
}

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

    CPoint LPtoDP(CPoint p) const {
        return {MapAxis(p.x, m_winOrg.x, m_vpExt.cx, m_winExt.cx, m_vpOrg.x),
                MapAxis(p.y, m_winOrg.y, m_vpExt.cy, m_winExt.cy, m_vpOrg.y)};
    }
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
    // (v - from) * num / den + to, rounded as Map; inline for the common case,
    // every point drawn goes through it.
    static std::int32_t MapAxis(std::int32_t v, std::int32_t from, std::int32_t num,
                                std::int32_t den, std::int32_t to) {
        const std::int64_t d = std::int64_t(v) - from;
        std::int64_t q;
        if (!MapNarrow(d, num, den, q)) return MapAxisWide(d, num, den, to);
        q += to;
        return q > INT32_MAX ? INT32_MAX : q < INT32_MIN ? INT32_MIN : std::int32_t(q);
    }
    static std::int32_t MapAxisWide(std::int64_t d, std::int64_t num, std::int64_t den,
                                    std::int32_t to);

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
