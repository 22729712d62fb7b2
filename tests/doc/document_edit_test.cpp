// Every change to a document reaches its observers with the right kind,
// primitives and rectangles; undo, redo and load come through the same door.
#include "../test_util.h"
#include "doc/document.h"
#include "doc/picking.h"
#include "doc/regions.h"
#include "model/recording_surface.h"

namespace {
struct CRecorder final : IDocumentObserver {
    std::vector<CDocChange> changes;
    void OnDocumentChanged(const CDocChange& c) override { changes.push_back(c); }
    const CDocChange& Last() const { return changes.back(); }
};

std::string Lines(const CSchemoDoc& doc) {
    std::string s;
    for (const auto& p : doc.Primitives()) s += Written(*p);
    return s;
}
} // namespace

class DocumentEdit : public ::testing::Test {
protected:
    void SetUp() override {
        doc.Load("[TAVOLIN]\r\nLI 10 10 20 10\r\nSA 50 50\r\nRV 100 100 120 130 3\r\n");
        doc.AddObserver(&rec);
    }
    CPrimitive* At(std::size_t i) { return doc.Primitives()[i].get(); }
    CSchemoDoc doc{DOC_DRAWING, nullptr};
    CRecorder rec;
};

TEST_F(DocumentEdit, AppendRemoveAndTakeOutTellWhereAndKeepListOrder) {
    CPrimitive* dot = doc.Append(Read("SA 7 8"));
    ASSERT_EQ(rec.Last().nKind, DOCCHANGE_ADDED);
    EXPECT_EQ(rec.Last().prims, std::vector<CPrimitive*>{dot});
    EXPECT_EQ(rec.Last().rcAfter, (CRect{6, 7, 8, 9})); // the dot's radius of one unit

    doc.Select(At(0), true);
    doc.Select(At(2), true);
    CPrimitiveList out = doc.TakeOut({At(2), At(0)});
    EXPECT_EQ(rec.Last().nKind, DOCCHANGE_REMOVING);
    ASSERT_TRUE(rec.Last().bBefore);
    EXPECT_EQ(rec.Last().rcBefore, (CRect{10, 10, 120, 130}));
    EXPECT_EQ(out.size(), 2u);
    EXPECT_EQ(Written(*out[0]), "LI 10 10 20 10\r\n"); // taken in list order
    EXPECT_EQ(doc.Selection().size(), 2u);             // a drag keeps them selected
    EXPECT_EQ(Lines(doc), "SA 50 50\r\nSA 7 8\r\n");

    doc.PutBack(std::move(out));
    EXPECT_EQ(Lines(doc), "SA 50 50\r\nSA 7 8\r\nLI 10 10 20 10\r\nRV 100 100 120 130 3\r\n");
    doc.Remove({At(2)});
    EXPECT_EQ(doc.Selection().size(), 1u);
    EXPECT_EQ(doc.Primitives().size(), 3u);
    EXPECT_FALSE(doc.IsModified()); // marking modified is the caller's decision
}

TEST_F(DocumentEdit, EditsTellBeforeAndAfterAndDropStaleRegions) {
    CRecordingSurface dc;
    doc.UpdateRegions(dc);
    ASSERT_NE(At(0)->m_nRegionKey, 0u);
    doc.Edit({At(0)}, [&] { At(0)->Move(100, 0); });
    const CDocChange& c = rec.Last();
    EXPECT_EQ(c.nKind, DOCCHANGE_GEOMETRY);
    EXPECT_EQ(c.rcBefore, (CRect{10, 10, 20, 10}));
    EXPECT_EQ(c.rcAfter, (CRect{110, 10, 120, 10}));
    EXPECT_EQ(At(0)->m_nRegionKey, 0u);
}

TEST_F(DocumentEdit, UndoRedoAndLoadReplaceTheListThroughTheObservers) {
    doc.Append(Read("SA 1 1"));
    doc.PushUndoSnapshot();
    EXPECT_EQ(rec.Last().nKind, DOCCHANGE_MODIFIED);
    doc.Select(At(0), true);
    std::size_t n = rec.changes.size();
    ASSERT_TRUE(doc.Undo());
    ASSERT_EQ(rec.changes.size(), n + 2);
    const CDocChange& reset = rec.changes[n];
    ASSERT_EQ(reset.nKind, DOCCHANGE_RESET);
    EXPECT_EQ(reset.prims.size(), 3u);
    EXPECT_EQ(reset.prims[0], At(0));
    EXPECT_EQ(rec.Last().nKind, DOCCHANGE_MODIFIED); // back where it was loaded
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.Selection().empty());
    n = rec.changes.size();
    ASSERT_TRUE(doc.Redo());
    ASSERT_EQ(rec.changes[n].nKind, DOCCHANGE_RESET);
    EXPECT_EQ(rec.changes[n].prims.size(), 4u);
    EXPECT_TRUE(doc.IsModified());

    n = rec.changes.size();
    doc.SetModified(true); // no change, no news
    EXPECT_EQ(rec.changes.size(), n);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nSA 3 3\r\n"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(rec.changes[n].nKind, DOCCHANGE_RESET); // the old drawing leaves...
    bool bLoaded = false;
    for (std::size_t i = n; i < rec.changes.size(); ++i)
        bLoaded |= rec.changes[i].nKind == DOCCHANGE_RESET && rec.changes[i].prims.size() == 1;
    EXPECT_TRUE(bLoaded); // ...and the new one arrives
}

TEST_F(DocumentEdit, RotateOrderMovesEachHitToThePreviousPositionAndTheFirstToTheLast) {
    doc.Append(Read("SA 60 60"));
    CPrimitive* a = At(0);
    CPrimitive* b = At(1);
    CPrimitive* d = At(3);
    doc.RotateOrder({0, 1, 3});
    EXPECT_EQ(At(0), b);
    EXPECT_EQ(At(1), d);
    EXPECT_EQ(At(3), a);
    EXPECT_EQ(rec.Last().nKind, DOCCHANGE_REORDERED);
    EXPECT_EQ(rec.Last().prims, (std::vector<CPrimitive*>{b, d, a}));
    doc.RotateOrder({0, 9}); // a position past the end changes nothing
    EXPECT_EQ(At(0), b);
}

TEST_F(DocumentEdit, AnIndexFedByTheDocumentFollowsEveryChange) {
    CSpatialIndex index(doc.Primitives());
    doc.AddObserver(&index);
    std::vector<CPrimitive*> found;
    auto near = [&](CRect r) {
        index.Query(r, 1.0, 0, found);
        return found;
    };
    EXPECT_EQ(near({0, 0, 2500, 2500}).size(), 3u);
    doc.Edit({At(1)}, [&] { At(1)->Move(1000, 1000); });
    EXPECT_TRUE(near({1040, 1040, 1060, 1060}).size() == 1 && found[0] == At(1));
    EXPECT_TRUE(near({40, 40, 45, 45}).empty());
    CPrimitive* off = doc.Append(Read("LI -500 -500 -400 -400")); // off the sheet
    EXPECT_EQ(near({-450, -450, -450, -450}), std::vector<CPrimitive*>{off});
    doc.Edit({off}, [&] { off->Move(0, 10); }); // one of four: placed again alone
    EXPECT_EQ(near({-450, -400, -450, -400}), std::vector<CPrimitive*>{off});
    EXPECT_TRUE(near({-500, -500, -500, -500}).empty());
    doc.RotateOrder({0, 3});
    EXPECT_EQ(near({-3000, -3000, 3000, 3000}),
              (std::vector<CPrimitive*>{At(0), At(1), At(2), At(3)}));
    doc.Remove({off});
    EXPECT_TRUE(near({-450, -450, -450, -450}).empty());
    doc.Undo(); // nothing to undo: the load is the only snapshot
    doc.Load("[TAVOLIN]\r\nSA 5 5\r\n");
    EXPECT_EQ(index.Size(), 1u);
    doc.RemoveObserver(&index);
}
