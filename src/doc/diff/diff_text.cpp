// The words of a comparison: its text lines and its legend.
#include "doc/diff/drawing_diff.h"
#include "model/translate_noop.h"

namespace {
// Each line of `lines` (a macro group writes several) after the prefix.
std::string Prefixed(const char* prefix, const std::string& lines) {
    std::string out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = lines.find("\r\n", from);
        if (!out.empty()) out += '\n';
        out += prefix + lines.substr(from, end == std::string::npos ? end : end - from);
        if (end == std::string::npos) return out;
        from = end + 2;
    }
}

// A group of several lines reads as one on either side of the arrow.
std::string OneLine(std::string s) {
    for (std::size_t at = s.find("\r\n"); at != std::string::npos; at = s.find("\r\n", at))
        s.replace(at, 2, " | ");
    return s;
}

struct CountWords {
    const char* one;
    const char* many;
};
const CountWords kCountWords[] = {
    {QT_TRANSLATE_NOOP("CDrawingDiff", "aggiunto"), QT_TRANSLATE_NOOP("CDrawingDiff", "aggiunti")},
    {QT_TRANSLATE_NOOP("CDrawingDiff", "rimosso"), QT_TRANSLATE_NOOP("CDrawingDiff", "rimossi")},
    {QT_TRANSLATE_NOOP("CDrawingDiff", "spostato"), QT_TRANSLATE_NOOP("CDrawingDiff", "spostati")},
};
const char* const kOrderChanged = QT_TRANSLATE_NOOP("CDrawingDiff", "ordine cambiato");
const char* const kTitleChanged = QT_TRANSLATE_NOOP("CDrawingDiff", "titolo cambiato");

std::string Word(LegendWords words, const char* pszWord) {
    return words ? words("CDrawingDiff", pszWord) : pszWord;
}
} // namespace

std::string CDrawingChange::TextLine() const {
    switch (nKind) {
    case CHANGE_ADDED:
        return Prefixed("+ ", strNew);
    case CHANGE_REMOVED:
        return Prefixed("- ", strOld);
    case CHANGE_ORDER:
        return "= order";
    case CHANGE_MOVED:
    case CHANGE_TITLE:
        break;
    }
    return "~ " + OneLine(strOld) + " -> " + OneLine(strNew);
}

std::string CDrawingDiff::Legend(LegendWords words) const {
    const int counts[] = {nAdded, nRemoved, nMoved};
    std::string out;
    for (int i = 0; i < 3; ++i) {
        if (i) out += ", ";
        out += std::to_string(counts[i]) + ' ' +
               Word(words, counts[i] == 1 ? kCountWords[i].one : kCountWords[i].many);
    }
    if (bOrder) out += ", " + Word(words, kOrderChanged);
    if (bTitle) out += ", " + Word(words, kTitleChanged);
    return out;
}

std::string CDrawingDiff::Text() const {
    std::string out;
    for (const CDrawingChange& c : changes)
        out += c.TextLine() + '\n';
    return out;
}
