#include "doc/diff/drawing_diff.h"

#include "doc/diff/diff_matching.h"
#include "doc/diff/diff_nearest.h"
#include "doc/document/document.h"
#include "doc/scene/layer_walk.h"
#include "format/writer.h"
#include "model/macro.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace {
// The order matters only where it decides what is drawn on top: among the
// primitives one layer draws in one pass, as the layer walk sorts them.
bool OrderChanged(const std::vector<int>& newToOld, const CPrimitiveList& newList) {
    int last[NUM_LAYERS][NUM_PASSES];
    std::fill(&last[0][0], &last[0][0] + NUM_LAYERS * NUM_PASSES, -1);
    for (std::size_t i = 0; i < newList.size(); ++i) {
        const int o = newToOld[i], pass = newList[i]->GetDrawPriority();
        if (o < 0 || pass < 0 || pass >= NUM_PASSES) continue;
        const CPrimitive& p = *newList[i];
        const unsigned mask = (p.GetCapabilities() & CAP_MACRO)
                                  ? LayerMask(static_cast<const CMacro&>(p))
                              : CLayerTable::IsValid(p.GetLayer()) ? 1u << p.GetLayer()
                                                                   : 0u;
        for (int L = 0; L < NUM_LAYERS; ++L) {
            if (!(mask & (1u << L))) continue;
            if (o < last[L][pass]) return true;
            last[L][pass] = o;
        }
    }
    return false;
}

// Equal for two primitives that differ only by where they stand: a named
// macro by its name (it may be turned or mirrored too), anything else by its
// line once its first point is brought to the origin.
std::string MoveKey(const CPrimitive& p) {
    if (p.GetCapabilities() & CAP_MACRO) {
        const std::string& name = static_cast<const CMacro&>(p).m_strName;
        if (!name.empty()) return "MC " + name;
    }
    const std::unique_ptr<CPrimitive> c = p.Clone();
    const CPoint first = c->GetPoint(0);
    c->Move(-first.x, -first.y);
    return FormatPrimitive(*c, false);
}

CDrawingChange MakeChange(EDrawingChangeKind kind, int nOld, int nNew,
                          const CWrittenLines& oldLines, const CWrittenLines& newLines,
                          const CPrimitiveList& oldList, const CPrimitiveList& newList) {
    CDrawingChange c;
    c.nKind = kind;
    c.nOld = nOld;
    c.nNew = nNew;
    if (nOld >= 0) c.strOld = std::string(oldLines[std::size_t(nOld)]);
    if (nNew >= 0) c.strNew = std::string(newLines[std::size_t(nNew)]);
    c.at = nOld >= 0 ? oldList[std::size_t(nOld)]->GetPoint(0)
                     : newList[std::size_t(nNew)]->GetPoint(0);
    return c;
}

// Pairs the left-over ones that only moved, the nearest of one shape first
// (two equal symbols that swapped places are no long crossing moves); the
// others are removed or added.
std::vector<CDrawingChange> PrimitiveChanges(const CMatching& m, const CPrimitiveList& oldList,
                                             const CPrimitiveList& newList,
                                             const CWrittenLines& oldLines,
                                             const CWrittenLines& newLines) {
    std::unordered_map<std::string, std::pair<std::vector<int>, std::vector<int>>> byKey;
    for (int o : m.removed)
        byKey[MoveKey(*oldList[std::size_t(o)])].first.push_back(o);
    for (int n : m.added)
        byKey[MoveKey(*newList[std::size_t(n)])].second.push_back(n);
    std::vector<CDrawingChange> out;
    const auto change = [&](EDrawingChangeKind kind, int o, int n) {
        out.push_back(MakeChange(kind, o, n, oldLines, newLines, oldList, newList));
    };
    const auto places = [](const std::vector<int>& indices, const CPrimitiveList& list) {
        std::vector<CPoint> out;
        out.reserve(indices.size());
        for (int i : indices)
            out.push_back(list[std::size_t(i)]->GetPoint(0));
        return out;
    };
    for (const auto& entry : byKey) {
        const std::vector<int>&removed = entry.second.first, &added = entry.second.second;
        const std::vector<int> partner =
            PairNearest(places(removed, oldList), places(added, newList));
        std::vector<char> taken(added.size(), 0);
        for (std::size_t k = 0; k < removed.size(); ++k) {
            const int t = partner[k];
            if (t >= 0) taken[std::size_t(t)] = 1;
            change(t >= 0 ? CHANGE_MOVED : CHANGE_REMOVED, removed[k],
                   t >= 0 ? added[std::size_t(t)] : -1);
        }
        for (std::size_t k = 0; k < added.size(); ++k)
            if (!taken[k]) change(CHANGE_ADDED, -1, added[k]);
    }
    return out;
}

int KindRank(EDrawingChangeKind k) {
    return k == CHANGE_REMOVED ? 0 : k == CHANGE_MOVED ? 1 : 2;
}

void SortByPosition(std::vector<CDrawingChange>& changes) {
    const auto key = [](const CDrawingChange& c) {
        return std::tuple<int, int, int, const std::string&, const std::string&, int, int>(
            c.at.y, c.at.x, KindRank(c.nKind), c.strOld, c.strNew, c.nOld, c.nNew);
    };
    std::sort(changes.begin(), changes.end(),
              [&](const CDrawingChange& a, const CDrawingChange& b) { return key(a) < key(b); });
}
} // namespace

CDrawingDiff CompareLists(const std::string& oldTitle, const CPrimitiveList& oldList,
                          const std::string& newTitle, const CPrimitiveList& newList,
                          const char* keyword) {
    const CWrittenLines oldLines(oldList), newLines(newList);
    const CMatching m = MatchEqualLines(oldLines, newLines);
    std::vector<CDrawingChange> prims = PrimitiveChanges(m, oldList, newList, oldLines, newLines);
    SortByPosition(prims);
    CDrawingDiff d;
    d.bTitle = oldTitle != newTitle;
    if (d.bTitle) {
        CDrawingChange t;
        t.nKind = CHANGE_TITLE;
        t.strOld = "[" + std::string(keyword) + " " + oldTitle + "]";
        t.strNew = "[" + std::string(keyword) + " " + newTitle + "]";
        d.changes.push_back(t);
    }
    d.bOrder = OrderChanged(m.newToOld, newList);
    if (d.bOrder) {
        d.changes.emplace_back();
        d.changes.back().nKind = CHANGE_ORDER;
    }
    for (CDrawingChange& c : prims) {
        d.nAdded += c.nKind == CHANGE_ADDED;
        d.nRemoved += c.nKind == CHANGE_REMOVED;
        d.nMoved += c.nKind == CHANGE_MOVED;
        d.changes.push_back(std::move(c));
    }
    return d;
}

CDrawingDiff CompareDrawings(const CSchemoDoc& oldDoc, const CSchemoDoc& newDoc) {
    const char* keyword = newDoc.GetDocKind() == DOC_MACRO ? "MACROCAD" : "TAVOLIN";
    return CompareLists(oldDoc.m_strTitle, oldDoc.Primitives(), newDoc.m_strTitle,
                        newDoc.Primitives(), keyword);
}
