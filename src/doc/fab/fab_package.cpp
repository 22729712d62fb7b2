#include "doc/fab/fab_package.h"

#include "doc/fab/fab_artwork.h"
#include "doc/fab/fab_zip.h"
#include "model/pcbpad.h"

namespace {
constexpr std::int64_t kDefaultMarginNm = 1000000;
// %FSLAX46Y46*%: four digits of whole millimetres.
constexpr std::int64_t kMaxCoordinateNm = 9999999999;

bool FitsFormat(const CFabBox& b) {
    return b.IsEmpty() || (b.l >= -kMaxCoordinateNm && b.r <= kMaxCoordinateNm &&
                           b.b >= -kMaxCoordinateNm && b.t <= kMaxCoordinateNm);
}

struct CCopperSide {
    int nLayer;
    const char* szExt;
    const char* szMaskExt;
    const char* szSide;
    CGerberFile copper, mask;
    bool bUsed = false;
};

void AddFile(CFabSet& set, const std::string& name, const char* ext, const CGerberFile& g) {
    set.files.push_back({name + "." + ext, g.Function(), g.IsNegative(), g.Text()});
}

// The copper of both sides, the pads apart: through-hole, they go on every side.
std::vector<CFabPad> WalkCopper(const CLayerBuckets& buckets, CArtworkWriter& w,
                                CCopperSide (&sides)[2], std::set<CDrillHole>& holes) {
    std::vector<CFabPad> pads;
    for (CCopperSide& s : sides)
        ForEachOnLayer(buckets, s.nLayer, [&](const CPrimitive& p) {
            s.bUsed = true;
            if (auto* pad = dynamic_cast<const CPCBPad*>(&p)) {
                pads.push_back(w.Pad(*pad));
                holes.insert({pads.back().at, pads.back().nHole});
            } else {
                w.Emit(p, s.copper, "Conductor");
            }
        });
    return pads;
}

void NameSides(CCopperSide (&sides)[2], int nLayers) {
    int n = 0;
    for (CCopperSide& s : sides) {
        if (!s.bUsed) continue;
        s.copper.SetFunction("Copper,L" + std::to_string(++n == 1 ? 1 : nLayers) + "," + s.szSide);
        s.mask.SetFunction(std::string("Soldermask,") + s.szSide);
    }
}

void DrawProfileBox(CGerberFile& profile, CFabBox box, std::int64_t nStroke) {
    box = {box.l - kDefaultMarginNm, box.b - kDefaultMarginNm, box.r + kDefaultMarginNm,
           box.t + kDefaultMarginNm};
    profile.Stroke(
        nStroke, "Profile",
        {{box.l, box.b}, {box.r, box.b}, {box.r, box.t}, {box.l, box.t}, {box.l, box.b}});
}
} // namespace

namespace {
// The pads on every side written, and their mask openings; the box of all copper.
CFabBox FlashPads(CCopperSide (&sides)[2], const std::vector<CFabPad>& pads) {
    CFabBox ink;
    for (CCopperSide& s : sides) {
        if (!s.bUsed) continue;
        for (const CFabPad& pad : pads) {
            s.copper.Flash(pad.copper, pad.at);
            if (pad.mask.nW > 0 && pad.mask.nH > 0) s.mask.Flash(pad.mask, pad.at);
        }
        ink.AddBox(s.copper.InkBox());
    }
    return ink;
}

void ListFiles(CFabSet& set, const std::string& name, const CCopperSide (&sides)[2],
               const CGerberFile& legend, const CGerberFile& profile,
               const std::set<CDrillHole>& holes, const CFabHeader& h) {
    for (const CCopperSide& s : sides)
        if (s.bUsed) AddFile(set, name, s.szExt, s.copper);
    for (const CCopperSide& s : sides)
        if (s.bUsed) AddFile(set, name, s.szMaskExt, s.mask);
    if (!legend.IsEmpty()) AddFile(set, name, "GTO", legend);
    AddFile(set, name, "GKO", profile);
    const std::string drill = "Plated,1," + std::to_string(set.nCopperLayers) + ",PTH";
    if (!holes.empty())
        set.files.push_back({name + ".DRL", drill, false, DrillText(holes, h, set.nCopperLayers)});
    const std::string job = JobText(set.files, name, set.board, set.nCopperLayers, h);
    set.files.push_back({name + ".gbrjob", "", false, job});
}
} // namespace

CFabSet MakeFabSet(const CPrimitiveList& list, const std::string& strName, const CFabOptions& o,
                   const CFabHeader& h, IGlyphOutlines& glyphs) {
    CFabSet set;
    const CLayerBuckets buckets(list);
    CArtworkWriter w(CFabScale{std::int64_t(o.nMicronsPerUnit) * 1000}, o.nStroke, o.nMaskExpansion,
                     glyphs);
    CCopperSide sides[2] = {{FAB_LAYER_TOP, "GTL", "GTS", "Top", {h, "", false}, {h, "", true}},
                            {FAB_LAYER_BOTTOM, "GBL", "GBS", "Bot", {h, "", false}, {h, "", true}}};
    std::set<CDrillHole> holes;
    const std::vector<CFabPad> pads = WalkCopper(buckets, w, sides, holes);
    set.nCopperLayers = int(sides[0].bUsed) + int(sides[1].bUsed);
    if (set.nCopperLayers == 0) {
        set.result = FAB_NO_COPPER;
        return set;
    }
    NameSides(sides, set.nCopperLayers);
    CGerberFile legend(h, "Legend,Top", false), profile(h, "Profile,NP", false);
    ForEachOnLayer(buckets, FAB_LAYER_LEGEND, [&](const CPrimitive& p) { w.Emit(p, legend, ""); });
    CFabBox ink = FlashPads(sides, pads);
    ink.AddBox(legend.InkBox());
    set.bOutlineAround = o.nOutlineLayer < 0;
    if (set.bOutlineAround) {
        DrawProfileBox(profile, ink, o.nStroke);
    } else {
        ForEachOnLayer(buckets, o.nOutlineLayer,
                       [&](const CPrimitive& p) { w.Emit(p, profile, "Profile", true); });
        if (!w.ProfileClosed()) {
            set.result = FAB_OUTLINE_OPEN;
            return set;
        }
    }
    ink.AddBox(profile.InkBox());
    if (!FitsFormat(ink)) {
        set.result = FAB_TOO_LARGE;
        return set;
    }
    set.board = profile.PointBox();
    ListFiles(set, strName, sides, legend, profile, holes, h);
    return set;
}

std::string FabZip(const CFabSet& set, const CFabDate& date) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const CFabFile& f : set.files)
        files.emplace_back(f.strName, f.strData);
    return ZipStored(files, date);
}
