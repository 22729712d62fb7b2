#include "doc/fab/fab_drill.h"

#include "model/cp1252.h"

#include <map>

std::string DrillText(const std::set<CDrillHole>& holes, const CFabHeader& h, int nCopperLayers) {
    std::map<std::int64_t, std::vector<CFabPoint>> byTool;
    for (const auto& [at, d] : holes)
        byTool[d].push_back(at);
    std::string out = "M48\n; #@! TF.GenerationSoftware,Tavolin,Tavolin," + h.strVersion +
                      "\n; #@! TF.CreationDate," + FormatIsoDate(h.date) +
                      "\n; #@! TF.FileFunction,Plated,1," + std::to_string(nCopperLayers) +
                      ",PTH\n; #@! TF.FilePolarity,Positive\nFMAT,2\nMETRIC\n";
    int tool = 0;
    for (const auto& [d, pts] : byTool)
        out += "T" + std::to_string(++tool) + "C" + FormatMm(d) + "\n";
    out += "%\nG05\n";
    tool = 0;
    for (const auto& [d, pts] : byTool) {
        out += "T" + std::to_string(++tool) + "\n";
        for (const CFabPoint& p : pts)
            out += "X" + FormatMm(p.x) + "Y" + FormatMm(p.y) + "\n";
    }
    return out + "M30\n";
}

// Names are Windows-1252 bytes; JSON wants their characters.
std::string JsonString(const std::string& s) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char16_t c : Cp1252ToUtf16(s)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c >= 0x80) {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(c >> shift) & 15];
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string JobText(const std::vector<CFabFile>& files, const std::string& strProject,
                    const CFabBox& board, int nCopperLayers, const CFabHeader& h) {
    std::string out =
        "{\n  \"Header\": {\n    \"GenerationSoftware\": {\"Vendor\": \"Tavolin\", "
        "\"Application\": \"Tavolin\", \"Version\": " +
        JsonString(h.strVersion) +
        "},\n    \"CreationDate\": " + JsonString(FormatIsoDate(h.date)) +
        "\n  },\n  \"GeneralSpecs\": {\n    \"ProjectId\": {\"Name\": " + JsonString(strProject) +
        "},\n    \"Size\": {\"X\": " + FormatMm(board.r - board.l) +
        ", \"Y\": " + FormatMm(board.t - board.b) +
        "},\n    \"LayerNumber\": " + std::to_string(nCopperLayers) +
        "\n  },\n  \"FilesAttributes\": [";
    const char* sep = "\n";
    for (const CFabFile& f : files) {
        out += sep;
        out += "    {\"Path\": " + JsonString(f.strName) +
               ", \"FileFunction\": " + JsonString(f.strFunction) + ", \"FilePolarity\": \"" +
               (f.bNegative ? "Negative" : "Positive") + "\"}";
        sep = ",\n";
    }
    return out + "\n  ]\n}\n";
}
