#pragma once
// A drawing's artwork as the files a board house takes: copper, solder mask,
// silkscreen, profile, drill and job file. Layer 1 is the bottom copper,
// layer 2 the top copper, layer 3 the top silkscreen, seen from the
// component side; the files are never mirrored.
#include "doc/fab/fab_drill.h"
#include "model/primitive.h"

class IGlyphOutlines;

constexpr int FAB_LAYER_BOTTOM = 1, FAB_LAYER_TOP = 2, FAB_LAYER_LEGEND = 3;

struct CFabOptions {
    int nMicronsPerUnit = 127;
    int nOutlineLayer = -1;          // 0..15; -1: the box around layers 1 to 3, 1 mm wider
    std::int64_t nMaskExpansion = 0; // nanometres
    std::int64_t nStroke = 150000;   // nanometres, lines, outlines and texts
};

// FAB_TOO_LARGE: something lies beyond the 10 m the coordinates can say.
enum FabResult { FAB_OK, FAB_NO_COPPER, FAB_OUTLINE_OPEN, FAB_TOO_LARGE };

struct CFabSet {
    FabResult result = FAB_OK;
    std::vector<CFabFile> files; // in the order they are listed
    int nCopperLayers = 0;
    CFabBox board;
    bool bOutlineAround = false; // no outline layer: the box around layers 1 to 3
};

// strName: the drawing's file name without its extension.
CFabSet MakeFabSet(const CPrimitiveList& list, const std::string& strName, const CFabOptions& o,
                   const CFabHeader& header, IGlyphOutlines& glyphs);

// The set as one archive.
std::string FabZip(const CFabSet& set, const CFabDate& date);
