// The history: the modified flag follows it, and every step of a large
// drawing's history gives the drawing back byte for byte.
#include "../format/program_dir_fixture.h"
#include "../test_util.h"
#include "doc/document.h"

#include <functional>
#include <map>

// A document is modified exactly when it stands elsewhere than where it was
// last saved, or after a change the history does not hold.
class DocumentModified : public ProgramDirTest {};

TEST_F(DocumentModified, FollowsTheHistoryFromWhereItWasLastSaved) {
    std::unique_ptr<CSchemoDoc> doc;
    CSaveOptions save;
    // N new, O open, E edit, S save, U undo, R redo, T the long title typed, K a
    // history that keeps only its last hundred steps from here on, H a hundred
    // and one edits, A undo as far as it goes.
    std::map<char, std::function<void()>> steps = {
        {'N', [&] { doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr); }},
        {'O', [&] { steps['N'](), doc->Load("[TAVOLIN t]\r\nSA 0 0\r\n"); }},
        {'E', [&] { doc->Append(Read("SA 1 1")), doc->CommitChange(); }},
        {'S', [&] { doc->Save((m_dir / "d.tvd").string(), save); }},
        {'U', [&] { doc->Undo(); }},
        {'R', [&] { doc->Redo(); }},
        {'T', [&] { doc->SetModified(true); }},
        {'K', [&] { doc->ClearUndo(1); }},
        {'H',
         [&] {
             for (int i = 0; i <= 100; ++i)
                 steps['E']();
         }},
        {'A',
         [&] {
             while (doc->Undo()) {
             }
         }},
    };
    const struct {
        const char* steps;
        const char* modified;    // after each step
        std::size_t nPrimitives; // at the end
    } rows[] = {
        {"NEUR", "0101", 1}, // the first change of a new document can be undone
        {"NESUR", "01010", 1},
        {"OEUR", "0101", 2},
        {"OEESUURR", "01101110", 3}, // redo back to the saved state
        {"OESUEUR", "0101111", 2},   // a change after undo: the saved state is gone
        {"OESUEUS", "0101110", 1},
        {"OETUR", "01111", 2}, // the title is not in the history
        {"OTS", "010", 1},
        {"OKHA", "0011", 2}, // the saved state fell off the history
        {"OU", "00", 1},
    };
    for (const auto& r : rows) {
        std::string got;
        for (const char* c = r.steps; *c; ++c) {
            steps.at (*c)();
            got += doc->IsModified() ? '1' : '0';
        }
        EXPECT_EQ(got, r.modified) << r.steps;
        EXPECT_EQ(doc->Primitives().size(), r.nPrimitives) << r.steps;
    }
}

namespace {
std::string Text(CSchemoDoc& doc) {
    std::string text;
    doc.Store("d.tvd", true, text);
    return text;
}

// One change of each kind the editor makes, in turn.
void Change(CSchemoDoc& doc, int step) {
    std::vector<CPrimitive*> all;
    for (const auto& p : doc.Primitives())
        all.push_back(p.get());
    const std::size_t k = std::size_t(step) * 7919 % all.size();
    CPrimitive* p = all[k];
    switch (step % 5) {
    case 0:
        doc.Append(Read("SA " + std::to_string(step) + " 7"));
        break;
    case 1:
        doc.RotateOrder({k, all.size() - 1}); // to the end of the list
        break;
    case 2:
        doc.Remove({p});
        break;
    case 3:
        doc.Edit(all, [&] {
            for (CPrimitive* q : all)
                q->Rotate(1250, 1250, false);
        });
        break;
    default:
        doc.Edit({p}, [&] { p->SetLayer(step % 15 + 1); });
    }
    doc.CommitChange();
}
} // namespace

TEST(UndoHistory, ALargeDrawingUndoesAndRedoesEveryStepByteForByte) {
    std::string large = "[TAVOLIN]\r\n"; // about 190 KB
    for (int i = 0; i < 8000; ++i)
        large += "LI " + std::to_string(i % 2000) + " " + std::to_string(i / 4) + " 1000 1000\r\n";
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    ASSERT_TRUE(doc.Load(large));
    std::vector<std::string> texts = {Text(doc)};
    std::vector<CPrimitive*> most; // the steps below go faster on fewer lines
    for (std::size_t i = 1500; i < doc.Primitives().size(); ++i)
        most.push_back(doc.Primitives()[i].get());
    doc.Remove(most);
    doc.CommitChange();
    texts.push_back(Text(doc));
    std::size_t nSaved = 0;
    for (int step = 0; step < 120; ++step) {
        if (step == 70) {
            for (int i = 0; i < 5; ++i)
                doc.Undo();
            texts.resize(texts.size() - 5);
        }
        Change(doc, step);
        EXPECT_FALSE(doc.CanRedo());
        texts.push_back(Text(doc));
        if (step == 40) doc.SetModified(false), nSaved = texts.size() - 1;
    }
    doc.Select(doc.Primitives()[0].get(), true);
    for (std::size_t i = texts.size() - 1; i-- > 0;) {
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(doc.Selection().empty());
        ASSERT_EQ(Text(doc), texts[i]) << "undo to " << i;
        EXPECT_EQ(doc.IsModified(), i != nSaved);
    }
    EXPECT_FALSE(doc.CanUndo());
    for (std::size_t i = 1; i < texts.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        ASSERT_EQ(Text(doc), texts[i]) << "redo to " << i;
        EXPECT_EQ(doc.IsModified(), i != nSaved);
    }
    EXPECT_FALSE(doc.CanRedo());
}
