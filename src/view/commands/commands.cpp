#include "view/commands/commands.h"

namespace {
const int kToolCommands[TOOL_COUNT] = {
    ID_TOOL_SELECT,     ID_TOOL_ZOOM,    ID_TOOL_HAND,    ID_TOOL_LINE,    ID_TOOL_TEXT,
    ID_TOOL_CONNECTION, ID_TOOL_BEZIER,  ID_TOOL_POLYGON, ID_TOOL_ELLIPSE, ID_TOOL_RECTANGLE,
    ID_TOOL_MACRO,      ID_TOOL_PCBLINE, ID_TOOL_PCBPAD,
};
} // namespace

int ToolCommand(int nTool) {
    return nTool >= 0 && nTool < TOOL_COUNT ? kToolCommands[nTool] : 0;
}

int CommandTool(int nCommand) {
    for (int t = 0; t < TOOL_COUNT; ++t)
        if (kToolCommands[t] == nCommand) return t;
    return -1;
}
