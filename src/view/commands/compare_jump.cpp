#include "view/commands/compare_jump.h"

#include "format/writer.h"

namespace {
bool Writes(const CPrimitive& p, const std::string& line) {
    std::string s = FormatPrimitive(p, false);
    if (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0) s.resize(s.size() - 2);
    return s == line;
}

int FindWritten(const std::string& line, int nHint, const CPrimitiveList& doc) {
    if (nHint >= 0 && std::size_t(nHint) < doc.size() && Writes(*doc[std::size_t(nHint)], line))
        return nHint;
    for (std::size_t i = 0; i < doc.size(); ++i)
        if (Writes(*doc[i], line)) return int(i);
    return -1;
}
} // namespace

CCompareJump JumpForChange(const CDrawingChange& change, const CPrimitiveList& doc) {
    CCompareJump j;
    if (change.nKind == CHANGE_ORDER || change.nKind == CHANGE_TITLE) return j;
    j.bGo = true;
    j.centre = change.at;
    if (change.nNew < 0) return j;
    j.nPrimitive = FindWritten(change.strNew, change.nNew, doc);
    if (j.nPrimitive >= 0) {
        const CRect box = doc[std::size_t(j.nPrimitive)]->GetBounds();
        j.centre = {box.left + (box.right - box.left) / 2, box.top + (box.bottom - box.top) / 2};
    }
    return j;
}
