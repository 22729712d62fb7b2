#include "floor.h"

#include "model/macro.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
bool Accept(CFloorItem& it, FloorKind kind, int points, bool ok) {
    it.kind = kind;
    it.points = std::uint8_t(points);
    return ok;
}

bool ParseText(const char* s, CFloorItem& it) {
    char face[64];
    unsigned style = 0;
    int pos = 0;
    int* v = it.v;
    const int n = std::sscanf(s, "%d %d %d %d %d %u %d %63s %n", v, v + 1, v + 2, v + 3, v + 4,
                              &style, &it.layer, face, &pos);
    if (n < 8) return false;
    v[5] = int(style);
    it.face = face;
    if (pos > 0) it.text.assign(s + pos, std::strcspn(s + pos, "\r\n"));
    return Accept(it, FK_TEXT, 1, true);
}

bool ParsePoly(const char* s, CFloorItem& it, bool filled) {
    int* v = it.v;
    int extra = 0;
    const int n =
        std::sscanf(s, "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d", v, v + 1,
                    v + 2, v + 3, v + 4, v + 5, v + 6, v + 7, v + 8, v + 9, v + 10, v + 11, v + 12,
                    v + 13, v + 14, v + 15, v + 16, v + 17, v + 18, v + 19, &extra);
    if (n < 2) return false;
    if (n % 2 == 1) it.layer = n == 21 ? extra : v[n - 1];
    it.filled = filled;
    return Accept(it, FK_POLY, n / 2, true);
}

bool ParseMacro(const char* s, CFloorItem& it) {
    char key[64];
    int* v = it.v;
    const int n = std::sscanf(s, "%d %d %d %d %63s", v, v + 1, v + 2, v + 3, key);
    if (n < 5) return false;
    it.text = key;
    return Accept(it, FK_MACRO, 1, true);
}

// The commands made of numbers alone, the layer last and optional.
struct CNumbers {
    char key[3];
    FloorKind kind;
    int points;
    int fields; // with the layer
    bool filled;
};
const CNumbers kNumbers[] = {
    {"LI", FK_LINE, 2, 5, false},   {"SA", FK_DOT, 1, 3, false},     {"RV", FK_RECT, 2, 5, false},
    {"RP", FK_RECT, 2, 5, true},    {"EV", FK_ELLIPSE, 2, 5, false}, {"EP", FK_ELLIPSE, 2, 5, true},
    {"BE", FK_BEZIER, 4, 9, false}, {"PL", FK_TRACK, 2, 6, false},   {"PA", FK_PAD, 1, 7, false},
};

bool ParseNumbers(const char* s, CFloorItem& it, const CNumbers& c) {
    int* v = it.v;
    const int n = std::sscanf(s, "%d %d %d %d %d %d %d %d %d", v, v + 1, v + 2, v + 3, v + 4, v + 5,
                              v + 6, v + 7, v + 8);
    if (n < c.fields - 1) return false;
    if (n >= c.fields) it.layer = v[c.fields - 1];
    it.filled = c.filled;
    return Accept(it, c.kind, c.points, true);
}
} // namespace

bool FloorParseLine(const char* s, CFloorItem& it) {
    while (*s == ' ' || *s == '\t')
        ++s;
    if (!s[0] || !s[1]) return false;
    const char k0 = char(std::toupper(static_cast<unsigned char>(s[0])));
    const char k1 = char(std::toupper(static_cast<unsigned char>(s[1])));
    if (k0 == 'T' && k1 == 'Y') return ParseText(s + 2, it);
    if (k0 == 'M' && k1 == 'C') return ParseMacro(s + 2, it);
    if (k0 == 'P' && (k1 == 'V' || k1 == 'P')) return ParsePoly(s + 2, it, k1 == 'P');
    for (const CNumbers& c : kNumbers)
        if (k0 == c.key[0] && k1 == c.key[1]) return ParseNumbers(s + 2, it, c);
    return false;
}

bool FloorRead(const std::string& path, CFloorList& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    std::string text(std::size_t(size > 0 ? size : 0), '\0');
    const bool ok = std::fread(text.data(), 1, text.size(), f) == text.size();
    std::fclose(f);
    if (!ok) return false;
    char* p = text.data();
    char* const end = p + text.size();
    char* nl = static_cast<char*>(std::memchr(p, '\n', std::size_t(end - p))); // the header
    for (p = nl ? nl + 1 : end; p < end; p = nl + 1) {
        nl = static_cast<char*>(std::memchr(p, '\n', std::size_t(end - p)));
        if (!nl) nl = end;
        *nl = '\0';
        CFloorItem item;
        if (FloorParseLine(p, item)) out.push_back(std::move(item));
    }
    return true;
}

namespace {
void ExpandInto(const CPrimitiveList& list, CFloorList& out, std::string& line) {
    for (const auto& p : list) {
        if (p->GetCapabilities() & CAP_MACRO) {
            ExpandInto(static_cast<const CMacro&>(*p).m_components, out, line);
            continue;
        }
        CFloorItem item;
        if (p->GetTextLine(line, false) && FloorParseLine(line.c_str(), item))
            out.push_back(std::move(item));
    }
}
} // namespace

CFloorList FloorExpand(const CPrimitiveList& list) {
    CFloorList out;
    std::string line;
    ExpandInto(list, out, line);
    return out;
}
