// Library texts, the standard library and the list of library folders.
#include "format/library.h"
#include "format/program_dir.h"
#include "format/stdlib.h"
#include "support/core_test.h"

namespace fs = std::filesystem;

// Components start at a "[" in the first column, categories at a "{".
TEST(LibraryText, ComponentsCategoriesKeysAndTitles) {
    CLibraryState library;
    std::vector<std::string> comps;
    std::vector<LibraryCategory> cats;
    SplitLibraryText("junk\n[A0 before]\nLI 1 1 2 2\n{One}\n{Two}\n[A1 x]  \n\n LI 1 2 3 4\n"
                     " [X1 Indented]\n{Three\n[A2]\n",
                     comps, &cats);
    EXPECT_EQ(comps, (std::vector<std::string>{"[A0 before]\nLI 1 1 2 2\n",
                                               "[A1 x]\n LI 1 2 3 4\n [X1 Indented]\n", "[A2]\n"}));
    std::string got; // a category right after another one is empty
    for (const LibraryCategory& c : cats)
        got += c.name + "@" + std::to_string(c.nFirst) + " ";
    EXPECT_EQ(got, "@0 One@1 Two@1 Three@2 ");
    const std::tuple<const char*, bool, const char*, const char*> heads[] = {
        {"[R1 Resistor 1/4 W]\n", true, "R1", "Resistor 1/4 W"},
        {"  [R1]\n", true, "", "R1"},
        {"[K   spaced title  ]", true, "K", "spaced title  "},
        {"R1 no bracket", false, "", ""},
        {"[R1 unclosed\nLI 1 2 3 4", false, "", ""},
    };
    for (const auto& [text, ok, wantKey, wantTitle] : heads) {
        std::string key, title;
        EXPECT_EQ(ParseComponent(text, nullptr, &key, &title, nullptr, &library.context), ok)
            << text;
        EXPECT_EQ(key + "|" + title, std::string(wantKey) + "|" + wantTitle) << text;
    }
    CMacro m;
    int err = 0;
    ASSERT_TRUE(
        ParseComponent("[K t]\nLI 1 2 3 4\nXX\n", &m, nullptr, nullptr, &err, &library.context));
    EXPECT_TRUE(m.m_components.size() == 1 && err == 1); // the bad line is left out
}

TEST(StandardLibrary, EveryComponentParsesCleanlyAndOnlyItsKeysAreStandard) {
    CLibraryState library;
    const CLibraryIndex& lib = StandardLibrary();
    for (const std::string& text : lib.components) {
        CMacro m;
        int err = 0;
        std::string key;
        ASSERT_TRUE(ParseComponent(text, &m, &key, nullptr, &err, &library.context));
        EXPECT_EQ(err, 0) << key;
        EXPECT_FALSE(m.m_components.empty()) << key;
        EXPECT_TRUE(IsStandardLibraryName(key)) << key;
    }
    EXPECT_FALSE(IsStandardLibraryName("Resistore"));
    EXPECT_FALSE(IsStandardLibraryName("~080"));
}

// Drawings keep symbols by reference: a redrawn symbol must still meet its
// wires where saved ones end, at the end of a line or on the side of a ring.
using Points = std::set<std::pair<int, int>>;
static void CollectEnds(const CPrimitiveList& list, Points& ends) {
    for (const auto& p : list) {
        const std::string kind = p->GetClassName();
        if (kind == "CMacro") CollectEnds(static_cast<CMacro&>(*p).GetComponents(), ends);
        if (kind != "CLine" && kind != "CEllipse") continue;
        const CPoint a = p->GetPoint(0), b = p->GetPoint(1);
        const int mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
        if (kind == "CLine")
            ends.insert({{a.x, a.y}, {b.x, b.y}});
        else
            ends.insert({{a.x, my}, {b.x, my}, {mx, a.y}, {mx, b.y}});
    }
}

TEST(StandardLibrary, RedrawnSymbolsMeetTheirWiresWhereTheyDid) {
    CLibraryState library;
    const std::pair<std::vector<const char*>, Points> table[] = {
        {{"000", "010", "020"}, {{100, 100}}},
        {{"030", "760", "790", "800"}, {{100, 100}, {110, 100}}},
        {{"114"}, {{100, 100}, {110, 100}, {105, 110}}},
        {{"400"}, {{100, 100}, {110, 90}, {110, 110}}},
        {{"560"}, {{100, 100}, {105, 100}, {110, 100}}},
        {{"580"}, {{100, 100}, {100, 110}, {125, 105}}},
    };
    for (const auto& [keys, pins] : table)
        for (const char* key : keys) {
            CMacro m;
            ASSERT_TRUE(ParseComponent(*StandardLibrary().Find(key), &m, nullptr, nullptr, nullptr,
                                       &library.context));
            Points ends;
            CollectEnds(m.GetComponents(), ends);
            for (const auto& pin : pins)
                EXPECT_TRUE(ends.count(pin)) << key << " " << pin.first << "," << pin.second;
        }
}

TEST(LibraryFolderList, ProgramDirThenBesideTheProgramThenUserThenShareEachOnce) {
    const fs::path base = fs::weakly_canonical(testing::TempDir() + "tavolin_folder_list");
    const std::string prog = (base / "prog").string(), bin = (base / "bin").string();
    const std::string user = (base / "user").string(), share = (base / "share/tavolin").string();
    using List = std::vector<std::string>;
    EXPECT_EQ(LibraryFolderList(prog, bin, user), (List{prog, bin, user, share}));
    EXPECT_EQ(LibraryFolderList("", bin, user), (List{bin, user, share}));
    EXPECT_EQ(LibraryFolderList(bin + "/", bin, ""), (List{bin, share}));
    EXPECT_EQ(LibraryFolderList(share + "/../tavolin", bin, share), (List{share, bin}));
    EXPECT_EQ(LibraryFolderList("rel", bin, user).front(),
              (fs::current_path() / "rel").lexically_normal().string());
    EXPECT_EQ(UserDataFolder("/data", "/home/u"), "/data/tavolin");
    for (const char* notAbsolute : {(const char*)nullptr, "", "relative"})
        EXPECT_EQ(UserDataFolder(notAbsolute, "/home/u"), "/home/u/.local/share/tavolin");
    EXPECT_EQ(UserDataFolder(nullptr, nullptr), "");
}
