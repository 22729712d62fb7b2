#include "qtlayer/qt_glyph_outlines.h"

#include "model/text.h"
#include "qtlayer/qt_fontfaces.h"

#include <QPainterPath>

namespace {
// Curves are flattened this many times finer than a drawing unit.
constexpr double kFine = 16;
} // namespace

// The font of the window at 100 %, one unit a pixel; the cell is placed,
// stretched and mirrored as the vector surface draws it.
std::vector<std::vector<CPointD>> CQtGlyphOutlines::Outlines(const CExtendedText& text) {
    if (text.m_strText.empty()) return {};
    const CMapping unit;
    const CQtFont& font = m_fonts.Get(text.m_font, unit);
    QPainterPath path;
    path.addText(QPointF(0, font.metricsF.ascent()), font.font, DecodeCp1252(text.m_strText));
    const CPoint at = text.m_points[0];
    QTransform xf =
        QTransform::fromScale(font.xScale, 1) * TextTransform(unit, text.m_font, at.x, at.y);
    if (text.m_nStyle & STYLE_MIRRORED) xf = xf * QTransform(-1, 0, 0, 1, 2.0 * at.x, 0);
    std::vector<std::vector<CPointD>> out;
    for (const QPolygonF& poly : path.toSubpathPolygons(xf * QTransform::fromScale(kFine, kFine))) {
        std::vector<CPointD> contour;
        for (const QPointF& p : poly)
            contour.push_back({p.x() / kFine, p.y() / kFine});
        if (contour.size() > 1 && contour.back() == contour.front()) contour.pop_back();
        if (contour.size() >= 2) out.push_back(std::move(contour));
    }
    return out;
}
