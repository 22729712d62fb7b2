#include "doc/drawing_diff.h"

#include "doc/diff_matching.h"
#include "doc/document.h"
#include "doc/layer_walk.h"
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

// Pairs the left-over ones that only moved; the others are removed or added.
std::vector<CDrawingChange> PrimitiveChanges(const CMatching& m, const CPrimitiveList& oldList,
                                             const CPrimitiveList& newList,
                                             const CWrittenLines& oldLines,
                                             const CWrittenLines& newLines) {
    std::unordered_map<std::string, std::vector<int>> removedByKey;
    for (auto it = m.removed.rbegin(); it != m.removed.rend(); ++it)
        removedByKey[MoveKey(*oldList[std::size_t(*it)])].push_back(*it);
    std::vector<char> paired(oldList.size(), 0);
    std::vector<CDrawingChange> out;
    for (int n : m.added) {
        const auto it = removedByKey.find(MoveKey(*newList[std::size_t(n)]));
        if (it == removedByKey.end() || it->second.empty()) {
            out.push_back(MakeChange(CHANGE_ADDED, -1, n, oldLines, newLines, oldList, newList));
            continue;
        }
        const int o = it->second.back();
        it->second.pop_back();
        paired[std::size_t(o)] = 1;
        out.push_back(MakeChange(CHANGE_MOVED, o, n, oldLines, newLines, oldList, newList));
    }
    for (int o : m.removed)
        if (!paired[std::size_t(o)])
            out.push_back(MakeChange(CHANGE_REMOVED, o, -1, oldLines, newLines, oldList, newList));
    return out;
}

int KindRank(EDrawingChangeKind k) {
    return k == CHANGE_REMOVED ? 0 : k == CHANGE_MOVED ? 1 : 2;
}

void SortByPosition(std::vector<CDrawingChange>& changes) {
    std::sort(changes.begin(), changes.end(), [](const CDrawingChange& a, const CDrawingChange& b) {
        return std::make_tuple(a.at.y, a.at.x, KindRank(a.nKind), a.strOld, a.strNew) <
               std::make_tuple(b.at.y, b.at.x, KindRank(b.nKind), b.strOld, b.strNew);
    });
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
