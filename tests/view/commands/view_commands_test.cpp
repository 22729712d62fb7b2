#include "support/core_test.h"
#include "view/commands/view_commands.h"

// Each view command changes its own part of the coordinates and says what the
// view does next; the toggles come back with a second run.
TEST(ViewCommands, EachChangesItsOwnCoordinateAndSaysWhatFollows) {
    const struct {
        int nId;
        ViewFollowUp followUp;
        const char* changed; // "stretch snap pcb scroll" after one run
    } rows[] = {
        {ID_STRETCH, VIEW_ZOOMED, "1 1 0 0,0"},
        {ID_SNAP, VIEW_AS_IS, "0 0 0 0,0"},
        {ID_PCB_MODE, VIEW_AS_IS, "0 1 1 0,0"},
        {ID_MACRO_ORIGIN, VIEW_SCROLLED, "0 1 0 90,90"},
        {ID_FIT, VIEW_FIT, "0 1 0 0,0"},
        {ID_GRID, VIEW_EDIT_GRID, "0 1 0 0,0"},
        {ID_REFRESH_DOCUMENT, VIEW_MEASURE_ALL, "0 1 0 0,0"},
        {ID_FILE_NEW, VIEW_AS_IS, "0 1 0 0,0"},
    };
    for (const auto& r : rows) {
        CViewCoords coords;
        coords.SetClientSize(400, 300);
        const auto state = [&] {
            const CPoint pos = coords.GetScrollPos();
            return std::to_string(coords.m_bStretch) + " " + std::to_string(coords.m_grid.bSnap) +
                   " " + std::to_string(coords.m_bPCBMode) + " " + std::to_string(pos.x) + "," +
                   std::to_string(pos.y);
        };
        EXPECT_EQ(r.followUp, RunViewCommand(r.nId, coords)) << r.nId;
        EXPECT_EQ(r.changed, state()) << r.nId;
        if (r.nId != ID_MACRO_ORIGIN) RunViewCommand(r.nId, coords);
        EXPECT_EQ("0 1 0 " + std::string(r.nId == ID_MACRO_ORIGIN ? "90,90" : "0,0"), state())
            << r.nId;
    }
}
