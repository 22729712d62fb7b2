#include "app/drawing_widget.h"

#include "doc/document.h"
#include "doc/layer_walk.h"
#include "doc/regions.h"
#include "doc/settings.h"
#include "qtlayer/qt_surface.h"
#include "view/view_coords.h"

#include <QPainter>
#include <QResizeEvent>


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
        CViewCoords().PrepareMapping(dc); // texts measured at 100 %
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
    const bool bContent = Extent(box);
    m_view.SetClientSize(width(), height());
    m_view.StartView(m_doc.GetDocKind(), bContent, box);
    update();
}

void CDrawingWidget::SetZoom(double dPercent, int nOriginX, int nOriginY) {
    m_bFitted = false;
    m_view.SetScale(dPercent / 100, false);
    m_view.ScrollTo(nOriginX, nOriginY);
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
        m_view.SetClientSize(width(), height());
        m_view.PrepareMapping(dc, dpr);
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
