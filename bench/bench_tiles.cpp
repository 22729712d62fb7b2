// The window's steps with its scene drawn on the workers: the first frame
// that shows an input (the old picture moved or scaled, the parts sent) and
// the exact picture once every part arrived, for a zoom step from the fitted
// view, a scroll at 400 %, a click that selects one element and an undo and
// a redo of a one-element edit, with the whole drawing in view.
#include "benches.h"
#include "fixtures.h"

#include "doc/scene/spatial_index.h"
#include "doc/scene/tile_workers.h"
#include "qtlayer/qt_tiled_scene.h"

#include <chrono>

namespace {
CTileWorkers& BenchWorkers() {
    static CTileWorkers workers(2);
    return workers;
}

// The scene as the window keeps it, told of the document's changes.
class CBenchScene final : public IDocumentObserver {
  public:
    CBenchScene(CSchemoDoc& doc, const CSpatialIndex& index, const CViewCoords& view)
        : m_doc(doc), m_index(index), m_view(view), m_scene(BenchWorkers()) {
        m_scene.Resize(QSize(kViewWidth, kViewHeight));
        m_scene.InvalidateAll(Origin());
        Settle();
        m_doc.AddObserver(this);
    }
    ~CBenchScene() override { m_doc.RemoveObserver(this); }

    void OnDocumentChanged(const CDocChange& change) override {
        m_scene.ApplyChange(change, m_view, 1.0);
    }
    CViewCoords& View() { return m_view; }
    CPoint Origin() const {
        CMapping map;
        m_view.PrepareMapping(map, 1.0);
        return map.GetViewportOrg();
    }
    void Frame() { m_scene.Render(m_view, 1.0, m_index, BenchProgram().layers); }
    void Settle() {
        while (!m_scene.IsSettled()) {
            Frame();
            BenchWorkers().WaitIdle();
            m_scene.TakeFinished();
        }
    }
    CTiledScene& Scene() { return m_scene; }

  private:
    CSchemoDoc& m_doc;
    const CSpatialIndex& m_index;
    CViewCoords m_view;
    CTiledScene m_scene;
};

using EStep = ETiledStep;

// What a click in the middle of the fitted view picks: the first element the
// index finds there.
CPrimitive* Picked(const CSpatialIndex& index) {
    std::vector<CPrimitive*> near;
    index.Query(CRect{1240, 1240, 1260, 1260}, 2500.0 / kViewHeight, 5, near);
    for (CPrimitive* p : near)
        if (!(p->GetCapabilities() & CAP_MACRO)) return p;
    return near.empty() ? nullptr : near.front();
}

void Moved(CSchemoDoc& doc, std::size_t nStep) {
    CPrimitive* p = doc.Primitives()[(nStep * 7919) % doc.Primitives().size()].get();
    doc.Edit({p}, [&] { p->Move(3, 3); });
    doc.CommitChange();
}

// One input, then its first frame; the time to the frame or to the exact picture.
} // namespace

void BenchTiledStep(benchmark::State& state, std::size_t n, EStep step, bool bSettled) {
    CSchemoDoc& doc = LoadedDocument(n);
    const CSpatialIndex& index = EditorIndex(n);
    const double dFit = 100.0 * kViewHeight / 2500;
    const bool bNear = step == EStep::Scroll;
    CBenchScene scene(doc, index,
                      ViewAt(bNear ? 400 : dFit, bNear ? CPoint{1000, 1000} : CPoint{0, 0}));
    if (step == EStep::Undo || step == EStep::Redo) Moved(doc, 1);
    if (step == EStep::Redo) doc.Undo();
    CPrimitive* pClicked = step == EStep::Click ? Picked(index) : nullptr;
    if (step == EStep::Click && !pClicked) return state.SkipWithError("nothing to click");
    scene.Settle();
    COpMemory m;
    int i = 0;
    for (auto _ : state) {
        const bool bForth = i++ % 2 == 0;
        state.SetIterationTime(TimeOp(m, [&] {
            CViewCoords& v = scene.View();
            switch (step) {
            case EStep::Zoom: // about the middle, in and out in turn
                v.SetScale((bForth ? 1.3 : 1.0) * dFit / 100, false);
                v.ScrollTo(bForth ? 1250 - int(kViewWidth / 2 / (1.3 * dFit / 100)) : 0,
                           bForth ? 1250 - int(kViewHeight / 2 / (1.3 * dFit / 100)) : 0);
                break;
            case EStep::Scroll:
                v.ScrollTo(bForth ? 1000 + kViewWidth / 40 : 1000, 1000);
                scene.Scene().ScrollTo(scene.Origin());
                break;
            case EStep::Click:
                doc.ClearSelection();
                doc.Select(pClicked, true);
                break;
            case EStep::Undo:
                doc.Undo();
                break;
            case EStep::Redo:
                doc.Redo();
                break;
            }
            scene.Frame();
            if (bSettled) scene.Settle();
        }));
        scene.Settle();
        if (step == EStep::Undo) doc.Redo();
        if (step == EStep::Redo) doc.Undo();
        if (step == EStep::Click) doc.ClearSelection();
        scene.Settle();
    }
    ReportMemory(state, m);
}
