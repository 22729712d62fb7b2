// Drawing pairs and what the comparison tells of them.
#include "doc/diff/drawing_diff.h"
#include "doc/diff/library_diff.h"
#include "support/core_test.h"

TEST(DrawingDiff, TellsEachChangeOnceInPositionOrderWithItsLegend) {
    CLibraryState library;
    const struct {
        const char *oldText, *newText, *lines, *legend;
    } rows[] = {
        {"[TAVOLIN t]\nLI 0 0 10 0\nRP 0 0 9 9 2", "[TAVOLIN t]\nRP 0 0 9 9 2\nLI 0 0 10 0", "",
         "0 aggiunti, 0 rimossi, 0 spostati"},
        {"[TAVOLIN t]\nLI 0 0 10 0\nLI 5 5 9 9", "[TAVOLIN t]\nLI 5 5 9 9\nLI 0 0 10 0",
         "= order\n", "0 aggiunti, 0 rimossi, 0 spostati, ordine cambiato"},
        {"[TAVOLIN t]\nMC 10 10 0 0 080\nMC 90 10 0 0 080",
         "[TAVOLIN t]\nMC 90 10 0 0 080\nMC 10 10 0 0 080", "= order\n",
         "0 aggiunti, 0 rimossi, 0 spostati, ordine cambiato"},
        {"[TAVOLIN t]\n", "[TAVOLIN t]\nLI 0 50 5 5 1\nLI 50 10 60 60",
         "+ LI 50 10 60 60\n+ LI 0 50 5 5 1\n", "2 aggiunti, 0 rimossi, 0 spostati"},
        {"[TAVOLIN t]\nLI 0 0 1 1\nLI 0 0 1 1\nSA 4 4", "[TAVOLIN t]\nLI 0 0 1 1",
         "- LI 0 0 1 1\n- SA 4 4\n", "0 aggiunti, 2 rimossi, 0 spostati"},
        {"[TAVOLIN t]\nLI 0 0 10 0\nTY 5 5 4 3 0 0 0 * R1",
         "[TAVOLIN t]\nLI 5 5 15 5\nTY 5 5 4 3 0 0 0 * R1", "~ LI 0 0 10 0 -> LI 5 5 15 5\n",
         "0 aggiunti, 0 rimossi, 1 spostato"},
        {"[TAVOLIN t]\nMC 100 100 0 0 080", "[TAVOLIN t]\nMC 200 100 0 0 080",
         "~ MC 100 100 0 0 080 -> MC 200 100 0 0 080\n", "0 aggiunti, 0 rimossi, 1 spostato"},
        {"[TAVOLIN t]\nMC 100 100 0 0 080", "[TAVOLIN t]\nMC 100 100 1 0 080",
         "~ MC 100 100 0 0 080 -> MC 100 100 1 0 080\n", "0 aggiunti, 0 rimossi, 1 spostato"},
        {"[TAVOLIN t]\nMC 100 100 0 0 080", "[TAVOLIN t]\nMC 100 100 0 1 080",
         "~ MC 100 100 0 0 080 -> MC 100 100 0 1 080\n", "0 aggiunti, 0 rimossi, 1 spostato"},
        {"[TAVOLIN t]\nLI 0 0 10 0\nTY 5 5 4 3 0 0 0 * R1",
         "[TAVOLIN t]\nLI 0 0 10 0 3\nTY 5 5 4 3 0 0 0 * R2",
         "- LI 0 0 10 0\n+ LI 0 0 10 0 3\n- TY 5 5 4 3 0 0 0 * R1\n+ TY 5 5 4 3 0 0 0 * R2\n",
         "2 aggiunti, 2 rimossi, 0 spostati"},
        {"[TAVOLIN t]\nLI 0 0 10 0", "[TAVOLIN t]\nLI 0 0 20 0", "- LI 0 0 10 0\n+ LI 0 0 20 0\n",
         "1 aggiunto, 1 rimosso, 0 spostati"},
        {"[TAVOLIN a]\nLI 0 0 10 0", "[TAVOLIN b]\nLI 0 0 10 0", "~ [TAVOLIN a] -> [TAVOLIN b]\n",
         "0 aggiunti, 0 rimossi, 0 spostati, titolo cambiato"},
    };
    for (const auto& r : rows) {
        const CLoadedText a = ParseDocumentText(r.oldText, library.context),
                          b = ParseDocumentText(r.newText, library.context);
        const CDrawingDiff d = CompareLists(a.title, a.list, b.title, b.list);
        EXPECT_EQ(d.Text(), r.lines) << r.newText;
        EXPECT_EQ(d.Legend(), r.legend) << r.newText;
        EXPECT_EQ(d.Same(), *r.lines == 0) << r.newText;
    }
}

// Removed and added primitives of one shape pair as moves: those that share
// one move first, then the nearest pairs (of equally near ones, the first in
// the lists); the farther ones stay removed or added.
TEST(DrawingDiff, AMovePairsTheNearestPlacesNotTheListOrder) {
    CLibraryState library;
    const struct {
        const char *oldText, *newText, *lines;
    } rows[] = {
        {"MC 100 100 0 0 080\nMC 300 100 0 0 080", "MC 305 100 0 0 080\nMC 105 100 0 0 080",
         "~ MC 100 100 0 0 080 -> MC 105 100 0 0 080\n"
         "~ MC 300 100 0 0 080 -> MC 305 100 0 0 080\n"},
        {"LI 0 0 10 0\nLI 100 0 110 0", "LI 102 0 112 0\nLI 2 5 12 5",
         "~ LI 0 0 10 0 -> LI 2 5 12 5\n~ LI 100 0 110 0 -> LI 102 0 112 0\n"},
        {"SA 50 50", "SA 55 50\nSA 45 50", "+ SA 45 50\n~ SA 50 50 -> SA 55 50\n"},
        // Dragged together, far: one move for all, not the nearest places.
        {"SA 10 10\nSA 20 10\nSA 30 10\nSA 300 10", "SA 310 10\nSA 320 10\nSA 330 10\nSA 31 10",
         "~ SA 10 10 -> SA 310 10\n~ SA 20 10 -> SA 320 10\n~ SA 30 10 -> SA 330 10\n"
         "~ SA 300 10 -> SA 31 10\n"},
        {"SA 0 0\nSA 50 50\nSA 90 90", "SA 52 50",
         "- SA 0 0\n~ SA 50 50 -> SA 52 50\n- SA 90 90\n"},
    };
    for (const auto& r : rows) {
        const CLoadedText a = ParseDocumentText(std::string("[TAVOLIN]\n") + r.oldText,
                                                library.context),
                          b = ParseDocumentText(std::string("[TAVOLIN]\n") + r.newText,
                                                library.context);
        EXPECT_EQ(CompareLists("", a.list, "", b.list).Text(), r.lines) << r.newText;
    }
}

// As when the library under the symbol changed between the two readings.
TEST(DrawingDiff, AMacroComparesByItsNameAndPlacementNotItsParts) {
    CLibraryState library;
    CPrimitiveList lists[2];
    for (const char* part : {"LI 100 100 110 100", "LI 100 100 120 100"}) {
        auto m = std::make_unique<CMacro>(100, 100);
        m->m_strName = "parti.R1";
        m->m_components.push_back(ParsePrimitiveLine(part, library.context));
        lists[part[12] - '1'].push_back(std::move(m));
    }
    EXPECT_TRUE(CompareLists("", lists[0], "", lists[1]).Same());
}

TEST(LibraryDiff, ComparesComponentsByKey) {
    CLibraryState library;
    const std::string r1 = "[R1 Resistore]\nLI 90 100 110 100\n",
                      c1 = "[C1 Condensatore]\nSA 1 1\n";
    const struct {
        std::vector<std::string> oldTexts, newTexts;
        const char *lines, *legend;
    } rows[] = {
        {{r1, c1}, {c1, r1}, "", "0 aggiunti, 0 rimossi, 0 modificati"},
        {{r1}, {c1, r1}, "+ [C1 Condensatore]\n", "1 aggiunto, 0 rimossi, 0 modificati"},
        {{r1, c1}, {r1}, "- [C1 Condensatore]\n", "0 aggiunti, 1 rimosso, 0 modificati"},
        {{r1, c1},
         {"[R1 Resistenza]\nLI 90 110 110 110\n", c1},
         "~ [R1 Resistenza]\n  ~ [R1 Resistore] -> [R1 Resistenza]\n"
         "  ~ LI 90 100 110 100 -> LI 90 110 110 110\n",
         "0 aggiunti, 0 rimossi, 1 modificato"},
    };
    for (const auto& r : rows) {
        const CLibraryDiff d =
            CompareLibraries("lib", r.oldTexts, "lib", r.newTexts, library.context);
        EXPECT_EQ(d.Text(), r.lines);
        EXPECT_EQ(d.Legend(), r.legend);
    }
}
