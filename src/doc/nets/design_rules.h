#pragma once
// The rules a board house makes boards to, checked on the copper of layers 1
// and 2, the pads' holes and the outline layer.
#include "doc/nets/nets.h"

#include <cstdint>
#include <string>
#include <vector>

// Lengths in nanometres; the defaults are what cheap board houses publish.
struct CDesignRules {
    std::int64_t nMinTrack = 150000;
    std::int64_t nClearance = 150000; // between copper of different nets
    std::int64_t nMinDrill = 300000;
    std::int64_t nMinRing = 150000;
    std::int64_t nHoleToHole = 250000;
    std::int64_t nEdge = 300000;
    int nOutlineLayer = -1; // -1: no outline drawn, the edge is left unchecked
    int nMicronsPerUnit = 127;
};

// The rules that are lengths, in the order the dialog, the settings and the
// command line list them: track, clearance, drill, ring, hole to hole, edge.
constexpr int RULE_LENGTH_COUNT = 6;
extern std::int64_t CDesignRules::*const kRuleLengths[RULE_LENGTH_COUNT];

enum RuleKind {
    RULE_THIN_TRACK,
    RULE_CLEARANCE,
    RULE_SMALL_DRILL,
    RULE_THIN_RING,
    RULE_HOLES_CLOSE,
    RULE_EDGE,
    RULE_OUTSIDE,
    RULE_OUTLINE_OPEN,
};

struct CRuleFinding {
    RuleKind nKind = RULE_THIN_TRACK;
    std::vector<CNetMember> prims; // none for an open outline
    CVec at;                       // drawing units
    // Nanometres; the measured value down to the micrometre. Both 0 where
    // nothing is measured (copper outside, an open outline).
    std::int64_t nMeasured = 0, nRule = 0;
};

// In the order of the kinds, then of the list.
std::vector<CRuleFinding> CheckDesignRules(const CPrimitiveList& list, const CDesignRules& rules);

// The kind's name, a message to translate.
const char* RuleKindName(RuleKind nKind);
// "x y: measured < rule" in drawing units and millimetres, or "x y".
std::string FindingPlace(const CRuleFinding& f);
