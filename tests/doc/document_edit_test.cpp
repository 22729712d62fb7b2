// Every change to a document reaches its observers with the right kind,
// primitives and rectangles; undo, redo and load come through the same door,
// and an index fed by the document follows every change.
#include "../test_util.h"
#include "doc/document.h"
#include "doc/spatial_index.h"
#include "model/recording_surface.h"

#include <functional>

namespace {
std::string Box(const CRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// Each change as "kind positions before->after", the positions being where
// its primitives stand after the whole edit ("-": gone).
struct CRecorder final : IDocumentObserver {
    const CSchemoDoc* doc = nullptr;
    std::vector<CDocChange> changes;
    void OnDocumentChanged(const CDocChange& c) override { changes.push_back(c); }
    std::string News() const {
        static const char* const kinds[] = {"added", "removing",  "geometry", "reordered",
                                            "reset", "selection", "modified", "appearance"};
        std::string news;
        for (const CDocChange& c : changes) {
            news += std::string(news.empty() ? "" : "|") + kinds[c.nKind] +
                    (c.prims.empty() ? "" : " ");
            for (const CPrimitive* p : c.prims) {
                std::size_t i = 0;
                while (i < doc->Primitives().size() && doc->Primitives()[i].get() != p)
                    ++i;
                news += i < doc->Primitives().size() ? std::to_string(i) : "-";
            }
            news +=
                (c.bBefore ? " " + Box(c.rcBefore) : "") + (c.bAfter ? "->" + Box(c.rcAfter) : "");
        }
        return news;
    }
};

CPrimitive* At(CSchemoDoc& d, std::size_t i) {
    return d.Primitives()[i].get();
}
void Commit(CSchemoDoc& d) {
    d.Append(Read("SA 1 1"));
    d.CommitChange();
}
} // namespace

TEST(DocumentEdit, ObserversHearWhatChangedAndWhere) {
    const struct {
        std::function<bool(CSchemoDoc&)> edit;
        const char* news;
        const char* after; // the lines, the selection's size, "*" when modified
    } rows[] = {
        {[](CSchemoDoc& d) { return d.Append(Read("SA 7 8")) != nullptr; }, "added 3->6,7,8,9",
         "LI 10 10 20 10|SA 50 50|RV 100 100 120 130 3|SA 7 8|0"},
        {[](CSchemoDoc& d) { // taken out in list order, kept selected for the drag
             d.Select(At(d, 0), true);
             d.Select(At(d, 2), true);
             CPrimitiveList out = d.TakeOut({At(d, 2), At(d, 0)});
             const bool bOk = d.Primitives().size() == 1 && d.Selection().size() == 2;
             d.PutBack(std::move(out));
             return bOk;
         },
         "selection 1->10,10,20,10|selection 2->100,100,120,130|removing 12 10,10,120,130|"
         "added 12->10,10,120,130",
         "SA 50 50|LI 10 10 20 10|RV 100 100 120 130 3|2"},
        {[](CSchemoDoc& d) {
             d.Select(At(d, 0), true);
             d.Select(At(d, 2), true);
             return d.Remove({At(d, 2)}), true;
         },
         "selection 0->10,10,20,10|selection -->100,100,120,130|removing - 100,100,120,130",
         "LI 10 10 20 10|SA 50 50|1"},
        {[](CSchemoDoc& d) { // the regions are built again when next needed
             CRecordingSurface dc;
             d.UpdateRegions(dc);
             d.Edit({At(d, 0)}, [&] { At(d, 0)->Move(100, 0); });
             return At(d, 0)->m_nRegionKey == 0;
         },
         "geometry 0 10,10,20,10->110,10,120,10",
         "LI 110 10 120 10|SA 50 50|RV 100 100 120 130 3|0"},
        {[](CSchemoDoc& d) {
             return d.RotateOrder({0, 1, 2}), true;
         },
         "reordered 012", "SA 50 50|RV 100 100 120 130 3|LI 10 10 20 10|0"},
        {[](CSchemoDoc& d) {
             return d.RotateOrder({0, 9}), true;
         },
         "", // past the end
         "LI 10 10 20 10|SA 50 50|RV 100 100 120 130 3|0"},
        {[](CSchemoDoc& d) { return d.SetModified(true), d.SetModified(true), true; }, "modified",
         "LI 10 10 20 10|SA 50 50|RV 100 100 120 130 3|0*"},
        {[](CSchemoDoc& d) { // the selection goes; back where it was loaded
             Commit(d);
             d.Select(At(d, 0), true);
             return d.Undo();
         },
         "added -->0,0,2,2|modified|selection -->10,10,20,10|"
         "reset 012 0,0,120,130->10,10,120,130|modified",
         "LI 10 10 20 10|SA 50 50|RV 100 100 120 130 3|0"},
        {[](CSchemoDoc& d) { return Commit(d), d.Undo() && d.Redo(); },
         "added 3->0,0,2,2|modified|reset --- 0,0,120,130->10,10,120,130|modified|"
         "reset 0123 10,10,120,130->0,0,120,130|modified",
         "LI 10 10 20 10|SA 50 50|RV 100 100 120 130 3|SA 1 1|0*"},
        {[](CSchemoDoc& d) { return d.Load("[TAVOLIN]\r\nSA 3 3\r\n"); },
         "reset 10,10,120,130|reset 0->2,2,4,4", "SA 3 3|0"},
    };
    for (const auto& r : rows) {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        doc.Load("[TAVOLIN]\r\nLI 10 10 20 10\r\nSA 50 50\r\nRV 100 100 120 130 3\r\n");
        CRecorder rec;
        rec.doc = &doc;
        CSpatialIndex index(doc.Primitives());
        doc.AddObserver(&rec);
        doc.AddObserver(&index);
        EXPECT_TRUE(r.edit(doc)) << r.news;
        EXPECT_EQ(rec.News(), r.news);
        std::string after;
        std::vector<CPrimitive*> list, found;
        for (const auto& p : doc.Primitives()) {
            after += Written(*p).substr(0, Written(*p).size() - 2) + "|";
            list.push_back(p.get());
            index.Query(p->GetBounds(), 1.0, 0, found);
            EXPECT_NE(std::find(found.begin(), found.end(), p.get()), found.end()) << r.news;
        }
        EXPECT_EQ(after + std::to_string(doc.Selection().size()) + (doc.IsModified() ? "*" : ""),
                  r.after);
        index.Query({-5000, -5000, 5000, 5000}, 1.0, 0, found);
        EXPECT_EQ(found, list) << r.news;
        doc.RemoveObserver(&index);
    }
}
