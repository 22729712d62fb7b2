// The exact text of small Gerber files: header, apertures defined once where
// first used, flashes, draws and regions.
#include "doc/fab/gerber_file.h"

#include <gtest/gtest.h>

namespace {
const CFabHeader kHeader{"1.0", {2026, 12, 8, 13, 5, 0}};

std::string Body(const CGerberFile& g) {
    const std::string t = g.Text();
    const std::size_t from = t.find("G01*\n") + 5;
    return t.substr(from, t.size() - from - 5); // without "M02*\n"
}
} // namespace

TEST(GerberFile, HeaderCarriesTheAttributesAndTheFormat) {
    CGerberFile g(kHeader, "Soldermask,Top", true);
    EXPECT_TRUE(g.IsEmpty());
    EXPECT_EQ(g.Text(), "G04 #@! TF.GenerationSoftware,Tavolin,Tavolin,1.0*\n"
                        "G04 #@! TF.CreationDate,2026-12-08T13:05:00+00:00*\n"
                        "G04 #@! TF.SameCoordinates,Original*\n"
                        "G04 #@! TF.FileFunction,Soldermask,Top*\n"
                        "G04 #@! TF.FilePolarity,Negative*\n"
                        "%FSLAX46Y46*%\n%MOMM*%\n%LPD*%\nG01*\nM02*\n");
}

TEST(GerberFile, FiguresShareTheirApertures) {
    const struct {
        const char* name;
        void (*draw)(CGerberFile&);
        const char* body;
    } kCases[] = {
        {"flashes of one aperture, then another",
         [](CGerberFile& g) {
             const CAperture round{AP_CIRCLE, 1143000, 1143000, 0, 0, "ComponentPad"};
             g.Flash(round, {1000000, -2000000});
             g.Flash({AP_RECT, 1143000, 762000, 0, 0, "ComponentPad"}, {0, 0});
             g.Flash(round, {5, 6});
         },
         "G04 #@! TA.AperFunction,ComponentPad*\n%ADD10C,1.143*%\nD10*\n"
         "X1000000Y-2000000D03*\n%ADD11R,1.143X0.762*%\nD11*\nX0Y0D03*\nD10*\nX5Y6D03*\n"},
        {"a track, a repeated point dropped; a dot",
         [](CGerberFile& g) {
             g.Stroke(254000, "Conductor", {{0, 0}, {0, 0}, {100, 0}, {100, -100}});
             g.Stroke(254000, "Conductor", {{7, 7}, {7, 7}});
         },
         "G04 #@! TA.AperFunction,Conductor*\n%ADD10C,0.254*%\nD10*\nX0Y0D02*\nX100Y0D01*\n"
         "X100Y-100D01*\nX7Y7D03*\n"},
        {"a region closed exactly, then strokes without a function",
         [](CGerberFile& g) {
             g.Region("Conductor", {{0, 0}, {10, 0}, {10, 10}, {0, 0}});
             g.Region("Conductor", {{0, 0}, {10, 0}, {0, 0}}); // no area: left out
             g.Stroke(150000, "", {{0, 0}, {3, 4}});
         },
         "G04 #@! TA.AperFunction,Conductor*\nG36*\nX0Y0D02*\nX10Y0D01*\nX10Y10D01*\n"
         "X0Y0D01*\nG37*\nG04 #@! TD.AperFunction*\n%ADD10C,0.15*%\nD10*\nX0Y0D02*\n"
         "X3Y4D01*\n"},
    };
    for (const auto& c : kCases) {
        CGerberFile g(kHeader, "Copper,L1,Top", false);
        c.draw(g);
        EXPECT_EQ(Body(g), c.body) << c.name;
    }
}

TEST(GerberFile, MacroPadsAreOutlinesOfLiteralCoordinates) {
    CGerberFile g(kHeader, "Copper,L1,Top", false);
    g.Flash({AP_ELLIPSE, 2000000, 1000000, 0, 0, ""}, {0, 0});
    g.Flash({AP_ROUNDED, 2000000, 1000000, 500000, 250000, ""}, {0, 0});
    const std::string body = Body(g);
    // One outline primitive each, closed on its first point, with no variable.
    EXPECT_EQ(body.find('$'), std::string::npos);
    EXPECT_EQ(body.rfind("%AMPAD10*\n4,1,40,1,0,0.987688,0.078217,", 0), 0u);
    EXPECT_NE(body.find(",1,0,0*\n%\n%ADD10PAD10*%\nD10*\nX0Y0D03*\n%AMPAD11*\n4,1,40,1,0.25,"),
              std::string::npos);
    // The rounded corners start where the straight edges end.
    const auto rr = ApertureOutline({AP_ROUNDED, 2000000, 1000000, 500000, 250000, ""});
    EXPECT_EQ(rr[0], (CFabPoint{1000000, 250000}));
    EXPECT_EQ(rr[9], (CFabPoint{500000, 500000}));
    EXPECT_EQ(rr[10], (CFabPoint{-500000, 500000}));
}
