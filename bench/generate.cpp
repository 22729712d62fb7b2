#include "generate.h"

#include "format/component.h"
#include "format/resolve_context.h"
#include "format/stdlib.h"
#include "model/macro.h"
#include "support/recording_surface.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
// Logical units kept free around the miss point, beyond each element's extent:
// wider than the view's 5-pixel pick distance at the fitted scale.
constexpr int kClear = 40;
constexpr int kMax = 2499;

// splitmix64: the same sequence on every platform and library version.
class CRng {
  public:
    explicit CRng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return int(Next() % std::uint64_t(n)); }
    int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }

  private:
    std::uint64_t m_state;
};

struct CBox {
    int l, t, r, b;
};

struct CElement {
    std::string text;
    CBox box;
};

struct CSymbol {
    std::string key;
    int reach; // how far from its origin it reaches, in any orientation
};

// The standard symbols, measured once with fixed text metrics.
const std::vector<CSymbol>& Symbols() {
    static const std::vector<CSymbol> s_symbols = [] {
        std::vector<CSymbol> out;
        CRecordingSurface dc;
        CLibraryState library; // the standard library needs no folders
        for (const std::string& text : StandardLibrary().components) {
            CMacro m;
            std::string key;
            if (!ParseComponent(text, &m, &key, nullptr, nullptr, &library.context) || key.empty())
                continue;
            m.UpdateRegion(dc);
            const CRect b = m.GetRegion()->GetRgnBox();
            const int reach = std::max({std::abs(b.left - 100), std::abs(b.right - 100),
                                        std::abs(b.top - 100), std::abs(b.bottom - 100)});
            out.push_back({key, reach});
        }
        return out;
    }();
    return s_symbols;
}

std::string Format(const char* fmt, ...) {
    char buf[256];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return std::string(buf, std::size_t(std::clamp(n, 0, int(sizeof buf) - 1)));
}

int Clamp(int v) {
    return std::clamp(v, 0, kMax);
}

// Mostly the schematic layer, then the PCB layers; now and then a higher one.
int Layer(CRng& r) {
    const int k = r.Below(100);
    if (k < 55) return 0;
    if (k < 70) return 1;
    if (k < 85) return 2;
    if (k < 97) return 3;
    return r.Range(4, 15);
}

CBox Around(int x, int y, int reach) {
    return {x - reach, y - reach, x + reach, y + reach};
}

CBox Span(int x1, int y1, int x2, int y2, int grow) {
    return {std::min(x1, x2) - grow, std::min(y1, y2) - grow, std::max(x1, x2) + grow,
            std::max(y1, y2) + grow};
}

// A segment, mostly horizontal or vertical as wires are.
void Segment(CRng& r, int maxLen, int p[4]) {
    p[0] = r.Range(20, 2480);
    p[1] = r.Range(20, 2480);
    const int len = r.Range(5, maxLen), dir = r.Below(10);
    const int sign = r.Below(2) ? 1 : -1;
    p[2] = Clamp(p[0] + (dir < 4 ? sign * len : dir < 8 ? 0 : r.Range(-len, len)));
    p[3] = Clamp(p[1] + (dir < 4 ? 0 : dir < 8 ? sign * len : r.Range(-len, len)));
}

CElement Wire(CRng& r) {
    int p[4];
    Segment(r, 80, p);
    const int layer = Layer(r);
    const std::string tail = layer ? Format(" %d", layer) : std::string();
    return {Format("LI %d %d %d %d", p[0], p[1], p[2], p[3]) + tail,
            Span(p[0], p[1], p[2], p[3], 0)};
}

CElement Dot(CRng& r) {
    const int x = r.Range(0, kMax), y = r.Range(0, kMax), layer = Layer(r);
    return {Format("SA %d %d %d", x, y, layer), Around(x, y, 2)};
}

CElement Symbol(CRng& r) {
    const auto& symbols = Symbols();
    const CSymbol& s = symbols[std::size_t(r.Below(int(symbols.size())))];
    const int x = r.Range(60, 2440), y = r.Range(60, 2440);
    const int orientation = r.Below(4), mirror = r.Below(2);
    return {Format("MC %d %d %d %d %s", x, y, orientation, mirror, s.key.c_str()),
            Around(x, y, s.reach)};
}

CElement Text(CRng& r) {
    static const char* const kWords[] = {"R",    "C",   "U",   "Q",   "D",
                                         "NET_", "VCC", "GND", "+5V", "CLK"};
    const std::string word = Format("%s%d", kWords[r.Below(10)], r.Range(1, 999));
    const int x = r.Range(0, 2450), y = r.Range(0, 2450), h = r.Range(5, 16), w = r.Range(3, 8);
    const int a = r.Below(100), angle = a < 75 ? 0 : a < 95 ? 90 : 45;
    const int s = r.Below(100), style = s < 85 ? 0 : s < 95 ? 1 : 4;
    const int reach = (int(word.size()) + 1) * std::max(h, w) * 2;
    return {
        Format("TY %d %d %d %d %d %d %d * %s", x, y, h, w, angle, style, Layer(r), word.c_str()),
        Around(x, y, reach)};
}

CElement Shape(CRng& r, int kind) {
    static const char* const kBoxes[] = {"RV", "RP", "EV", "EP"};
    const int x = r.Range(0, 2400), y = r.Range(0, 2400), layer = Layer(r);
    if (kind < 4) {
        const int x2 = x + r.Range(10, 100), y2 = y + r.Range(10, 100);
        return {Format("%s %d %d %d %d %d", kBoxes[kind], x, y, x2, y2, layer),
                Span(x, y, x2, y2, 0)};
    }
    if (kind == 6) {
        int p[8];
        for (int& v : p)
            v = r.Range(0, 100);
        return {Format("BE %d %d %d %d %d %d %d %d %d", x + p[0], y + p[1], x + p[2], y + p[3],
                       x + p[4], y + p[5], x + p[6], y + p[7], layer),
                Span(x, y, x + 100, y + 100, 0)};
    }
    std::string line = kind == 4 ? "PV" : "PP";
    const int n = r.Range(3, 6);
    for (int i = 0; i < n; ++i)
        line += Format(" %d %d", x + r.Range(0, 100), y + r.Range(0, 100));
    return {line + Format(" %d", layer), Span(x, y, x + 100, y + 100, 0)};
}

CElement Pcb(CRng& r, bool bTrack) {
    if (bTrack) {
        int p[4];
        Segment(r, 150, p);
        const int t = r.Range(2, 10);
        return {Format("PL %d %d %d %d %d %d", p[0], p[1], p[2], p[3], t, Layer(r)),
                Span(p[0], p[1], p[2], p[3], t)};
    }
    const int x = r.Range(20, 2480), y = r.Range(20, 2480);
    const int sx = r.Range(8, 30), sy = r.Range(8, 30), hole = r.Range(2, std::min(sx, sy) - 1);
    return {Format("PA %d %d %d %d %d %d %d", x, y, sx, sy, hole, r.Below(3), Layer(r)),
            Around(x, y, std::max(sx, sy))};
}

bool NearMissPoint(const CBox& b) {
    return b.l - kClear <= kMissX && kMissX <= b.r + kClear && b.t - kClear <= kMissY &&
           kMissY <= b.b + kClear;
}

// One element of the kind drawn by lot, redrawn until it keeps clear of the miss point.
CElement MakeElement(CRng& r, CBenchMix& mix) {
    const int k = r.Below(100);
    const int other = r.Below(9);
    for (;;) {
        CElement e = k < 70      ? Wire(r)
                     : k < 80    ? Dot(r)
                     : k < 90    ? Symbol(r)
                     : k < 95    ? Text(r)
                     : other < 7 ? Shape(r, other)
                                 : Pcb(r, other == 7);
        if (NearMissPoint(e.box)) continue;
        ++(k < 70      ? mix.lines
           : k < 80    ? mix.dots
           : k < 90    ? mix.macros
           : k < 95    ? mix.texts
           : other < 7 ? mix.shapes
                       : mix.pcb);
        return e;
    }
}
} // namespace

std::string GenerateDrawing(std::size_t n, std::uint64_t seed, CBenchMix* mix) {
    CRng r(seed);
    CBenchMix counts;
    std::string out = Format("[TAVOLIN Disegno di prova: %zu elementi, seme %llu]\r\n", n,
                             static_cast<unsigned long long>(seed));
    out.reserve(n * 28);
    for (std::size_t i = 0; i < n; ++i) {
        out += MakeElement(r, counts).text;
        out += "\r\n";
    }
    if (mix) *mix = counts;
    return out;
}

bool WriteDrawing(const std::string& path, std::size_t n, std::uint64_t seed, CBenchMix* mix) {
    const std::string text = GenerateDrawing(n, seed, mix);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}
