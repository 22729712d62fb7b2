// The history of drawings of any size: every step gives the drawing back as it
// was, byte for byte, with the modified flag.
#include "../test_util.h"
#include "doc/document.h"

#include <string>
#include <vector>

namespace {
std::string Text(CSchemoDoc& doc) {
    std::string text;
    doc.Store("d.tvd", true, text);
    return text;
}

std::string Lines(int n) {
    std::string s = "[TAVOLIN]\r\n";
    for (int i = 0; i < n; ++i)
        s += "LI " + std::to_string(i % 2000) + " " + std::to_string(i / 4) + " 1000 1000\r\n";
    return s;
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
        doc.RotateOrder({k, all.size() - 1});
        break; // to the end of the list
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
        break;
    }
    doc.CommitChange();
}
} // namespace

TEST(UndoHistory, ALargeDrawingUndoesAndRedoesEveryStepByteForByte) {
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    ASSERT_TRUE(doc.Load(Lines(8000))); // about 190 KB
    std::vector<std::string> texts = {Text(doc)};
    doc.Append(Read("LI 1 1 2 2"));
    doc.CommitChange();
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Text(doc), texts[0]);
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
        if (step == 40) {
            doc.SetModified(false);
            nSaved = texts.size() - 1;
        }
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

TEST(UndoHistory, BeyondItsLimitTheHistoryKeepsTheLastHundredSteps) {
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    doc.ClearUndo(1);
    for (int i = 0; i < 150; ++i) {
        doc.Append(Read("SA 1 " + std::to_string(i)));
        doc.CommitChange();
    }
    int nUndos = 0;
    while (doc.Undo())
        ++nUndos;
    EXPECT_EQ(nUndos, 100);
    EXPECT_EQ(doc.Primitives().size(), 50u);
}
