// What the editor's window does on the 100,000-element drawing: its picture
// after a zoom step, a scroll and a small change (the tiled scene the window
// keeps), one step of a drag with the overlay composed over it, a click that
// picks with the repaint it causes, and select all + turn + undo snapshot.
#include "benches.h"
#include "fixtures.h"

#include "doc/document/settings.h"
#include "doc/scene/spatial_index.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_view_render.h"
#include "view/commands/commands.h"
#include "view/commands/edit_commands.h"
#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"
#include "view/viewport/view_paint.h"

#include <QPainter>

#include <memory>

namespace {
// The window's side, doing what the window does: the overlay's rectangle is
// remembered for the repaint, and nothing else costs.
class CBenchHost final : public IViewHost {
public:
    CBenchHost() : m_dc(m_probe) {}
    int CurrentTool() const override { return TOOL_SELECT; }
    int CurrentLayer() const override { return 0; }
    std::string SelectedMacro() const override { return {}; }
    void EscapeTool() override {}
    void SetCapture(bool) override {}
    void SetCursor(int) override {}
    void Beep() override {}
    void SetStatusText(const std::string&) override {}
    CSurface& MeasureSurface() override { return m_dc; }
    void InvalidateOverlay(const CRect& rc) override { GrowRect(m_rcOverlay, rc); }
    void ViewMoved(bool) override {}
    void StartTimer(int) override {}
    void StopTimer() override {}
    CPoint PointerPosition() const override { return {0, 0}; }
    bool RunPropertyDialog() override { return false; }
    void ShowContextMenu(CPoint) override {}
    void RunCommand(int) override {}
    CRect m_rcOverlay{0, 0, -1, -1};

private:
    QImage m_probe{1, 1, QImage::Format_RGB32};
    CQtSurface m_dc;
};

QRect DeviceRect(const CViewCoords& v, const CRect& rc) {
    const CRect d = DeviceRectOf(v, 1.0, rc, 2);
    return QRect(d.left, d.top, d.right - d.left, d.bottom - d.top).intersected(QRect(0, 0, kViewWidth, kViewHeight));
}

// The window's paint of a rectangle: the scene copied, then marks and overlay.
void Compose(QImage& frame, const QImage& scene, const QRect& rc, const CViewCoords& v,
             CSchemoDoc& doc, CViewController& ctl) {
    {
        QPainter copy(&frame);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(rc.topLeft(), scene, rc);
    }
    PaintViewMarks(frame, rc, v, 1.0, doc.Selection(), BenchProgram().layers);
    CQtSurface dc(frame);
    ctl.DrawOverlay(dc, 1.0);
}

// A device point on the primitive, for pressing on it.
CPoint On(const CViewCoords& v, const CPrimitive* p) { return v.LPtoDP(p->GetPoint(0)); }

// nSelected primitives near the middle of the sheet, selected; the press goes on the first.
CPrimitive* SelectNear(CSchemoDoc& doc, const CSpatialIndex& index, std::size_t nSelected) {
    std::vector<CPrimitive*> near;
    for (int r = 20; near.size() < nSelected && r < 1250; r *= 2) {
        near.clear();
        index.Query(CRect{1250 - r, 1250 - r, 1250 + r, 1250 + r}, 0, 0, near);
    }
    near.erase(std::remove_if(near.begin(), near.end(),
                              [](CPrimitive* p) { return p->GetPointCount() < 1 || (p->GetCapabilities() & CAP_MACRO); }),
               near.end());
    near.resize(std::min(near.size(), nSelected));
    doc.ClearSelection();
    for (CPrimitive* p : near) doc.Select(p, true);
    return near.empty() ? nullptr : near.front();
}

void DragStep(benchmark::State& state, std::size_t n, std::size_t nSelected) {
    CSchemoDoc& doc = LoadedDocument(n);
    CSpatialIndex& index = EditorIndex(n);
    CViewCoords v = ViewAt(400, {1100, 1150});
    QImage scene(kViewWidth, kViewHeight, QImage::Format_RGB32), frame = scene;
    PaintViewScene(scene, scene.rect(), v, 1.0, index, BenchProgram().layers);
    CBenchHost host;
    CViewController ctl(doc, v, index, host, {BenchProgram().layers, BenchProgram().settings, {}});
    CPrimitive* first = SelectNear(doc, index, nSelected);
    if (!first) return state.SkipWithError("nothing to drag");
    const CPoint at = On(v, first);
    ctl.OnLButtonDown(CMouseInput{at});
    ctl.OnMouseMove(CMouseInput{{at.x + 20, at.y}}); // the selection leaves the drawing
    PaintViewScene(scene, scene.rect(), v, 1.0, index, BenchProgram().layers);
    COpMemory m;
    int step = 0;
    for (auto _ : state) {
        const int dx = (++step % 2) ? 40 : 20;
        state.SetIterationTime(TimeOp(m, [&] {
            host.m_rcOverlay = CRect{0, 0, -1, -1};
            ctl.OnMouseMove(CMouseInput{{at.x + dx, at.y + 20}});
            Compose(frame, scene, DeviceRect(v, host.m_rcOverlay), v, doc, ctl);
        }));
    }
    ctl.CancelDrag();
    doc.ClearSelection();
    ReportMemory(state, m);
    state.counters["selected"] = double(doc.Selection().size() + nSelected);
}
} // namespace

// The window after one zoom step from the fitted view: the whole 1920 x 1080
// scene with its grid, in tiles.
void BenchViewZoom(benchmark::State& state, std::size_t n) {
    CSpatialIndex& index = EditorIndex(n);
    const double dZoom = 100.0 * kViewHeight / 2500 * 1.3;
    const int w = int(kViewWidth * 100 / dZoom), h = int(kViewHeight * 100 / dZoom);
    const CViewCoords v = ViewAt(dZoom, {1250 - w / 2, 1250 - h / 2});
    QImage scene(kViewWidth, kViewHeight, QImage::Format_RGB32);
    COpMemory m;
    for (auto _ : state)
        state.SetIterationTime(TimeOp(
            m, [&] { PaintViewScene(scene, scene.rect(), v, 1.0, index, BenchProgram().layers); }));
    ReportMemory(state, m);
}

// At 400 %, a scroll by a tenth of the window's width: the picture slides and
// the uncovered strip is drawn.
void BenchViewScroll(benchmark::State& state, std::size_t n) {
    CSpatialIndex& index = EditorIndex(n);
    CViewCoords v = ViewAt(400, {1000, 1000});
    QImage scene(kViewWidth, kViewHeight, QImage::Format_RGB32);
    COpMemory m;
    const int dx = kViewWidth / 10;
    for (auto _ : state) {
        v.ScrollTo(1000, 1000);
        PaintViewScene(scene, scene.rect(), v, 1.0, index, BenchProgram().layers);
        v.ScrollTo(1000 + dx / 4, 1000);
        state.SetIterationTime(TimeOp(m, [&] {
            ShiftImage(scene, -dx, 0);
            PaintViewScene(scene, QRect(kViewWidth - dx, 0, dx, kViewHeight), v, 1.0, index,
                           BenchProgram().layers);
        }));
    }
    ReportMemory(state, m);
}

// At 400 %, a change within 200 x 200 pixels where the drawing is dense.
void BenchViewChange(benchmark::State& state, std::size_t n) {
    CSpatialIndex& index = EditorIndex(n);
    const CViewCoords v = ViewAt(400, {1100, 1150});
    QImage scene(kViewWidth, kViewHeight, QImage::Format_RGB32);
    COpMemory m;
    for (auto _ : state)
        state.SetIterationTime(TimeOp(m, [&] {
            PaintViewScene(scene, QRect(600, 400, 200, 200), v, 1.0, index, BenchProgram().layers);
        }));
    ReportMemory(state, m);
}

void BenchDragStep1(benchmark::State& state, std::size_t n) { DragStep(state, n, 1); }
void BenchDragStep1000(benchmark::State& state, std::size_t n) { DragStep(state, n, 1000); }

// A click on a primitive with the select tool, then the repaint of what its
// selection changed (the last one's deselection and its own).
void BenchClickPick(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    CSpatialIndex& index = EditorIndex(n);
    CViewCoords v = ViewAt(400, {1100, 1150});
    QImage scene(kViewWidth, kViewHeight, QImage::Format_RGB32);
    PaintViewScene(scene, scene.rect(), v, 1.0, index, BenchProgram().layers);
    CBenchHost host;
    CViewController ctl(doc, v, index, host, {BenchProgram().layers, BenchProgram().settings, {}});
    std::vector<CPrimitive*> near;
    index.Query(CRect{1150, 1200, 1300, 1300}, 0, 0, near);
    std::vector<CPoint> clicks;
    for (CPrimitive* p : near)
        if (p->GetPointCount() >= 2 && !(p->GetCapabilities() & CAP_MACRO) && clicks.size() < 2)
            clicks.push_back(On(v, p));
    if (clicks.size() < 2) return state.SkipWithError("nothing to click");
    struct CRepaint final : IDocumentObserver {
        CRect rc{0, 0, -1, -1};
        void OnDocumentChanged(const CDocChange& c) override {
            if (c.bBefore) GrowRect(rc, c.rcBefore);
            if (c.bAfter) GrowRect(rc, c.rcAfter);
        }
    } repaint;
    doc.AddObserver(&repaint);
    COpMemory m;
    int i = 0;
    for (auto _ : state) {
        const CMouseInput in{clicks[++i % 2]};
        repaint.rc = CRect{0, 0, -1, -1};
        state.SetIterationTime(TimeOp(m, [&] {
            ctl.OnLButtonDown(in);
            ctl.OnLButtonUp(in);
            if (HasBounds(repaint.rc))
                PaintViewScene(scene, DeviceRect(v, repaint.rc), v, 1.0, index,
                               BenchProgram().layers);
        }));
    }
    doc.RemoveObserver(&repaint);
    doc.ClearSelection();
    ReportMemory(state, m);
}

// "Seleziona tutto", then "Ruota selezione" with its undo snapshot; no repaint.
void BenchSelectAllRotate(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    EditorIndex(n);
    const CViewCoords v = ViewAt(100, {0, 0});
    COpMemory m;
    for (auto _ : state) {
        state.SetIterationTime(TimeOp(m, [&] {
            CmdSelectAll(doc, BenchProgram().layers);
            CmdRotate(doc, v);
        }));
        doc.Undo(); // untimed: the drawing as it was
    }
    doc.ClearSelection();
    ReportMemory(state, m);
}
