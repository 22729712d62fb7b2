#pragma once
// A document's drawing shown in its window: fitted, or at a zoom and origin,
// drawn through the layer walk into an image and repainted from it.
#include "doc/document_observer.h"
#include "view/view_coords.h"

#include <QImage>
#include <QWidget>

#include <functional>

class CSchemoDoc;

class CDrawingWidget final : public QWidget, public IDocumentObserver {
    Q_OBJECT
public:
    CDrawingWidget(CSchemoDoc& doc, QWidget* parent);
    ~CDrawingWidget() override;

    // The whole drawing in the window (an empty drawing at 400 % from the
    // sheet's corner, an empty macro at 800 % around the macro origin).
    void Fit();
    void SetZoom(double dPercent, int nOriginX, int nOriginY);
    void OnDocumentChanged(const CDocChange& change) override;
    // The view's zoom, scroll position, grid, snap and PCB mode.
    const CViewCoords& Coords() const { return m_view; }
    // Called once, after the first complete paint.
    std::function<void()> m_onFirstPaint;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void Render();
    bool Extent(CRect& box);

    CSchemoDoc& m_doc;
    QImage m_image;
    bool m_bDirty = true;
    bool m_bFitted = true;
    bool m_bPainted = false;
    bool m_bExtentKnown = false;
    CRect m_extent;
    CViewCoords m_view;
};
