#pragma once
// What is connected to what, from the geometry alone. Copper (layers 1 and 2):
// items whose copper touches or overlaps on a layer they share; a pad is on
// both. Wires (every other layer): lines, curves and tracks join where an end
// of one lies on the other, a dot joins the wires through it, a symbol's
// connection points join what ends on them; wires that only cross do not.
#include "doc/nets/box_grid.h"
#include "doc/nets/net_geometry.h"
#include "model/primitive.h"

#include <string>
#include <unordered_map>
#include <vector>

constexpr int NET_LAYER_BOTTOM = 1, NET_LAYER_TOP = 2;

struct CNetMember {
    const CPrimitive* p = nullptr;    // a symbol's component for copper inside it
    const CPrimitive* pTop = nullptr; // what the drawing's list holds: p or its symbol
    int nPoint = -1; // a symbol's connection point, in ConnectionPoints(*p); -1: all of p
};

struct CNetList {
    std::vector<CNetMember> members;
    std::vector<int> netOf;             // per member
    std::vector<std::vector<int>> nets; // members of each, in the list's order
    // The members each primitive of the list holds, [first, end): they follow one another.
    std::unordered_map<const CPrimitive*, std::pair<int, int>> ranges;
    std::pair<int, int> RangeOf(const CPrimitive* pTop) const;
};

// The copper items, their figures and layers (bit L for layer L) beside the members.
struct CCopperNets : CNetList {
    std::vector<CCopperShape> shapes;
    std::vector<unsigned> layers;
    CBoxGrid grid; // the figures' boxes
};

// Copper is looked up through a grid of its figures' boxes.
CCopperNets CopperNets(const CPrimitiveList& list);
// Wires meet at exact points, found through those points sorted by rows and columns.
CNetList WireNets(const CPrimitiveList& list);

// The list's primitives in the nets of the chosen ones, these included, in
// list order: what "connected to the selection" selects.
std::vector<CPrimitive*> ConnectedTo(const CPrimitiveList& list,
                                     const std::vector<const CPrimitive*>& chosen);

// One line per net, copper first: "N: " and its members' lines joined by " | ".
std::string NetsText(const CPrimitiveList& list);
