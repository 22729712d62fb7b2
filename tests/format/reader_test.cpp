// Headers, line splitting and the error flag.
#include "support/core_test.h"

TEST(ParseDrawingLines, BlankLinesSkippedRejectedOnesFlaggedOldContentReplaced) {
    CLibraryState library;
    const std::tuple<std::string, std::string, int> rows[] = {
        {"LI 1 2 3 4\n  \t \nSA 5 6\n", "LI 1 2 3 4\r\nSA 5 6\r\n", 0},
        {"XX 1 2\nLI 1 2\nSA 1 1\nMC 10 10 0 0 nolib.xyz", "SA 1 1\r\n", 1},
        {"LI 1 2 3 4\r\nSA 5 6", "LI 1 2 3 4\r\nSA 5 6\r\n", 0}, // the last line needs no LF
        {"SA 1 1\rSA 2 2", "SA 1 1\r\n", 0},                     // a CR alone ends nothing
    };
    CPrimitiveList list;
    for (const auto& [text, lines, error] : rows) {
        int err = 7;
        ParseDrawingLines(text, list, &err, library.context);
        EXPECT_EQ(FormatPrimitiveLines(list, false), lines) << text;
        EXPECT_EQ(err, error) << text;
    }
}

// The first header in the text decides; every control byte but the line feed is
// a blank; bytes from 128 up are letters of the code page.
TEST(Header, KindNameAndTheFirstMatchInTextOrder) {
    CLibraryState library;
    // The kind as detected; ok: the header is well formed.
    // clang-format off
    const struct { std::string text; int kind; bool ok; const char* name; } rows[] = {
        {"[TAVOLIN]", TEXT_DRAWING, true, ""},
        {"[  MACROCAD x]", TEXT_MACRO, true, "x"},
        {"[TAVOLIB Libreria]", TEXT_LIBRARY, true, "Libreria"},
        {"garbage [x] [TAVOLIB a] [TAVOLIN b]", TEXT_LIBRARY, true, "a"},
        {"[TAVOLIN   Title  ]\r\n", TEXT_DRAWING, true, "Title  "},
        {"[TAVOLINX]", TEXT_DRAWING, true, "X"},
        {"junk [TAVOLIN]", TEXT_DRAWING, true, ""},
        {"[TAVOLIN\x1ft]", TEXT_DRAWING, true, "t"},
        {std::string("[\0\x01\rMACROCAD\f\x7f]", 15), TEXT_MACRO, true, "\x7f"},
        {"[TAVOLIN\xA0t]", TEXT_DRAWING, true, "\xA0t"},
        {"[\x1f\tTAVOLIB]", TEXT_LIBRARY, true, ""},
        {"[TAVOLIN \r\n]", TEXT_DRAWING, false, ""},
        {"[TAVOLIN\nLI 1 2 3 4]", TEXT_DRAWING, false, ""},
        {"[TAVOLIN", TEXT_DRAWING, false, ""},
        {"[\xA0TAVOLIN]", TEXT_NONE, false, ""},
        {"[\nTAVOLIN]", TEXT_NONE, false, ""},
        {"[tavolin]", TEXT_NONE, false, ""},
        {"LI 1 2 3 4", TEXT_NONE, false, ""},
        {"", TEXT_NONE, false, ""},
    };
    // clang-format on
    for (const auto& r : rows) {
        EXPECT_EQ(DetectTextKind(r.text), r.kind) << r.text;
        CPrimitiveList list;
        std::vector<std::string> comps;
        std::vector<LibraryCategory> cats;
        std::string name;
        int kind = TEXT_NONE;
        EXPECT_EQ(ParseHeaderedText(r.text, &list, &comps, &name, nullptr, &kind, &cats,
                                    &library.context),
                  r.ok)
            << r.text;
        EXPECT_EQ(kind, r.kind) << r.text;
        EXPECT_EQ(name, r.name) << r.text;
    }
    CPrimitiveList list; // the rest of the header line is a command
    int err = 1;
    ASSERT_TRUE(ParseHeaderedText("[TAVOLIN]LI 1 2 3 4", &list, nullptr, nullptr, &err, nullptr,
                                  nullptr, &library.context));
    EXPECT_EQ(FormatPrimitiveLines(list, false), "LI 1 2 3 4\r\n");
    EXPECT_EQ(err, 0);
}

TEST(Writer, CompleteLinesOnly) {
    CPrimitiveList list;
    list.push_back(std::make_unique<CLine>(1, 2, 3, 4, false));
    list.push_back(std::make_unique<CLine>(1, 1, -1, -1, false)); // still being drawn
    EXPECT_EQ(FormatPrimitiveLines(list, false), "LI 1 2 3 4\r\n");
}

// Every keyword with its required fields, then what may follow them. A line
// cut anywhere inside the required fields is refused and flagged, never
// completed with made-up numbers; what follows may be left out; -1 is an
// ordinary coordinate. (A polygon has as many vertices as its line holds: only
// half a vertex is missing from it.)
TEST(ParseDrawingLines, ALineShortOfARequiredFieldIsRefused) {
    CLibraryState library;
    const struct {
        const char *required, *optional, *written;
    } rows[] = {
        {"LI 10 20 30 -1", " 5", "LI 10 20 30 -1 5"},
        {"SA -1 20", " 3", "SA -1 20 3"},
        {"BE 1 2 3 4 5 6 7 -1", " 2", "BE 1 2 3 4 5 6 7 -1 2"},
        {"PV 1 -1", " 4", "PV 1 -1 4"},
        {"EV 1 2 3 -1", " 1", "EV 1 2 3 -1 1"},
        {"EP 1 2 3 -1", " 1", "EP 1 2 3 -1 1"},
        {"RV 10 10 20 -1", " 1", "RV 10 10 20 -1 1"},
        {"RP 10 10 20 -1", " 1", "RP 10 10 20 -1 1"},
        {"PL 1 2 3 -1 5", " 6", "PL 1 2 3 -1 5 6"},
        {"PA 100 -1 18 18 4 1", " 2", "PA 100 -1 18 18 4 1 2"},
        {"TE 10 -1", " testo", "TY 10 -1 5 3 0 0 0 * testo"},
        {"TX 10 20 8 6 90 1 Arial", " Titolo", "TY 10 20 8 6 90 1 0 Arial Titolo"},
        {"TY 10 -1 8 6 90 1 2 Arial", " Titolo", "TY 10 -1 8 6 90 1 2 Arial Titolo"},
        {"MC 200 -1 0 1 080", "", "MC 200 -1 0 1 080"},
    };
    CPrimitiveList list;
    int err = 7;
    for (const auto& r : rows) {
        const std::string required = r.required;
        ParseDrawingLines(required + r.optional, list, &err, library.context);
        EXPECT_EQ(FormatPrimitiveLines(list, false) + std::to_string(err),
                  r.written + std::string("\r\n0"));
        ParseDrawingLines(required, list, &err, library.context);
        EXPECT_EQ(list.size() * 10 + std::size_t(err), 10u) << required;
        for (std::size_t cut = required.rfind(' '); cut != std::string::npos && cut > 0;
             cut = required.rfind(' ', cut - 1)) {
            ParseDrawingLines(required.substr(0, cut) + "\nSA 1 1", list, &err, library.context);
            EXPECT_EQ(FormatPrimitiveLines(list, false) + std::to_string(err), "SA 1 1\r\n1")
                << required.substr(0, cut);
        }
    }
    // A component's body is read the same way.
    CMacro m;
    ASSERT_TRUE(ParseComponent("[K t]\nLI 100 100 110\nSA 100 100\n", &m, nullptr, nullptr, &err,
                               &library.context));
    EXPECT_EQ(FormatPrimitiveLines(m.m_components, false) + std::to_string(err), "SA 100 100\r\n1");
}

// A layer beyond the sixteen is kept as read and written back, and told apart
// from refused lines, alone or together with them.
TEST(ParseDrawingLines, APrimitiveOnNoLayerIsKeptAndFlagged) {
    CLibraryState library;
    const std::tuple<std::string, std::string, int> rows[] = {
        {"LI 10 20 30 20 99\nSA 1 1 -1", "LI 10 20 30 20 99\r\nSA 1 1 -1\r\n", READ_NO_LAYER},
        {"TY 1 2 5 3 0 0 16 * t\nXX", "TY 1 2 5 3 0 0 16 * t\r\n", READ_REFUSED | READ_NO_LAYER},
        {"PA 1 1 9 9 3 0 15\nMC 200 300 0 0 080", "PA 1 1 9 9 3 0 15\r\nMC 200 300 0 0 080\r\n", 0},
    };
    CPrimitiveList list;
    for (const auto& [text, lines, error] : rows) {
        int err = 7;
        ParseDrawingLines(text, list, &err, library.context);
        EXPECT_EQ(FormatPrimitiveLines(list, false), lines) << text;
        EXPECT_EQ(err, error) << text;
    }
}
