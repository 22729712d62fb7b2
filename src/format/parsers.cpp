#include "format/parsers.h"

#include "format/scan.h"
#include "model/bezier.h"
#include "model/connection.h"
#include "model/ellipse.h"
#include "model/line.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/poly.h"
#include "model/rectangle.h"
#include "model/text.h"

namespace {
// Reads n points in order; false when a coordinate is missing, and the caller
// refuses the line rather than keep the defaults as if they had been read.
bool ScanPoints(CFieldScanner& sc, CPoint* points, int n) {
    for (int i = 0; i < n; ++i)
        if (!sc.Int(points[i].x) || !sc.Int(points[i].y)) return false;
    return true;
}

void ScanLayer(CFieldScanner& sc, CPrimitive& p) {
    int layer = 0;
    if (sc.Int(layer)) p.SetLayerUnchecked(layer);
}

template <class T> std::unique_ptr<CPrimitive> Accept(std::unique_ptr<T> p) {
    if (!p->IsComplete()) return nullptr;
    p->SaveState();
    return p;
}

// The shared pattern of the commands made of points and a trailing layer.
template <class T> std::unique_ptr<CPrimitive> ParsePoints(std::string_view line, int n) {
    auto p = std::make_unique<T>();
    CFieldScanner sc(AfterKeyword(line));
    if (!ScanPoints(sc, p->m_points, n)) return nullptr;
    ScanLayer(sc, *p);
    return Accept(std::move(p));
}

template <class T>
std::unique_ptr<CPrimitive> ParseFilled(std::string_view line, const char* outline,
                                        const char* filled) {
    const CKeyword k = KeywordOf(line);
    if (k != outline && k != filled) return nullptr;
    auto p = std::make_unique<T>();
    p->m_bFilled = k == filled ? 1 : 0;
    CFieldScanner sc(AfterKeyword(line));
    if (!ScanPoints(sc, p->m_points, 2)) return nullptr;
    ScanLayer(sc, *p);
    return Accept(std::move(p));
}
} // namespace

std::unique_ptr<CPrimitive> ParseLineCommand(std::string_view line) {
    return KeywordOf(line) == "LI" ? ParsePoints<CLine>(line, 2) : nullptr;
}

std::unique_ptr<CPrimitive> ParseConnectionCommand(std::string_view line) {
    return KeywordOf(line) == "SA" ? ParsePoints<CConnection>(line, 1) : nullptr;
}

std::unique_ptr<CPrimitive> ParseBezierCommand(std::string_view line) {
    return KeywordOf(line) == "BE" ? ParsePoints<CBezier>(line, 4) : nullptr;
}

std::unique_ptr<CPrimitive> ParseEllipseCommand(std::string_view line) {
    return ParseFilled<CEllipse>(line, "EV", "EP");
}

std::unique_ptr<CPrimitive> ParseRectangleCommand(std::string_view line) {
    return ParseFilled<CRectangle>(line, "RV", "RP");
}

// Up to ten vertices and a layer. An odd count below 21 means the last number
// was the layer; a line without a single vertex gives no polygon.
std::unique_ptr<CPrimitive> ParsePolyCommand(std::string_view line) {
    const CKeyword k = KeywordOf(line);
    if (k != "PV" && k != "PP") return nullptr;
    int v[2 * MAX_VERTICES + 1];
    CFieldScanner sc(AfterKeyword(line));
    int n = 0;
    while (n < 2 * MAX_VERTICES + 1 && sc.Int(v[n]))
        ++n;
    auto p = std::make_unique<CPoly>();
    p->m_bFilled = k == "PP" ? 1 : 0;
    p->m_nVertices = n / 2;
    if (p->m_nVertices == 0) return nullptr;
    for (int i = 0; i < p->m_nVertices; ++i)
        p->m_points[i] = {v[2 * i], v[2 * i + 1]};
    if (n % 2 == 1) p->SetLayerUnchecked(v[n - 1]);
    return Accept(std::move(p));
}

std::unique_ptr<CPrimitive> ParsePCBLineCommand(std::string_view line) {
    if (KeywordOf(line) != "PL") return nullptr;
    auto p = std::make_unique<CPCBLine>();
    CFieldScanner sc(AfterKeyword(line));
    if (!ScanPoints(sc, p->m_points, 2) || !sc.Int(p->m_nThickness)) return nullptr;
    ScanLayer(sc, *p);
    return Accept(std::move(p));
}

std::unique_ptr<CPrimitive> ParsePCBPadCommand(std::string_view line) {
    if (KeywordOf(line) != "PA") return nullptr;
    auto p = std::make_unique<CPCBPad>();
    CFieldScanner sc(AfterKeyword(line));
    if (!ScanPoints(sc, p->m_points, 1) || !sc.Int(p->m_nSizeX) || !sc.Int(p->m_nSizeY) ||
        !sc.Int(p->m_nHole) || !sc.Int(p->m_nPadStyle))
        return nullptr;
    ScanLayer(sc, *p);
    return Accept(std::move(p));
}

// "TY" is the full form, "TX" the same without layer, "TE" the anchor alone.
std::unique_ptr<CPrimitive> ParseTextCommand(std::string_view line) {
    const CKeyword k = KeywordOf(line);
    if (k != "TY" && k != "TX" && k != "TE") return nullptr;
    auto p = std::make_unique<CExtendedText>();
    const std::string_view rest = AfterKeyword(line);
    CFieldScanner sc(rest);
    int words = 2;
    std::string face;
    if (k == "TE") {
        if (!ScanPoints(sc, p->m_points, 1)) return nullptr;
        p->m_nHeight = 5;
        p->m_nWidth = 3;
        face = "*";
    } else {
        // The face is required too: the text after it may be empty.
        words = k == "TY" ? 8 : 7;
        int layer = 0;
        if (!ScanPoints(sc, p->m_points, 1) || !sc.Int(p->m_nHeight) || !sc.Int(p->m_nWidth) ||
            !sc.Int(p->m_nAngle) || !sc.UInt(p->m_nStyle) || (k == "TY" && !sc.Int(layer)) ||
            !sc.Word(face))
            return nullptr;
        p->SetLayerUnchecked(layer);
    }
    ReplaceAll(face, "++", " ");
    p->m_strFont = face;
    p->m_strText = RestFromToken(rest, words);
    if (!p->IsComplete()) return nullptr;
    p->SaveState();
    p->RebuildFont(100);
    return p;
}
