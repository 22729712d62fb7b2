#include "app/bars/macro_picture.h"

#include "app/frame/program_context.h"
#include "doc/document/settings.h"
#include "doc/scene/layer_walk.h"
#include "format/resolve.h"
#include "model/macro.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kExtent = 1000; // fine steps for a scale below one pixel per unit
constexpr int kMargin = 1;    // pixels left free around the symbol

QImage Render(const std::string& name, const QSize& px) {
    QImage image(px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    auto macro = std::make_unique<CMacro>();
    if (px.isEmpty() || !ResolveMacro(name, *macro, nullptr, nullptr, g_library.context))
        return image;
    macro->m_points[0] = {100, 100};
    macro->PlaceComponents();
    CQtSurface dc(image);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, 1);
    macro->UpdateRegion(dc); // texts measured at one pixel per unit
    // The points' box: the hit region's slack would leave the symbol small.
    CRect box = macro->GetBounds();
    if (!HasBounds(box)) box = macro->GetRegion()->GetRgnBox();
    const double w = std::max(1, box.right - box.left), h = std::max(1, box.bottom - box.top);
    const double scale = std::min((px.width() - 2 * kMargin) / w, (px.height() - 2 * kMargin) / h);
    const int n = std::max(1, int(std::lround(scale * kExtent)));
    dc.SetWindowExt(kExtent, kExtent);
    dc.SetViewportExt(n, n);
    dc.SetWindowOrg((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    dc.SetViewportOrg(px.width() / 2, px.height() / 2);
    CPrimitiveList one;
    one.push_back(std::move(macro));
    DrawLayers(dc, one, CLayerWalk(g_layers));
    return image;
}

// Drawn at the first size asked for in device pixels, and again only for another size.
class CMacroPictureEngine final : public QIconEngine {
  public:
    explicit CMacroPictureEngine(std::string name) : m_strName(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * dpr, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (m_picture.size() != size) m_picture = QPixmap::fromImage(Render(m_strName, size));
        return m_picture;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new CMacroPictureEngine(*this); }
    QString key() const override { return QStringLiteral("tavolin-macro-picture"); }

  private:
    std::string m_strName;
    QPixmap m_picture;
};
} // namespace

QIcon MacroPictureIcon(const std::string& macroName) {
    return QIcon(new CMacroPictureEngine(macroName));
}

QString MacroToolTip(const std::string& key, const std::string& title, const std::string& file) {
    const QString from =
        file.empty() ? QStringLiteral("libreria standard") : QString::fromLocal8Bit(file.c_str());
    return QStringLiteral("Chiave: %1\nTitolo: %2\nFile: %3")
        .arg(DecodeCp1252(key), DecodeCp1252(title), from);
}
