#include "doc/export/emf_surface.h"

#include "doc/export/emf_records.h"
#include "model/cp1252.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using emf::CRecord;

namespace {
// Far below the 32-bit size field, so that no length computation can wrap.
constexpr std::uint64_t kMaxRecordBytes = 0x7FFFFFF0;

// .01 mm per device pixel of the reference device, for the frame and for text.
constexpr float kHundredthsPerPixelX = 100.0f * emf::kDeviceMillimetresX / emf::kDevicePixelsX;
constexpr float kHundredthsPerPixelY = 100.0f * emf::kDeviceMillimetresY / emf::kDevicePixelsY;

bool FitsInt16(const CPoint& p) {
    return p.x >= INT16_MIN && p.x <= INT16_MAX && p.y >= INT16_MIN && p.y <= INT16_MAX;
}

// v * num / den rounded half away from zero; den > 0 and |v * num| well inside 64 bits.
std::int64_t RoundDiv(std::int64_t v, std::int64_t num, std::int64_t den) {
    const std::int64_t p = v * num;
    return p >= 0 ? (p + den / 2) / den : -((-p + den / 2) / den);
}

std::int64_t FloorToInt64(double v) {
    if (!(v == v)) return 0;
    return std::int64_t(std::clamp(std::floor(v), -1e15, 1e15));
}

std::int64_t Abs64(std::int32_t v) {
    return std::llabs(std::int64_t(v));
}

CRect PinRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    return {ClampToInt32(l), ClampToInt32(t), ClampToInt32(r), ClampToInt32(b)};
}

std::string SimpleRecord(std::uint32_t type, std::uint32_t value) {
    return CRecord(type).U32(value).Bytes();
}

std::string WorldTransform(float m11, float dx, std::uint32_t mode) {
    CRecord rec(emf::kRecModifyWorldTransform);
    rec.F32(m11).F32(0).F32(0).F32(1).F32(dx).F32(0).U32(mode);
    return rec.Bytes();
}
} // namespace

bool CEmfSurface::PenKey::operator==(const PenKey& o) const {
    if (bNull || o.bNull) return bNull == o.bNull;
    return bGeometric == o.bGeometric && nWidth == o.nWidth && color == o.color;
}

bool CEmfSurface::FontKey::operator==(const FontKey& o) const {
    return nHeight == o.nHeight && nWidth == o.nWidth && nEscapement == o.nEscapement &&
           nWeight == o.nWeight && bItalic == o.bItalic && bUnderline == o.bUnderline &&
           face == o.face;
}

void CEmfSurface::Emit(std::string record) {
    m_body += record;
    ++m_nRecords;
}

void CEmfSurface::SetMode(Mode& mode, std::uint32_t type, std::uint32_t value) {
    if (mode.bKnown && mode.value == value) return;
    Emit(SimpleRecord(type, value));
    mode = {true, value};
}

std::uint32_t CEmfSurface::TakeSlot() {
    for (std::size_t i = 1; i < m_slots.size(); ++i)
        if (!m_slots[i]) {
            m_slots[i] = true;
            return std::uint32_t(i);
        }
    m_slots.push_back(true);
    return std::uint32_t(m_slots.size() - 1);
}

// The new object is selected before the old one is deleted: a selected object
// may not be deleted.
void CEmfSurface::Select(std::uint32_t& current, std::uint32_t next) {
    Emit(SimpleRecord(emf::kRecSelectObject, next));
    if (current != 0 && !emf::IsStock(current)) {
        Emit(SimpleRecord(emf::kRecDeleteObject, current));
        m_slots[current] = false;
    }
    current = next;
}

// A pen a device pixel wide is cosmetic, whatever its logical width.
CEmfSurface::PenKey CEmfSurface::DevicePen() const {
    PenKey key;
    key.bNull = m_pen.bNull;
    if (key.bNull) return key;
    key.color = m_pen.color & 0xFFFFFF;
    if (m_pen.nWidth > 0)
        key.nWidth = ClampToInt32(Abs64(LPtoDP(CSize{m_pen.nWidth, m_pen.nWidth}).cx));
    key.bGeometric = m_pen.bRound && key.nWidth >= 1;
    if (!key.bGeometric && key.nWidth <= 1) key.nWidth = 0;
    return key;
}

std::int64_t CEmfSurface::PenReach() const {
    const PenKey key = DevicePen();
    return key.bNull ? 0 : (std::int64_t(key.nWidth) + 1) / 2;
}

std::string CEmfSurface::PenRecord(std::uint32_t h, const PenKey& key) {
    if (!key.bGeometric) {
        CRecord rec(emf::kRecCreatePen);
        rec.U32(h).U32(emf::kPenSolid).I32(key.nWidth).I32(0).U32(key.color);
        return rec.Bytes();
    }
    const std::uint32_t style =
        emf::kPenGeometric | emf::kPenSolid | emf::kPenEndCapRound | emf::kPenJoinRound;
    CRecord rec(emf::kRecExtCreatePen);
    rec.U32(h).U32(52).U32(0).U32(52).U32(0); // no bitmap: offsets at the end, sizes 0
    rec.U32(style).I32(key.nWidth).U32(emf::kBrushSolid).U32(key.color).U32(0).U32(0);
    return rec.Bytes();
}

void CEmfSurface::SyncPen() {
    const PenKey key = DevicePen();
    if (m_bPenKnown && key == m_penKey) return;
    std::uint32_t h = emf::kStockNullPen;
    if (!key.bNull) {
        h = TakeSlot();
        Emit(PenRecord(h, key));
    }
    Select(m_hPen, h);
    m_penKey = key;
    m_bPenKnown = true;
}

void CEmfSurface::SyncBrush() {
    const BrushKey key{m_brush.bHollow, m_brush.bHollow ? 0 : m_brush.color & 0xFFFFFF};
    if (m_bBrushKnown && key == m_brushKey) return;
    std::uint32_t h = emf::kStockNullBrush;
    if (!key.bHollow) {
        h = TakeSlot();
        CRecord rec(emf::kRecCreateBrushIndirect);
        Emit(rec.U32(h).U32(emf::kBrushSolid).U32(key.color).U32(0).Bytes());
    }
    Select(m_hBrush, h);
    m_brushKey = key;
    m_bBrushKnown = true;
}

CFontSpec CEmfSurface::DeviceFont() const {
    CFontSpec f = m_font;
    f.nHeight = LPtoDP(CSize{0, m_font.nHeight}).cy;
    f.nWidth = LPtoDP(CSize{m_font.nWidth, 0}).cx;
    return f;
}

CEmfSurface::FontKey CEmfSurface::DeviceFontKey() const {
    const CFontSpec f = DeviceFont();
    FontKey key;
    key.nHeight = f.nHeight; // positive asks for the cell height, negative for the glyphs
    key.nWidth = ClampToInt32(Abs64(f.nWidth));
    key.nEscapement = (f.nEscapement % 3600 + 3600) % 3600;
    key.nWeight = std::clamp(f.nWeight, 0, 1000);
    key.bItalic = f.bItalic;
    key.bUnderline = f.bUnderline;
    const bool bDefault = f.face.empty() || f.face == "*";
    key.face = Cp1252ToUtf16(bDefault ? std::string("Courier New") : f.face);
    if (key.face.size() >= emf::kFaceUnits) key.face.resize(emf::kFaceUnits - 1);
    return key;
}

void CEmfSurface::SyncFont() {
    const FontKey key = DeviceFontKey();
    if (m_bFontKnown && key == m_fontKey) return;
    const std::uint32_t h = TakeSlot();
    std::u16string face = key.face;
    face.resize(emf::kFaceUnits, u'\0');
    CRecord rec(emf::kRecExtCreateFontIndirectW);
    rec.U32(h).I32(key.nHeight).I32(key.nWidth).I32(key.nEscapement).I32(key.nEscapement);
    rec.I32(key.nWeight).U8(key.bItalic).U8(key.bUnderline).U8(0).U8(emf::kCharsetAnsi);
    rec.U8(emf::kOutTrueType).U8(emf::kClipAnglesTrueType).U8(emf::kQualityDefault);
    rec.U8(emf::kFixedPitchModern).Text(face);
    Emit(rec.Bytes());
    Select(m_hFont, h);
    m_fontKey = key;
    m_bFontKnown = true;
}

void CEmfSurface::SyncTextState() {
    SyncFont();
    SetMode(m_textAlign, emf::kRecSetTextAlign, emf::kAlignTopLeft);
    SetMode(m_textColor, emf::kRecSetTextColor, m_crText & 0xFFFFFF);
    SetMode(m_bkMode, emf::kRecSetBkMode, m_nBkMode == TRANSPARENT ? TRANSPARENT : OPAQUE);
    if (m_nBkMode != TRANSPARENT) SetMode(m_bkColor, emf::kRecSetBkColor, m_crBk & 0xFFFFFF);
}

void CEmfSurface::PrepareFigure(bool bFilled) {
    const bool bKnownRop = m_nRop >= 1 && m_nRop <= 16;
    SetMode(m_rop, emf::kRecSetRop2, std::uint32_t(bKnownRop ? m_nRop : R2_COPYPEN));
    SyncPen();
    if (bFilled) SyncBrush();
}

void CEmfSurface::AddBounds(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    if (!m_bAnyDrawn) {
        m_boundsL = l, m_boundsT = t, m_boundsR = r, m_boundsB = b;
        m_bAnyDrawn = true;
        return;
    }
    m_boundsL = std::min(m_boundsL, l);
    m_boundsT = std::min(m_boundsT, t);
    m_boundsR = std::max(m_boundsR, r);
    m_boundsB = std::max(m_boundsB, b);
}

// A box's right and bottom edges are not drawn, unless a wide pen reaches them.
void CEmfSurface::AddBox(const CRect& box) {
    const std::int64_t l = std::min(box.left, box.right), r = std::max(box.left, box.right);
    const std::int64_t t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
    const std::int64_t reach = PenReach();
    AddBounds(l - reach, t - reach, std::max(l, r - 1) + reach, std::max(t, b - 1) + reach);
}

CRect CEmfSurface::GetBounds() const {
    if (!m_bAnyDrawn) return {};
    return PinRect(m_boundsL, m_boundsT, m_boundsR, m_boundsB);
}

// Every line moves to its start, even when the last one ended there: readers
// other than Windows move the current position to a polygon's first corner.
void CEmfSurface::DrawLine(CPoint from, CPoint to) {
    const CPoint a = LPtoDP(from), b = LPtoDP(to);
    PrepareFigure(false);
    Emit(CRecord(emf::kRecMoveToEx).Point(a).Bytes());
    Emit(CRecord(emf::kRecLineTo).Point(b).Bytes());
    const std::int64_t reach = PenReach();
    AddBounds(std::int64_t(std::min(a.x, b.x)) - reach, std::int64_t(std::min(a.y, b.y)) - reach,
              std::int64_t(std::max(a.x, b.x)) + reach, std::int64_t(std::max(a.y, b.y)) + reach);
}

void CEmfSurface::SetPixel(int x, int y, COLORREF c) {
    const CPoint p = LPtoDP(CPoint{x, y});
    Emit(CRecord(emf::kRecSetPixelV).Point(p).U32(c & 0xFFFFFF).Bytes());
    AddBounds(p.x, p.y, p.x, p.y);
}

void CEmfSurface::EmitPoly(std::uint32_t type16, std::uint32_t type32, const CPoint* dev,
                           std::size_t n) {
    const bool b16 = std::all_of(dev, dev + n, FitsInt16);
    if (28 + std::uint64_t(n) * (b16 ? 4 : 8) > kMaxRecordBytes) return;
    CRect box{dev[0].x, dev[0].y, dev[0].x, dev[0].y};
    for (std::size_t i = 1; i < n; ++i) {
        box.left = std::min(box.left, dev[i].x);
        box.top = std::min(box.top, dev[i].y);
        box.right = std::max(box.right, dev[i].x);
        box.bottom = std::max(box.bottom, dev[i].y);
    }
    CRecord rec(b16 ? type16 : type32);
    rec.Rect(box).U32(std::uint32_t(n));
    for (std::size_t i = 0; i < n; ++i) {
        if (b16)
            rec.U16(std::uint16_t(dev[i].x)).U16(std::uint16_t(dev[i].y));
        else
            rec.Point(dev[i]);
    }
    Emit(rec.Bytes());
    const std::int64_t reach = PenReach();
    AddBounds(box.left - reach, box.top - reach, box.right + reach, box.bottom + reach);
}

void CEmfSurface::Polygon(const CPoint* pts, int n) {
    if (!pts || n < 2) return;
    std::vector<CPoint> dev(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        dev[std::size_t(i)] = LPtoDP(pts[i]);
    PrepareFigure(true);
    SetMode(m_fillMode, emf::kRecSetPolyFillMode, m_nPolyFillMode == 2 ? 2 : 1);
    EmitPoly(emf::kRecPolygon16, emf::kRecPolygon, dev.data(), dev.size());
}

void CEmfSurface::PolyBezier(const CPoint pts[4]) {
    if (!pts) return;
    CPoint dev[4];
    for (int i = 0; i < 4; ++i)
        dev[i] = LPtoDP(pts[i]);
    PrepareFigure(false);
    EmitPoly(emf::kRecPolyBezier16, emf::kRecPolyBezier, dev, 4);
}

CRect CEmfSurface::DeviceBox(int l, int t, int r, int b) const {
    const CPoint a = LPtoDP(CPoint{l, t}), c = LPtoDP(CPoint{r, b});
    return {a.x, a.y, c.x, c.y};
}

void CEmfSurface::EmitBox(std::uint32_t type, int l, int t, int r, int b) {
    PrepareFigure(true);
    const CRect box = DeviceBox(l, t, r, b);
    Emit(CRecord(type).Rect(box).Bytes());
    AddBox(box);
}

void CEmfSurface::Ellipse(int l, int t, int r, int b) {
    EmitBox(emf::kRecEllipse, l, t, r, b);
}

void CEmfSurface::Rectangle(int l, int t, int r, int b) {
    EmitBox(emf::kRecRectangle, l, t, r, b);
}

void CEmfSurface::RoundRect(int l, int t, int r, int b, int w, int h) {
    PrepareFigure(true);
    const CRect box = DeviceBox(l, t, r, b);
    const CSize corner = LPtoDP(CSize{w, h});
    CRecord rec(emf::kRecRoundRect);
    rec.Rect(box).I32(ClampToInt32(Abs64(corner.cx))).I32(ClampToInt32(Abs64(corner.cy)));
    Emit(rec.Bytes());
    AddBox(box);
}

// An arc whose start and end are the same point is the whole outline.
void CEmfSurface::EllipseOutline(int l, int t, int r, int b) {
    PrepareFigure(false);
    const CRect box = DeviceBox(l, t, r, b);
    const CPoint start{box.right, ClampToInt32((std::int64_t(box.top) + box.bottom) / 2)};
    Emit(CRecord(emf::kRecArc).Rect(box).Point(start).Point(start).Bytes());
    AddBox(box);
}

CSize CEmfSurface::MeasureDevice(const std::string& text) {
    const CFontSpec old = m_measure.SelectFont(DeviceFont());
    const CSize size = m_measure.GetTextExtent(text);
    m_measure.SelectFont(old);
    return {std::max(size.cx, 0), std::max(size.cy, 0)};
}

CSize CEmfSurface::GetTextExtent(const std::string& text) {
    return DPtoLP(MeasureDevice(text));
}

CTextMetrics CEmfSurface::GetTextMetrics() {
    const CFontSpec old = m_measure.SelectFont(DeviceFont());
    const CTextMetrics dev = m_measure.GetTextMetrics();
    m_measure.SelectFont(old);
    CTextMetrics tm;
    tm.nHeight = DPtoLP(CSize{0, dev.nHeight}).cy;
    tm.nAscent = DPtoLP(CSize{0, dev.nAscent}).cy;
    tm.nDescent = DPtoLP(CSize{0, dev.nDescent}).cy;
    tm.nAveCharWidth = DPtoLP(CSize{dev.nAveCharWidth, 0}).cx;
    return tm;
}

// Inclusive device box of the text cell turned by the escapement about `at`.
CEmfSurface::Box64 CEmfSurface::TextBox(CPoint at, CSize extent) const {
    const double a = m_fontKey.nEscapement * 3.14159265358979323846 / 1800.0;
    const double ux = std::cos(a), uy = -std::sin(a), vx = -uy, vy = ux;
    const double w = extent.cx, h = extent.cy;
    const double xs[4] = {0, w * ux, h * vx, w * ux + h * vx};
    const double ys[4] = {0, w * uy, h * vy, w * uy + h * vy};
    const std::int64_t l = FloorToInt64(*std::min_element(xs, xs + 4));
    const std::int64_t t = FloorToInt64(*std::min_element(ys, ys + 4));
    const std::int64_t r = std::max(l, -FloorToInt64(-*std::max_element(xs, xs + 4)) - 1);
    const std::int64_t b = std::max(t, -FloorToInt64(-*std::max_element(ys, ys + 4)) - 1);
    return {at.x + l, at.y + t, at.x + r, at.y + b};
}

std::string CEmfSurface::TextRecord(CPoint at, const std::u16string& units, CSize extent,
                                    std::uint32_t graphicsMode, const CRect& bounds,
                                    const CRect& cell) const {
    const auto n = std::uint32_t(units.size());
    const std::uint32_t offString = 76, offDx = offString + ((2 * n + 3) & ~3u);
    CRecord rec(emf::kRecExtTextOutW);
    rec.Rect(bounds).U32(graphicsMode).F32(kHundredthsPerPixelX).F32(kHundredthsPerPixelY);
    rec.Point(at).U32(n).U32(offString).U32(0).Rect(cell).U32(offDx).Text(units);
    // Each character gets its share of the measured width, so that they add up.
    const std::int64_t w = extent.cx;
    for (std::uint32_t i = 0; i < n; ++i)
        rec.I32(std::int32_t(w * (i + 1) / n - w * i / n));
    return rec.Bytes();
}

// A metafile has no AND mode for text: mirrored glyphs are drawn in the text
// colour, which on the white sheet an export is made for looks the same. The
// transform is reset before the state is restored, for readers that do not
// keep transforms with the saved state.
void CEmfSurface::EmitText(int x, int y, const std::string& text, bool bMirrored) {
    if (text.empty() || 80 + std::uint64_t(text.size()) * 6 > kMaxRecordBytes) return;
    SyncTextState();
    const CPoint at = LPtoDP(CPoint{x, y});
    const CSize extent = MeasureDevice(text);
    const Box64 cell = TextBox(at, extent);
    const std::int64_t twice = 2 * std::int64_t(at.x);
    const Box64 drawn = bMirrored ? Box64{twice - cell.r, cell.t, twice - cell.l, cell.b} : cell;
    if (bMirrored) {
        Emit(CRecord(emf::kRecSaveDc).Bytes());
        Emit(WorldTransform(-1, float(twice), emf::kTransformLeftMultiply));
    }
    Emit(TextRecord(at, Cp1252ToUtf16(text), extent,
                    bMirrored ? emf::kGraphicsAdvanced : emf::kGraphicsCompatible,
                    PinRect(drawn.l, drawn.t, drawn.r, drawn.b),
                    PinRect(cell.l, cell.t, cell.r + 1, cell.b + 1)));
    if (bMirrored) {
        Emit(WorldTransform(1, 0, emf::kTransformIdentity));
        Emit(CRecord(emf::kRecRestoreDc).I32(-1).Bytes());
    }
    AddBounds(drawn.l, drawn.t, drawn.r, drawn.b);
}

void CEmfSurface::TextOut(int x, int y, const std::string& text) {
    EmitText(x, y, text, false);
}

void CEmfSurface::TextOutMirrored(int x, int y, const std::string& text) {
    EmitText(x, y, text, true);
}

std::string CEmfSurface::Header(const std::u16string& description, std::size_t nBodyBytes) const {
    const CRect bounds = GetBounds();
    CRect frame;
    if (m_bAnyDrawn) {
        const auto fx = [](std::int64_t v) {
            return RoundDiv(v, 100 * emf::kDeviceMillimetresX, emf::kDevicePixelsX);
        };
        const auto fy = [](std::int64_t v) {
            return RoundDiv(v, 100 * emf::kDeviceMillimetresY, emf::kDevicePixelsY);
        };
        frame = PinRect(fx(bounds.left), fy(bounds.top), fx(std::int64_t(bounds.right) + 1),
                        fy(std::int64_t(bounds.bottom) + 1));
    }
    const std::uint64_t headerBytes =
        emf::kHeaderFixedSize + ((description.size() * 2 + 3) & ~std::size_t(3));
    CRecord rec(emf::kRecHeader);
    rec.Rect(bounds).Rect(frame).U32(emf::kSignature).U32(emf::kVersion);
    rec.U32(std::uint32_t(headerBytes + nBodyBytes + emf::kEofSize)).U32(m_nRecords + 2);
    rec.U16(std::uint16_t(m_slots.size())).U16(0).U32(std::uint32_t(description.size()));
    rec.U32(description.empty() ? 0 : emf::kHeaderFixedSize).U32(0);
    rec.I32(emf::kDevicePixelsX).I32(emf::kDevicePixelsY);
    rec.I32(emf::kDeviceMillimetresX).I32(emf::kDeviceMillimetresY);
    rec.U32(0).U32(0).U32(0); // no pixel format, no OpenGL
    rec.I32(emf::kDeviceMillimetresX * 1000).I32(emf::kDeviceMillimetresY * 1000);
    return rec.Text(description).Bytes();
}

std::string CEmfSurface::Finish(const std::string& description) const {
    std::string out = Header(Cp1252ToUtf16(description), m_body.size());
    out += m_body;
    out += CRecord(emf::kRecEof).U32(0).U32(16).U32(emf::kEofSize).Bytes();
    return out;
}
