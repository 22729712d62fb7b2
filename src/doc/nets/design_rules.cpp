#include "doc/nets/design_rules.h"

std::int64_t CDesignRules::*const kRuleLengths[RULE_LENGTH_COUNT] = {
    &CDesignRules::nMinTrack, &CDesignRules::nClearance,  &CDesignRules::nMinDrill,
    &CDesignRules::nMinRing,  &CDesignRules::nHoleToHole, &CDesignRules::nEdge};

#include "doc/document/document_ui.h"
#include "doc/fab/fab_units.h"
#include "doc/nets/board_outline.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"

#include <cmath>

namespace {
// Lengths within half a nanometre of a rule meet it.
constexpr double kSlackNm = 0.5;

CVec Middle(CVec a, CVec b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

class CChecker {
  public:
    CChecker(const CPrimitiveList& list, const CDesignRules& rules)
        : m_list(list), m_rules(rules), m_nets(CopperNets(list)),
          m_dNm(double(rules.nMicronsPerUnit) * 1000) {}
    std::vector<CRuleFinding> Run();

  private:
    // A finding when `units` drawing units fall short of a rule.
    void Compare(RuleKind k, double units, std::int64_t nRule, CVec at,
                 std::vector<CNetMember> prims);
    void Tracks();
    void Holes(); // drills and rings
    void HolesClose();
    void Clearances();
    void Edges();
    template <class F> void Near(int i, double reach, F f);

    const CPrimitiveList& m_list;
    const CDesignRules& m_rules;
    const CCopperNets m_nets;
    const double m_dNm; // per drawing unit
    std::vector<CRuleFinding> m_found;
};

void CChecker::Compare(RuleKind k, double units, std::int64_t nRule, CVec at,
                       std::vector<CNetMember> prims) {
    const double nm = units * m_dNm;
    if (nm >= double(nRule) - kSlackNm) return;
    m_found.push_back({k, std::move(prims), at, std::int64_t(std::floor(nm / 1000)) * 1000, nRule});
}

// f(j) for the copper items after i whose boxes come within reach of its box.
template <class F> void CChecker::Near(int i, double reach, F f) {
    const CCopperShape& s = m_nets.shapes[i];
    m_nets.grid.Query({s.l - reach, s.t - reach, s.rt + reach, s.b + reach}, [&](int j) {
        if (j > i) f(j);
    });
}

void CChecker::Tracks() {
    for (std::size_t i = 0; i < m_nets.members.size(); ++i)
        if (auto* t = dynamic_cast<const CPCBLine*>(m_nets.members[i].p)) {
            const CVec a{double(t->m_points[0].x), double(t->m_points[0].y)};
            const CVec b{double(t->m_points[1].x), double(t->m_points[1].y)};
            Compare(RULE_THIN_TRACK, t->m_nThickness, m_rules.nMinTrack, Middle(a, b),
                    {m_nets.members[i]});
        }
}

void CChecker::Holes() {
    for (RuleKind k : {RULE_SMALL_DRILL, RULE_THIN_RING})
        for (std::size_t i = 0; i < m_nets.members.size(); ++i)
            if (auto* pad = dynamic_cast<const CPCBPad*>(m_nets.members[i].p)) {
                const CVec at{double(pad->m_points[0].x), double(pad->m_points[0].y)};
                // The hole's edge is nearest the pad's where its side is shortest.
                const double ring = (std::min(pad->m_nSizeX, pad->m_nSizeY) - pad->m_nHole) / 2.0;
                if (k == RULE_SMALL_DRILL)
                    Compare(k, pad->m_nHole, m_rules.nMinDrill, at, {m_nets.members[i]});
                else
                    Compare(k, ring, m_rules.nMinRing, at, {m_nets.members[i]});
            }
}

void CChecker::HolesClose() {
    const double reach = double(m_rules.nHoleToHole) / m_dNm;
    for (int i = 0; i < int(m_nets.members.size()); ++i) {
        auto* a = dynamic_cast<const CPCBPad*>(m_nets.members[i].p);
        if (!a) continue;
        Near(i, reach, [&](int j) {
            auto* b = dynamic_cast<const CPCBPad*>(m_nets.members[j].p);
            if (!b || a->m_points[0] == b->m_points[0]) return; // one hole drilled once
            const CVec ca{double(a->m_points[0].x), double(a->m_points[0].y)};
            const CVec cb{double(b->m_points[0].x), double(b->m_points[0].y)};
            const double d = std::hypot(cb.x - ca.x, cb.y - ca.y);
            Compare(RULE_HOLES_CLOSE, d - (a->m_nHole + b->m_nHole) / 2.0, m_rules.nHoleToHole,
                    Middle(ca, cb), {m_nets.members[i], m_nets.members[j]});
        });
    }
}

void CChecker::Clearances() {
    const double reach = double(m_rules.nClearance) / m_dNm;
    for (int i = 0; i < int(m_nets.members.size()); ++i)
        Near(i, reach, [&](int j) {
            if (!(m_nets.layers[i] & m_nets.layers[j]) || m_nets.netOf[i] == m_nets.netOf[j])
                return;
            const CNearest n = ShapeDistance(m_nets.shapes[i], m_nets.shapes[j]);
            Compare(RULE_CLEARANCE, n.d, m_rules.nClearance, Middle(n.a, n.b),
                    {m_nets.members[i], m_nets.members[j]});
        });
}

void CChecker::Edges() {
    const CBoardOutline outline(m_list, m_rules.nOutlineLayer);
    CVec openAt;
    if (!outline.IsClosed(openAt)) {
        m_found.push_back({RULE_OUTLINE_OPEN, {}, openAt, 0, 0});
        return;
    }
    const double reach = double(m_rules.nEdge) / m_dNm;
    std::vector<CRuleFinding> outside;
    for (std::size_t i = 0; i < m_nets.members.size(); ++i) {
        const CCopperShape& s = m_nets.shapes[i];
        if (!outline.Holds(s.pts[0])) {
            outside.push_back({RULE_OUTSIDE, {m_nets.members[i]}, s.pts[0], 0, 0});
            continue;
        }
        const CNearest n = outline.Nearest(s, reach);
        if (n.d < HUGE_VAL) Compare(RULE_EDGE, n.d, m_rules.nEdge, n.a, {m_nets.members[i]});
    }
    m_found.insert(m_found.end(), outside.begin(), outside.end());
}

std::vector<CRuleFinding> CChecker::Run() {
    Tracks();
    Clearances();
    Holes();
    HolesClose();
    if (m_rules.nOutlineLayer >= 0) Edges();
    return std::move(m_found);
}
} // namespace

std::vector<CRuleFinding> CheckDesignRules(const CPrimitiveList& list, const CDesignRules& rules) {
    return CChecker(list, rules).Run();
}

const char* RuleKindName(RuleKind nKind) {
    switch (nKind) {
    case RULE_THIN_TRACK:
        return MSG_RULE_THIN_TRACK;
    case RULE_CLEARANCE:
        return MSG_RULE_CLEARANCE;
    case RULE_SMALL_DRILL:
        return MSG_RULE_SMALL_DRILL;
    case RULE_THIN_RING:
        return MSG_RULE_THIN_RING;
    case RULE_HOLES_CLOSE:
        return MSG_RULE_HOLES_CLOSE;
    case RULE_EDGE:
        return MSG_RULE_EDGE;
    case RULE_OUTSIDE:
        return MSG_RULE_OUTSIDE;
    case RULE_OUTLINE_OPEN:
        break;
    }
    return MSG_RULE_OUTLINE_OPEN;
}

std::string FindingPlace(const CRuleFinding& f) {
    std::string out =
        std::to_string(std::llround(f.at.x)) + " " + std::to_string(std::llround(f.at.y));
    if (f.nRule > 0) out += ": " + FormatMm(f.nMeasured) + " < " + FormatMm(f.nRule);
    return out;
}
