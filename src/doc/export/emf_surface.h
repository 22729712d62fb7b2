#pragma once
// A surface that records what is drawn on it as an enhanced metafile, in device
// coordinates. Pens, brushes, fonts and modes are written only when a figure
// needs them and they differ from what the metafile already has selected.
// Text is measured on another surface, since a metafile has no fonts of its own.
#include "model/surface.h"

#include <cstdint>
#include <string>
#include <vector>

class CEmfSurface final : public CSurface {
  public:
    // `measure` answers the text questions; it must have an identity mapping
    // and outlive this surface.
    explicit CEmfSurface(CSurface& measure) : m_measure(measure) {}

    void DrawLine(CPoint from, CPoint to) override;
    void SetPixel(int x, int y, COLORREF c) override;
    void Polygon(const CPoint* pts, int n) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Rectangle(int l, int t, int r, int b) override;
    void RoundRect(int l, int t, int r, int b, int w, int h) override;
    void PolyBezier(const CPoint pts[4]) override;
    void EllipseOutline(int l, int t, int r, int b) override;

    CSize GetTextExtent(const std::string& text) override;
    CTextMetrics GetTextMetrics() override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutMirrored(int x, int y, const std::string& text) override;

    // The whole file: header, every record so far, end record. `description`
    // is the header's description as Windows-1252 bytes, its NULs included.
    std::string Finish(const std::string& description) const;
    // Inclusive device bounds of everything drawn; all zero when nothing was.
    CRect GetBounds() const;

  private:
    struct PenKey {
        bool bNull = false, bGeometric = false;
        std::int32_t nWidth = 0;
        COLORREF color = 0;
        bool operator==(const PenKey& o) const;
    };
    struct BrushKey {
        bool bHollow = true;
        COLORREF color = 0;
        bool operator==(const BrushKey& o) const {
            return bHollow == o.bHollow && color == o.color;
        }
    };
    struct FontKey {
        std::int32_t nHeight = 0, nWidth = 0, nEscapement = 0, nWeight = 0;
        bool bItalic = false, bUnderline = false;
        std::u16string face;
        bool operator==(const FontKey& o) const;
    };
    // A mode as the metafile last set it; unknown until first written.
    struct Mode {
        bool bKnown = false;
        std::uint32_t value = 0;
    };

    struct Box64 {
        std::int64_t l, t, r, b;
    };

    void Emit(std::string record);
    void SetMode(Mode& mode, std::uint32_t type, std::uint32_t value);
    std::uint32_t TakeSlot();
    void Select(std::uint32_t& current, std::uint32_t next);
    PenKey DevicePen() const;
    std::int64_t PenReach() const;
    static std::string PenRecord(std::uint32_t h, const PenKey& key);
    void SyncPen();
    void SyncBrush();
    CFontSpec DeviceFont() const;
    FontKey DeviceFontKey() const;
    void SyncFont();
    void SyncTextState();
    void PrepareFigure(bool bFilled);

    void AddBounds(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b);
    void AddBox(const CRect& box);
    CRect DeviceBox(int l, int t, int r, int b) const;
    void EmitBox(std::uint32_t type, int l, int t, int r, int b);
    void EmitPoly(std::uint32_t type16, std::uint32_t type32, const CPoint* dev, std::size_t n);

    CSize MeasureDevice(const std::string& text);
    Box64 TextBox(CPoint at, CSize extent) const;
    std::string TextRecord(CPoint at, const std::u16string& units, CSize extent,
                           std::uint32_t graphicsMode, const CRect& bounds,
                           const CRect& cell) const;
    void EmitText(int x, int y, const std::string& text, bool bMirrored);
    std::string Header(const std::u16string& description, std::size_t nBodyBytes) const;

    CSurface& m_measure;
    std::string m_body;
    std::uint32_t m_nRecords = 0;
    std::vector<bool> m_slots{true}; // slot 0 stands for the metafile itself
    std::uint32_t m_hPen = 0, m_hBrush = 0, m_hFont = 0;
    bool m_bPenKnown = false, m_bBrushKnown = false, m_bFontKnown = false;
    PenKey m_penKey;
    BrushKey m_brushKey;
    FontKey m_fontKey;
    Mode m_rop, m_fillMode, m_bkMode, m_textColor, m_bkColor, m_textAlign;
    bool m_bAnyDrawn = false;
    std::int64_t m_boundsL = 0, m_boundsT = 0, m_boundsR = 0, m_boundsB = 0;
};
