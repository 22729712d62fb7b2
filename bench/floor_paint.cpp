#include "floor.h"

#include "fixtures.h"
#include "doc/document/settings.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace {
// The view's isotropic mapping of the 2500-unit sheet, rounded as the surface rounds.
constexpr long long kNum = std::min(kViewWidth, kViewHeight);
constexpr long long kDen = 2500;

int Dev(int v) {
    const long long p = v * kNum;
    return int(p >= 0 ? (p + kDen / 2) / kDen : -((-p + kDen / 2) / kDen));
}

QPoint Pt(const int* v) {
    return {Dev(v[0]), Dev(v[1])};
}

class CFloorPainter {
  public:
    explicit CFloorPainter(QPainter& p) : m_p(p) {}
    void Draw(const CFloorItem& it, QRgb c);

  private:
    void Pen(QRgb c, int width = 0) {
        if (c == m_penColor && width == m_penWidth) return;
        m_penColor = c;
        m_penWidth = width;
        m_p.setPen(QPen(QColor(c), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    void Brush(bool filled, QRgb c) {
        const QRgb key = filled ? c : 0xFFFFFFFEu;
        if (key == m_brush) return;
        m_brush = key;
        m_p.setBrush(filled ? QBrush(QColor(c)) : QBrush(Qt::NoBrush));
    }
    void Shape(const CFloorItem& it, QRgb c);
    void Pad(const CFloorItem& it, QRgb c);
    void Text(const CFloorItem& it, QRgb c);

    QPainter& m_p;
    QRgb m_penColor = 0;
    int m_penWidth = -1;
    QRgb m_brush = 0xFFFFFFFFu;
    std::map<std::tuple<int, int, bool>, std::pair<QFont, int>> m_fonts; // with the ascent
};

// Right and bottom edges excluded, as the surface's boxes.
QRect Box(int l, int t, int r, int b) {
    return QRect(std::min(l, r), std::min(t, b), std::abs(r - l), std::abs(b - t));
}

void CFloorPainter::Draw(const CFloorItem& it, QRgb c) {
    const int* v = it.v;
    switch (it.kind) {
    case FK_LINE:
        Pen(c);
        m_p.drawLine(Pt(v), Pt(v + 2));
        break;
    case FK_TRACK:
        Pen(c, std::max(1, Dev(v[4])));
        m_p.drawLine(Pt(v), Pt(v + 2));
        break;
    case FK_PAD:
        Pad(it, c);
        break;
    case FK_TEXT:
        Text(it, c);
        break;
    default:
        Shape(it, c);
        break;
    }
}

void CFloorPainter::Shape(const CFloorItem& it, QRgb c) {
    const int* v = it.v;
    Pen(c);
    Brush(it.filled || it.kind == FK_DOT, c);
    if (it.kind == FK_DOT) {
        m_p.drawEllipse(Box(Dev(v[0] - 1), Dev(v[1] - 1), Dev(v[0] + 1), Dev(v[1] + 1)));
    } else if (it.kind == FK_RECT) {
        m_p.drawRect(Box(Dev(v[0]), Dev(v[1]), Dev(v[2]), Dev(v[3])));
    } else if (it.kind == FK_ELLIPSE) {
        m_p.drawEllipse(Box(Dev(v[0]), Dev(v[1]), Dev(v[2]), Dev(v[3])));
    } else if (it.kind == FK_POLY) {
        QPoint pts[10];
        for (int i = 0; i < it.points; ++i)
            pts[i] = Pt(v + 2 * i);
        m_p.drawPolygon(pts, it.points);
    } else if (it.kind == FK_BEZIER) {
        QPainterPath path(Pt(v));
        path.cubicTo(Pt(v + 2), Pt(v + 4), Pt(v + 6));
        m_p.drawPath(path);
    }
}

void CFloorPainter::Pad(const CFloorItem& it, QRgb c) {
    const int x = it.v[0], y = it.v[1], hx = it.v[2] / 2, hy = it.v[3] / 2, hd = it.v[4] / 2;
    const QRect body = Box(Dev(x - hx), Dev(y - hy), Dev(x + hx), Dev(y + hy));
    Pen(c);
    Brush(true, c);
    if (it.v[5] == 0)
        m_p.drawEllipse(body);
    else if (it.v[5] == 1)
        m_p.drawRect(body);
    else
        m_p.drawRoundedRect(body, Dev(it.v[2]) / 2.0, Dev(it.v[3]) / 2.0);
    Brush(true, qRgb(255, 255, 255));
    m_p.drawEllipse(Box(Dev(x - hd), Dev(y - hd), Dev(x + hd), Dev(y + hd)));
}

// The text's cell: its height in pixels, its characters stretched to its width.
void CFloorPainter::Text(const CFloorItem& it, QRgb c) {
    const int px = std::max(1, Dev(it.v[2])), wpx = std::max(1, Dev(it.v[3]));
    const bool bold = (it.v[5] & 1) != 0;
    auto f = m_fonts.find({px, wpx, bold});
    if (f == m_fonts.end()) {
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
        font.setPixelSize(px);
        font.setBold(bold);
        const int natural = std::max(1, QFontMetrics(font).averageCharWidth());
        font.setStretch(std::clamp(100 * wpx / natural, 1, 4000));
        f = m_fonts
                .emplace(std::make_tuple(px, wpx, bold),
                         std::make_pair(font, QFontMetrics(font).ascent()))
                .first;
    }
    m_p.setFont(f->second.first);
    Pen(c);
    const QString s = QString::fromLatin1(it.text.data(), qsizetype(it.text.size()));
    const QPoint at = Pt(it.v);
    const bool mirrored = (it.v[5] & 4) != 0;
    if (it.v[4] % 360 == 0 && !mirrored) {
        m_p.drawText(at + QPoint(0, f->second.second), s);
        return;
    }
    m_p.save();
    m_p.translate(at);
    if (mirrored) m_p.scale(-1, 1);
    m_p.rotate(-it.v[4]);
    m_p.drawText(QPoint(0, f->second.second), s);
    m_p.restore();
}
} // namespace

void FloorPaint(QImage& image, const CFloorList& items) {
    std::array<std::vector<const CFloorItem*>, NUM_LAYERS> layers;
    for (const CFloorItem& it : items)
        if (it.layer >= 0 && it.layer < NUM_LAYERS) layers[std::size_t(it.layer)].push_back(&it);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    CFloorPainter floor(painter);
    for (int L = 0; L < NUM_LAYERS; ++L) {
        const COLORREF c = BenchProgram().layers.GetColor(L);
        const QRgb rgb = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        for (const CFloorItem* it : layers[std::size_t(L)])
            floor.Draw(*it, rgb);
    }
}
