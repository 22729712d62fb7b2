// Undo and redo bring back the drawing a full reading of the history's lines
// gives, whatever the edits before: random sequences, seeded, on a drawing
// large enough for the history to share runs of lines.
#include "doc/scene/spatial_index.h"
#include "support/program_dir_fixture.h"

namespace {
std::string Saved(CSchemoDoc& doc) {
    std::string t;
    doc.Store("d.tvd", true, t);
    return t;
}

// What the old way gives: the state's lines read whole into a new document.
std::string ReadWhole(const CUndoHistory& history, CResolveContext& ctx) {
    std::vector<const CHistoryLine*> lines;
    history.CurrentLineRefs(lines);
    std::string text = "[TAVOLIN]\r\n";
    for (const CHistoryLine* l : lines)
        text += l->Text();
    CSchemoDoc doc(DOC_DRAWING, nullptr, ctx);
    doc.Load(text);
    return Saved(doc);
}

std::string RandomLine(std::mt19937& rnd) {
    const int x = int(rnd() % 2000), y = int(rnd() % 2000);
    switch (rnd() % 3) {
    case 0:
        return "LI " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + 30) +
               " " + std::to_string(y) + "\r\n";
    case 1:
        return "SA " + std::to_string(x) + " " + std::to_string(y) + "\r\n";
    default:
        return "RV " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + 20) +
               " " + std::to_string(y + 20) + " 3\r\n";
    }
}
} // namespace

class DocumentUndo : public ProgramDirTest {};

TEST_F(DocumentUndo, UndoAndRedoGiveWhatAFullReadingGives) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rnd(seed);
        std::string text = "[TAVOLIN]\r\n";
        for (int i = 0; i < 300; ++i)
            text += RandomLine(rnd);
        CSchemoDoc doc(DOC_DRAWING, nullptr, Ctx());
        ASSERT_TRUE(doc.Load(text));
        // Odd seeds leave the index no room between numbers: it must renumber.
        CSpatialIndex index(doc.Primitives(), seed % 2 ? 2 : CSpatialIndex::ORDER_GAP);
        doc.AddObserver(&index);
        auto any = [&] { return doc.Primitives()[rnd() % doc.Primitives().size()].get(); };
        for (int step = 0; step < 300; ++step) {
            const auto n = doc.Primitives().size();
            bool bMoved = false; // the history moved and the drawing followed
            switch (rnd() % 9) {
            case 0:
                doc.Append(Read(RandomLine(rnd)));
                break;
            case 1:
                if (n > 1) doc.Remove({any()});
                break;
            case 2:
                if (n > 0) {
                    CPrimitive* p = any();
                    doc.Edit({p}, [&] { p->Move(int(rnd() % 50), 7); });
                }
                break;
            case 3: // a drag: the selection back at the end of the list
                for (int k = 0; k < 3 && n > 0; ++k)
                    doc.Select(any(), true);
                doc.PutBack(doc.TakeOut(doc.Selection()));
                break;
            case 4:
                if (n > 5) doc.RotateOrder({1, n / 2, n - 1});
                break;
            case 5:
            case 6:
                bMoved = doc.Undo();
                break;
            case 7:
                bMoved = doc.Redo();
                break;
            default:
                doc.CommitChange();
                break;
            }
            if (!bMoved) continue;
            ASSERT_EQ(Saved(doc), ReadWhole(doc.History(), Ctx())) << seed << " " << step;
            std::vector<CPrimitive*> list, found;
            for (const auto& p : doc.Primitives())
                list.push_back(p.get());
            index.Query({-5000, -5000, 5000, 5000}, 1.0, 0, found);
            ASSERT_EQ(found, list) << seed << " " << step;
            ASSERT_TRUE(doc.Selection().empty());
        }
    }
}
