#include "doc/nets/nets.h"

#include "doc/nets/net_union.h"
#include "model/macro.h"

#include <unordered_set>

namespace {
void AddCopper(CCopperNets& nets, const CPrimitive& p, const CPrimitive& top) {
    if (p.GetCapabilities() & CAP_MACRO) {
        for (const auto& c : static_cast<const CMacro&>(p).m_components)
            AddCopper(nets, *c, top);
        return;
    }
    CCopperShape shape;
    if (!IsCopperLayer(p.GetLayer()) || !p.IsComplete() || !CopperShape(p, shape)) return;
    nets.members.push_back({&p, &top, -1});
    nets.shapes.push_back(std::move(shape));
    nets.layers.push_back(IsClassNamed(p, "CPCBPad")
                              ? (1u << NET_LAYER_BOTTOM) | (1u << NET_LAYER_TOP)
                              : 1u << p.GetLayer());
}

CBox BoxOf(const CCopperShape& s) {
    return {s.l, s.t, s.rt, s.b};
}
} // namespace

std::pair<int, int> CNetList::RangeOf(const CPrimitive* pTop) const {
    const auto it = ranges.find(pTop);
    return it == ranges.end() ? std::make_pair(0, 0) : it->second;
}

CCopperNets CopperNets(const CPrimitiveList& list) {
    CCopperNets nets;
    for (const auto& p : list) {
        const int first = int(nets.members.size());
        AddCopper(nets, *p, *p);
        if (int(nets.members.size()) > first)
            nets.ranges[p.get()] = {first, int(nets.members.size())};
    }
    std::vector<CBox> boxes;
    for (const CCopperShape& s : nets.shapes)
        boxes.push_back(BoxOf(s));
    nets.grid = CBoxGrid(std::move(boxes));
    CUnion u(nets.members.size());
    for (int i = 0; i < int(nets.members.size()); ++i)
        nets.grid.Query(BoxOf(nets.shapes[i]), [&](int j) {
            if (j > i && (nets.layers[i] & nets.layers[j]) &&
                ShapesTouch(nets.shapes[i], nets.shapes[j]))
                u.Join(i, j);
        });
    GroupNets(nets, u);
    return nets;
}

namespace {
void AppendNets(const CNetList& nets, int& nNumber, std::string& out) {
    for (const std::vector<int>& net : nets.nets) {
        out += std::to_string(++nNumber) + ":";
        const CPrimitive* pLast = nullptr;
        for (int m : net) {
            const CPrimitive* p = nets.members[m].p;
            if (p == pLast) continue; // a symbol's points of one net: one line
            std::string line;
            p->GetTextLine(line, false);
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            out += (pLast ? " | " : " ") + line;
            pLast = p;
        }
        out += '\n';
    }
}
} // namespace

std::string NetsText(const CPrimitiveList& list) {
    std::string out;
    int n = 0;
    AppendNets(CopperNets(list), n, out);
    AppendNets(WireNets(list), n, out);
    return out;
}

namespace {
void AddConnected(const CNetList& nets, const std::unordered_set<const CPrimitive*>& chosen,
                  std::unordered_set<const CPrimitive*>& out) {
    for (const std::vector<int>& net : nets.nets) {
        bool bChosen = false;
        for (int m : net)
            bChosen = bChosen || chosen.count(nets.members[m].pTop);
        for (int m : net)
            if (bChosen) out.insert(nets.members[m].pTop);
    }
}
} // namespace

std::vector<CPrimitive*> ConnectedTo(const CPrimitiveList& list,
                                     const std::vector<const CPrimitive*>& chosen) {
    const std::unordered_set<const CPrimitive*> given(chosen.begin(), chosen.end());
    std::unordered_set<const CPrimitive*> found(given);
    AddConnected(CopperNets(list), given, found);
    AddConnected(WireNets(list), given, found);
    std::vector<CPrimitive*> out;
    for (const auto& p : list)
        if (found.count(p.get())) out.push_back(p.get());
    return out;
}
