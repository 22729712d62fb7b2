#include "app/drawing_widget.h"

#include "doc/document.h"
#include "doc/layer_walk.h"
#include "doc/regions.h"
#include "doc/settings.h"
#include "qtlayer/qt_surface.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

CDrawingWidget::CDrawingWidget(CSchemoDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_doc.AddObserver(this);
}

CDrawingWidget::~CDrawingWidget() { m_doc.RemoveObserver(this); }

// The box of the drawing, kept until it changes so that a resize fits again
// without walking it. Texts are measured (their bounds are generous); the
// rest is taken from the bounds, which cost nothing to ask.
bool CDrawingWidget::Extent(CRect& box) {
    if (!m_bExtentKnown) {
        m_extent = CRect{0, 0, -1, -1};
        QImage probe(1, 1, QImage::Format_RGB32);
        CQtSurface dc(probe);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt(2500, 2500);
        dc.SetViewportExt(2500, 2500);
        const std::uint32_t key = RegionKeyOf(dc);
        for (const auto& p : m_doc.Primitives()) {
            if (!(p->GetCapabilities() & CAP_TEXT)) {
                GrowRect(m_extent, p->GetBounds());
                continue;
            }
            EnsureRegion(*p, dc, key);
            const CRect r = p->GetRegion()->GetRgnBox();
            if (!r.IsEmpty()) GrowRect(m_extent, CRect{r.left, r.top, r.right - 1, r.bottom - 1});
        }
        m_bExtentKnown = true;
    }
    box = m_extent;
    return HasBounds(box);
}

void CDrawingWidget::Fit() {
    m_bFitted = true;
    m_bDirty = true;
    CRect box;
    if (!Extent(box)) {
        const bool bMacro = m_doc.GetDocKind() == DOC_MACRO;
        m_dZoom = bMacro ? 800 : 400;
        m_nOriginX = m_nOriginY = bMacro ? 90 : 0;
    } else {
        const double w = std::max(1, box.right - box.left + 10), h = std::max(1, box.bottom - box.top + 10);
        m_dZoom = std::clamp(std::min(width() / w, height() / h) * 100, 10.0, 2000.0);
        m_nOriginX = box.left - 5;
        m_nOriginY = box.top - 5;
    }
    update();
}

void CDrawingWidget::SetZoom(double dPercent, int nOriginX, int nOriginY) {
    m_bFitted = false;
    m_dZoom = std::clamp(dPercent, 10.0, 2000.0);
    m_nOriginX = nOriginX;
    m_nOriginY = nOriginY;
    m_bDirty = true;
    update();
}

void CDrawingWidget::OnDocumentChanged(const CDocChange& change) {
    if (change.nKind == DOCCHANGE_MODIFIED) return;
    m_bExtentKnown = false;
    m_bDirty = true;
    update();
}

void CDrawingWidget::resizeEvent(QResizeEvent*) {
    if (m_bFitted) Fit();
    m_bDirty = true;
}

// The surface works in the image's own pixels: the pixel ratio is given to the
// image only once it is drawn, for painting it into the widget.
void CDrawingWidget::Render() {
    const qreal dpr = devicePixelRatioF();
    m_image = QImage(size() * dpr, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    {
        CQtSurface dc(m_image);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt(2500, 2500);
        const int v = int(2500 * m_dZoom / 100 * dpr);
        dc.SetViewportExt(v, v);
        dc.SetWindowOrg(m_nOriginX, m_nOriginY);
        DrawLayers(dc, m_doc.Primitives(), CLayerWalk());
    }
    m_image.setDevicePixelRatio(dpr);
    m_bDirty = false;
}

void CDrawingWidget::paintEvent(QPaintEvent*) {
    if (m_bDirty || m_image.size() != size() * devicePixelRatioF()) Render();
    QPainter(this).drawImage(0, 0, m_image);
    if (!m_bPainted) {
        m_bPainted = true;
        if (m_onFirstPaint) m_onFirstPaint();
    }
}
