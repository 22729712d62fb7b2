// Nets from the geometry: copper that touches on a shared layer, pads through
// both layers, wires that end on one another, dots, symbols' connection points.
#include "doc/nets/nets.h"
#include "support/core_test.h"

namespace {
// Each net as the list positions of its members' primitives, e.g. "0 1,2".
std::string Grouping(const CPrimitiveList& list, const CNetList& nets) {
    std::string out;
    for (const auto& net : nets.nets) {
        out += out.empty() ? "" : " ";
        std::string members;
        for (int m : net) {
            int i = 0;
            while (list[i].get() != nets.members[m].pTop)
                ++i;
            members += (members.empty() ? "" : ",") + std::to_string(i);
        }
        out += members;
    }
    return out;
}
} // namespace

// Copper joins where it touches on a shared layer; wires where an end lies on
// another or on a dot, not where they cross.
TEST(Nets, CopperAndWiresJoinWhereTheyTouch) {
    const struct {
        bool bCopper;
        const char* text;
        const char* nets;
    } kCases[] = {
        {true, "PL 0 0 20 0 4 1\nPL 20 0 20 20 4 1\n", "0,1"},
        {true, "PL 0 0 20 0 4 1\nPL 0 4 20 4 4 1\n", "0,1"},     // edges touching
        {true, "PL 0 0 20 0 4 1\nPL 0 5 20 5 4 1\n", "0 1"},     // a unit apart
        {true, "PL 0 0 20 0 4 1\nPL 10 -10 10 10 4 2\n", "0 1"}, // crossing on the other side
        {true, "PL 0 0 20 0 4 1\nPA 20 0 8 8 3 0 2\nPL 20 0 40 0 4 2\n",
         "0,1,2"}, // through the pad
        {true, "PL 0 0 20 0 4 1\nPL 40 0 60 0 4 1\nRP 18 -5 42 5 1\n",
         "0,1,2"}, // through a filled box
        {true, "PL 0 0 20 0 4 1\nPL 40 0 60 0 4 1\nRV 18 -5 42 5 1\n",
         "0 1"},                                            // not through its edge
        {true, "PL 0 0 20 0 4 1\nLI 20 0 40 0 1\n", "0"},   // a line is not copper
        {true, "PL 0 0 20 0 4 3\nPA 0 0 8 8 3 0 1\n", "1"}, // a track off copper is not
        {true, "PL 0 0 20 0 4 1\nPL 900 9 920 9 4 1\nRP -990 -990 990 990 1\n",
         "0,1,2"},                                                   // a vast box
        {false, "LI 0 0 20 0\nLI 20 0 20 20\n", "0,1"},              // end to end
        {false, "LI 0 0 20 0\nLI 10 0 10 20\n", "0,1"},              // an end on the other's middle
        {false, "LI 0 0 20 0\nLI 10 -10 10 10\n", "0 1"},            // crossing
        {false, "LI 0 0 30 20\nLI 15 10 15 40\n", "0,1"},            // on a slanted one
        {false, "LI 0 0 30 20\nLI 16 10 16 40\n", "0 1"},            // beside it
        {false, "LI 0 0 20 0\nLI 10 -10 10 10\nSA 10 0\n", "0,1,2"}, // crossing at a dot
        {false, "LI 0 0 20 0\nLI 10 -10 10 10\nSA 11 0\n", "0,2 1"}, // the dot beside the crossing
        {false, "LI 0 0 20 0\nLI 20 0 40 0 4\n", "0 1"},             // on another layer
        {false, "LI 0 0 20 0\nBE 20 0 30 10 40 10 50 0\n", "0,1"},   // a curve's end on a line's
        {false, "LI 0 0 50 0\nBE 0 20 10 10 20 10 25 0\n", "0,1"},   // a curve ending on its middle
        {false, "LI 0 0 20 0 3\nPL 20 0 40 0 2 3\n", "0,1"},         // a track off copper is a wire
        {false, "LI 0 0 20 0 1\nLI 20 0 40 0 1\n", ""},              // the copper layers have none
    };
    for (const auto& c : kCases) {
        const CPrimitiveList list = ReadList(c.text);
        EXPECT_EQ(Grouping(list, c.bCopper ? CopperNets(list) : WireNets(list)), c.nets) << c.text;
    }
}

TEST(Nets, ASymbolJoinsTheWiresOnEachOfItsPointsApartAndItsCopperItemByItem) {
    CPrimitiveList list =
        ReadList("LI 0 0 10 0\nLI 30 0 40 0\nLI 20 0 20 10\nPL 10 50 20 50 2 1\n");
    auto symbol =
        std::make_unique<CMacro>(20, 0); // pins at 10 and 30 and its origin; 14 and 26 too
    symbol->m_components.push_back(std::make_unique<CLine>(10, 0, 14, 0, false));
    symbol->m_components.push_back(std::make_unique<CLine>(26, 0, 30, 0, false));
    symbol->m_components.push_back(Read("PA 10 50 6 6 2 0 1"));
    symbol->m_components.push_back(Read("PA 40 50 6 6 2 0 1"));
    list.push_back(std::move(symbol));
    EXPECT_EQ(Grouping(list, WireNets(list)), "0,4 1,4 2,4 4 4");
    EXPECT_EQ(Grouping(list, CopperNets(list)), "3,4 4");
}

TEST(Nets, WhatIsConnectedToTheChosenIsTheirWholeNets) {
    // Two wire nets and a copper one; a symbol between the wire nets.
    CPrimitiveList list =
        ReadList("LI 0 0 10 0\nLI 10 0 10 10\nLI 30 0 40 0\nPL 0 50 20 50 2 1\nPA 20 50 6 6 2 0 2\n"
                 "LI 100 100 110 100\n");
    auto symbol = std::make_unique<CMacro>(20, 0);
    symbol->m_components.push_back(std::make_unique<CLine>(10, 0, 14, 0, false));
    symbol->m_components.push_back(std::make_unique<CLine>(26, 0, 30, 0, false));
    list.push_back(std::move(symbol));
    auto positions = [&](const std::vector<CPrimitive*>& v) {
        std::string out;
        for (const CPrimitive* p : v)
            for (std::size_t i = 0; i < list.size(); ++i)
                if (list[i].get() == p) out += std::to_string(i);
        return out;
    };
    EXPECT_EQ(positions(ConnectedTo(list, {list[1].get()})), "016");
    EXPECT_EQ(positions(ConnectedTo(list, {list[6].get()})), "0126");
    EXPECT_EQ(positions(ConnectedTo(list, {list[4].get(), list[5].get()})), "345");
    EXPECT_EQ(positions(ConnectedTo(list, {})), "");
}
