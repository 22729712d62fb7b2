// Every step of a large drawing's history gives the drawing back byte for
// byte, with the modified flag.
#include "../test_util.h"
#include "doc/document.h"

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
    const auto turn = [&] {
        for (CPrimitive* q : all)
            q->Rotate(1250, 1250, false);
    };
    if (step % 5 == 0) doc.Append(Read("SA " + std::to_string(step) + " 7"));
    if (step % 5 == 1) doc.RotateOrder({k, all.size() - 1}); // to the end of the list
    if (step % 5 == 2) doc.Remove({p});
    if (step % 5 == 3) doc.Edit(all, turn);
    if (step % 5 == 4) doc.Edit({p}, [&] { p->SetLayer(step % 15 + 1); });
    doc.CommitChange();
}
} // namespace

TEST(UndoHistory, ALargeDrawingUndoesAndRedoesEveryStepByteForByte) {
    std::string large = "[TAVOLIN]\r\n";
    for (int i = 0; i < 1500; ++i)
        large += "LI " + std::to_string(i % 2000) + " " + std::to_string(i / 4) + " 1000 1000\r\n";
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    ASSERT_TRUE(doc.Load(large));
    std::vector<std::string> texts = {Text(doc)};
    std::size_t nSaved = 0;
    for (int step = 0; step < 120; ++step) {
        for (int i = 0; step == 70 && i < 5; ++i)
            doc.Undo(), texts.pop_back();
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
