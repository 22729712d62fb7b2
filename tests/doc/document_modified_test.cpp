// The modified flag follows the history: a document is modified exactly when
// it stands elsewhere than where it was last saved, or after a change the
// history does not hold.
#include "../format/program_dir_fixture.h"
#include "../test_util.h"
#include "doc/document.h"
#include "doc/settings.h"

#include <memory>

class DocumentModified : public ProgramDirTest {
  protected:
    // N new, O open, E edit, S save, U undo, R redo, T the long title typed,
    // K a history that keeps only its last hundred steps from here on, H a
    // hundred and one edits, A undo as far as it goes.
    void Step(char c) {
        switch (c) {
        case 'N':
            doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr);
            break;
        case 'O':
            doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr);
            ASSERT_TRUE(doc->Load("[TAVOLIN t]\r\nSA 0 0\r\n"));
            break;
        case 'E':
            doc->Append(Read("SA 1 1"));
            doc->CommitChange();
            break;
        case 'S':
            ASSERT_TRUE(doc->Save((m_dir / "d.tvd").string(), save));
            break;
        case 'U':
            doc->Undo();
            break;
        case 'R':
            doc->Redo();
            break;
        case 'T':
            doc->SetModified(true);
            break;
        case 'K':
            doc->ClearUndo(1);
            break;
        case 'H':
            for (int i = 0; i <= 100; ++i)
                Step('E');
            break;
        case 'A':
            while (doc->Undo()) {
            }
            break;
        default:
            FAIL() << "no step " << c;
        }
    }
    std::unique_ptr<CSchemoDoc> doc;
    CSaveOptions save;
};

TEST_F(DocumentModified, FollowsTheHistoryFromWhereItWasLastSaved) {
    struct Row {
        const char* steps;
        const char* modified; // after each step
    };
    const Row rows[] = {
        {"NEUR", "0101"}, // the first change of a new document can be undone
        {"NESUR", "01010"},
        {"OEUR", "0101"},
        {"OEESUURR", "01101110"}, // redo back to the saved state
        {"OESUEUR", "0101111"},   // a change after undo: the saved state is gone
        {"OESUEUS", "0101110"},
        {"OETUR", "01111"}, // the title is not in the history
        {"OTS", "010"},
        {"OKHA", "0011"}, // the saved state fell off the history
        {"OU", "00"},
    };
    for (const Row& r : rows) {
        std::string got;
        for (const char* c = r.steps; *c; ++c) {
            Step(*c);
            got += doc->IsModified() ? '1' : '0';
        }
        EXPECT_EQ(got, r.modified) << r.steps;
    }
}

TEST_F(DocumentModified, UndoingTheFirstChangeOfANewDocumentEmptiesIt) {
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    EXPECT_EQ(doc.History().Count(), 1u);
    EXPECT_FALSE(doc.CanUndo());
    doc.Append(Read("LI 1 1 5 5"));
    doc.Select(doc.Primitives()[0].get(), true);
    doc.CommitChange();
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Primitives().empty());
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(doc.IsModified());
}
