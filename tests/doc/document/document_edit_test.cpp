// The document's changes, step by step: what its observers hear, where the
// modified flag stands, the list and selection after, an index fed by the
// document that follows every change, and a history that gives back every
// step byte for byte.
#include "doc/scene/spatial_index.h"
#include "support/program_dir_fixture.h"

namespace {
std::string Box(const CRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// Each change as "kind positions before->after", the positions in the list
// when it is told (the end of the list: not in it).
struct CRecorder final : IDocumentObserver {
    const CSchemoDoc* doc = nullptr;
    std::string news;
    void OnDocumentChanged(const CDocChange& c) override {
        static const char* const kinds[] = {"added", "removing",  "geometry", "reordered",
                                            "reset", "selection", "modified", "appearance"};
        news +=
            std::string(news.empty() ? "" : "|") + kinds[c.nKind] + (c.prims.empty() ? "" : " ");
        const CPrimitiveList& list = doc->Primitives();
        auto at = [&](const CPrimitive* p) {
            return p ? std::to_string(std::find_if(list.begin(), list.end(),
                                                   [&](auto& q) { return q.get() == p; }) -
                                      list.begin())
                     : "-";
        };
        for (const CPrimitive* p : c.prims)
            news += at(p);
        for (const auto& [before, after] : c.between)
            news += " in " + at(before) + "," + at(after);
        news += (c.bBefore ? " " + Box(c.rcBefore) : "") + (c.bAfter ? "->" + Box(c.rcAfter) : "");
    }
};
} // namespace

// A document is modified exactly when it stands elsewhere than where it was
// last saved, or after a change the history does not hold.
class DocumentEdit : public ProgramDirTest {};

TEST_F(DocumentEdit, StepsTellTheObserversAndMoveTheModifiedFlag) {
    std::unique_ptr<CSchemoDoc> doc;
    CRecorder rec;
    std::unique_ptr<CSpatialIndex> index;
    CSaveOptions save;
    std::map<std::size_t, std::string> texts; // what each history position saves
    auto at = [&](std::size_t i) { return doc->Primitives()[i].get(); };
    auto text = [&] {
        std::string t;
        doc->Store("d.tvd", true, t);
        return t;
    };
    std::string large = "[TAVOLIN]\r\n"; // lines enough for the history to share runs of them
    for (int i = 0; i < 1500; ++i)
        large += "LI " + std::to_string(i % 2000) + " " + std::to_string(i / 4) + " 1000 1000\r\n";
    auto start = [&](const char* text) {
        doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr, Ctx());
        ASSERT_TRUE(!text || doc->Load(text));
        index = std::make_unique<CSpatialIndex>(doc->Primitives());
        doc->AddObserver(index.get());
        doc->AddObserver(&rec);
        rec.doc = doc.get();
        rec.news.clear();
        texts.clear();
    };
    // N new, O open, E edit, S save, U undo, R redo, T the long title typed, K a
    // history that keeps only its last hundred steps from here on, H a hundred
    // and one edits, A undo as far as it goes, L load; a append, s select, t
    // drag, x delete, o reorder, p reorder past the end, m move; B open a large
    // drawing, c commit, y change a layer, r turn all, V undo and redo all.
    std::function<void(char)> step = [&](char c) {
        if (c == 'N') start(nullptr);
        if (c == 'O')
            start("[TAVOLIN t]\r\nLI 10 10 20 10\r\nSA 50 50\r\nRV 100 100 120 130 3\r\n");
        if (c == 'E') doc->Append(Read("SA 1 1")), doc->CommitChange();
        if (c == 'S') doc->Save((m_dir / "d.tvd").string(), save);
        if (c == 'U') doc->Undo();
        if (c == 'R') doc->Redo();
        if (c == 'T') doc->SetModified(true);
        if (c == 'K') doc->ClearUndo(1);
        for (int i = 0; c == 'H' && i <= 100; ++i)
            step('E');
        while (c == 'A' && doc->Undo())
            continue;
        if (c == 'L') doc->Load("[TAVOLIN]\r\nSA 3 3\r\n");
        if (c == 'a') doc->Append(Read("SA 7 8"));
        if (c == 's') doc->Select(at(0), true), doc->Select(at(2), true);
        if (c == 't') doc->PutBack(doc->TakeOut(doc->Selection()));
        if (c == 'B') start(large.c_str());
        if (c == 'c') doc->CommitChange();
        if (c == 'x') doc->Remove({at(2)});
        if (c == 'y') doc->Edit({at(1)}, [&] { at(1)->SetLayer(5); });
        for (std::size_t i = 0; c == 'r' && i < doc->Primitives().size(); ++i)
            doc->Edit({at(i)}, [&] { at(i)->Rotate(1250, 1250, false); });
        if (c == 'o') doc->RotateOrder({0, 1, 2});
        if (c == 'p') doc->RotateOrder({0, 9});
        if (c == 'm') {
            CRecordingSurface dc;
            doc->UpdateRegions(dc);
            doc->Edit({at(0)}, [&] { at(0)->Move(100, 0); });
            EXPECT_EQ(at(0)->m_nRegionKey, 0u); // built again when next needed
        }
        while (c == 'V' && doc->Undo())
            EXPECT_EQ(text(), texts.at(doc->History().Position()));
        while (c == 'V' && doc->Redo())
            EXPECT_EQ(text(), texts.at(doc->History().Position()));
    };
    const char* const LOADED = "LI 10 10 20 10|SA 50 50|RV 100 100 120 130 3|";
    const struct {
        const char* steps;
        const char* modified; // after each step
        std::string after;    // the lines and the selection's size, or "#" and the count
        const char* news;     // null: not looked at
    } rows[] = {
        {"NEUR", "0101", "SA 1 1|0", nullptr}, // the first change of a new document can be undone
        {"NESUR", "01010", "SA 1 1|0", nullptr},
        {"OEESUURR", "01101110", "#5", nullptr}, // redo back to the saved state
        {"OESUEUR", "0101111", "#4", nullptr},   // a change after undo: the saved state is gone
        {"OESUEUS", "0101110", "#3", nullptr},
        {"OETUR", "01111", "#4", nullptr}, // the title is not in the history
        {"OTS", "010", "#3", nullptr},
        {"OKHA", "0011", "#4", nullptr}, // the saved state fell off the history
        {"OU", "00", "#3", nullptr},
        {"Oa", "00", std::string(LOADED) + "SA 7 8|0", "added 3->6,7,8,9"},
        {"Ost", "000", "SA 50 50|LI 10 10 20 10|RV 100 100 120 130 3|2", // in list order
         "selection 0->10,10,20,10|selection 2->100,100,120,130|removing 02 10,10,120,130|"
         "added 12->10,10,120,130"},
        {"Osx", "000", "LI 10 10 20 10|SA 50 50|1",
         "selection 0->10,10,20,10|selection 2->100,100,120,130|removing 2 100,100,120,130"},
        {"Om", "00", "LI 110 10 120 10|SA 50 50|RV 100 100 120 130 3|0",
         "geometry 0 10,10,20,10->110,10,120,10"},
        {"Oo", "00", "SA 50 50|RV 100 100 120 130 3|LI 10 10 20 10|0", "reordered 012"},
        {"Op", "00", std::string(LOADED) + "0", ""},
        {"OTT", "011", std::string(LOADED) + "0", "modified"}, // no change, no news
        // Undo and redo tell only what left and what arrived; the selection goes.
        {"OEsU", "0110", std::string(LOADED) + "0",
         "added 3->0,0,2,2|modified|selection 0->10,10,20,10|selection 2->100,100,120,130|"
         "selection 02->10,10,120,130|removing 3 0,0,2,2|selection|modified"},
        {"OEUR", "0101", std::string(LOADED) + "SA 1 1|0",
         "added 3->0,0,2,2|modified|removing 3 0,0,2,2|selection|modified|"
         "added 3->0,0,2,2|selection|modified"},
        // What comes back before the end takes its place in the order.
        {"OExcU", "01111", std::string(LOADED) + "SA 1 1|0",
         "added 3->0,0,2,2|modified|removing 2 100,100,120,130|added 2 in 1,3->100,100,120,130|"
         "selection"},
        {"OL", "00", "SA 3 3|0", "reset 10,10,120,130|reset 0->2,2,4,4"},
        // Every kind of change, a new step after undoing two, then undo and redo
        // all the way: each position gives back its drawing byte for byte.
        {"BacocxcmcrcycUUacV", "001111111111111111", "#1501", nullptr},
    };
    for (const auto& r : rows) {
        std::string modified;
        for (const char* c = r.steps; *c; ++c) {
            step(*c);
            if (std::strchr("NOBEcKH", *c)) { // a new history position, and none after it
                texts.erase(texts.upper_bound(doc->History().Position()), texts.end());
                texts[doc->History().Position()] = text();
            }
            modified += doc->IsModified() ? '1' : '0';
        }
        EXPECT_EQ(modified, r.modified) << r.steps;
        std::string after;
        std::vector<CPrimitive*> list, found;
        for (const auto& p : doc->Primitives()) {
            after += Written(*p).substr(0, Written(*p).size() - 2) + "|";
            list.push_back(p.get());
            index->Query(p->GetBounds(), 1.0, 0, found);
            EXPECT_NE(std::find(found.begin(), found.end(), p.get()), found.end()) << r.steps;
        }
        after += std::to_string(doc->Selection().size());
        if (r.after[0] == '#') after = "#" + std::to_string(list.size());
        EXPECT_EQ(after, r.after) << r.steps;
        index->Query({-5000, -5000, 5000, 5000}, 1.0, 0, found);
        EXPECT_EQ(found, list) << r.steps;
        EXPECT_EQ(r.news ? rec.news : "", r.news ? r.news : "") << r.steps;
    }
}
