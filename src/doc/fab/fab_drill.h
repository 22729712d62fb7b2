#pragma once
// The drill file (Excellon) and the job file that lists a fabrication set.
#include "doc/fab/gerber_file.h"

#include <set>
#include <utility>
#include <vector>

// A hole: its centre and its diameter. Two pads with the same give one hole.
using CDrillHole = std::pair<CFabPoint, std::int64_t>;

// One tool per diameter, smallest first; metric, decimal millimetres.
std::string DrillText(const std::set<CDrillHole>& holes, const CFabHeader& h, int nCopperLayers);

struct CFabFile {
    std::string strName, strFunction;
    bool bNegative = false;
    std::string strData;
};

// The job file: the files with their functions and polarities, the board's
// size and its number of copper layers.
std::string JobText(const std::vector<CFabFile>& files, const std::string& strProject,
                    const CFabBox& board, int nCopperLayers, const CFabHeader& h);

std::string JsonString(const std::string& s);
