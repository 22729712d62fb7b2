// The editor's command line and the settings dialog's checks.
#include "view/command_line.h"
#include "view/config_values.h"

#include <gtest/gtest.h>

TEST(CommandLine, OptionsAndFilesInAnyOrder) {
    CCommandLine cl;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"a.tvd", "--zoom", "250", "--origin", "-5,90", "--trace",
                                  "--no-splash", "--program-dir", "/p", "--help", "--version", "--",
                                  "--b.tvd"},
                                 cl, error));
    EXPECT_EQ(cl.files, (std::vector<std::string>{"a.tvd", "--b.tvd"}));
    EXPECT_EQ(cl.nZoom, 250);
    EXPECT_TRUE(cl.bOrigin && cl.nOriginX == -5 && cl.nOriginY == 90);
    EXPECT_TRUE(cl.bTrace && cl.bNoSplash && cl.bHelp && cl.bVersion);
    EXPECT_EQ(cl.programDir, "/p");
}

TEST(CommandLine, BadValuesAndUnknownOptionsAreRefused) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--zoom", "5"}, {"--zoom", "abc"}, {"--zoom"}, {"--origin", "3"},
          {"--origin", "1,2,3"}, {"--bogus"}, {"--program-dir"}}) {
        CCommandLine cl;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, cl, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(ConfigValues, ARefusedValueAppliesNothingAndAGoodOneAppliesAll) {
    CSettings s;
    CConfigValues v = CConfigValues::From(s);
    EXPECT_EQ(v.micronsText, "127");
    v.bSplit = 0;
    v.nMacrobarSize = 2;
    for (const char* bad : {"0", "1001", "", "12a", "-3"}) {
        v.micronsText = bad;
        EXPECT_FALSE(v.ApplyTo(s)) << bad;
        EXPECT_EQ(s.bSplit, 1); // nothing taken before the refusal
        EXPECT_EQ(s.nMacrobarSize, 1);
    }
    v.micronsText = " 1000 ";
    ASSERT_TRUE(v.ApplyTo(s));
    EXPECT_EQ(s.bSplit, 0);
    EXPECT_EQ(s.nMacrobarSize, 2);
    EXPECT_EQ(s.nMicronsPerUnit, 1000);
}
