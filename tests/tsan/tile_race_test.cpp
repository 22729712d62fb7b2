// Parts of a view drawn on the workers while this thread changes the drawing,
// as the editor does: only while they are paused, dropping the parts in
// flight. Under ThreadSanitizer any report ends the run with a failure.
#include "doc/document/document.h"
#include "doc/scene/layer_walk.h"
#include "doc/scene/spatial_index.h"
#include "doc/scene/tile_workers.h"
#include "format/resolve_context.h"
#include "model/line.h"
#include "support/recording_surface.h"

#include <cstdio>
#include <memory>
#include <random>

int main() {
    CLibraryState library;
    CSchemoDoc doc(DOC_DRAWING, nullptr, library.context);
    std::string text = "[TAVOLIN]\r\n";
    std::mt19937 rng(5);
    for (int i = 0; i < 4000; ++i)
        text += "LI " + std::to_string(rng() % 2500) + " " + std::to_string(rng() % 2500) + " " +
                std::to_string(rng() % 2500) + " " + std::to_string(rng() % 2500) + " " +
                std::to_string(rng() % 4) + "\r\n";
    if (!doc.Load(text)) return 1;
    CSpatialIndex index(doc.Primitives());
    doc.AddObserver(&index);
    const CLayerTable layers;
    CTileWorkers workers(2);
    std::vector<std::shared_ptr<std::atomic<bool>>> inFlight;
    std::atomic<int> nDrawn{0};
    for (int round = 0; round < 150; ++round) {
        for (int part = 0; part < 6; ++part) {
            auto pCancelled = std::make_shared<std::atomic<bool>>(false);
            inFlight.push_back(pCancelled);
            const CRect area{int(rng() % 2000), int(rng() % 2000), 0, 0};
            workers.Submit([&, pCancelled, area](CWorkerGate& gate) {
                if (pCancelled->load()) return;
                CRecordingSurface dc;
                const CRect visible{area.left, area.top, area.left + 500, area.top + 500};
                CGateProgress progress(gate, *pCancelled);
                CLayerWalk walk(layers);
                walk.pProgress = &progress;
                if (DrawLayers(dc, index, visible, walk)) ++nDrawn;
            });
        }
        workers.Pause();
        for (auto& p : inFlight)
            p->store(true);
        inFlight.clear();
        std::vector<CPrimitive*> gone;
        for (std::size_t i = round % 3; i < doc.Primitives().size(); i += 40)
            gone.push_back(doc.Primitives()[i].get());
        doc.Remove(gone);
        for (std::size_t i = 0; i < gone.size(); ++i)
            doc.Append(std::make_unique<CLine>(int(rng() % 2500), int(rng() % 2500),
                                               int(rng() % 2500), int(rng() % 2500), false));
        workers.Resume();
    }
    workers.WaitIdle();
    std::printf("%d parts drawn whole\n", nDrawn.load());
    return 0;
}
