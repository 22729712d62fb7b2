#pragma once
// The floor: the least a program must do for the same work. It reads the file
// with one sscanf per line into plain records and paints the same figures with
// a bare QPainter, aliased, on the same image with the same mapping.
#include "model/primitive.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

enum FloorKind : std::uint8_t {
    FK_LINE,
    FK_DOT,
    FK_RECT,
    FK_ELLIPSE,
    FK_POLY,
    FK_BEZIER,
    FK_TRACK,
    FK_PAD,
    FK_TEXT,
    FK_MACRO
};

// Points first (x, y pairs), then the kind's other numbers: the thickness of a
// track; size x, size y, hole, style of a pad; height, width, angle, style of a
// text; orientation and mirror of a symbol.
struct CFloorItem {
    std::uint8_t kind = FK_LINE;
    std::uint8_t filled = 0;
    std::uint8_t points = 0;
    int layer = 0;
    int v[20] = {};
    std::string face; // texts
    std::string text; // texts; the key of a symbol
};
using CFloorList = std::vector<CFloorItem>;

// One command line (NUL-terminated) into a record; false when it is none.
bool FloorParseLine(const char* line, CFloorItem& item);
// The whole file, header skipped, one record per accepted line.
bool FloorRead(const std::string& path, CFloorList& out);

// The document's figures with every symbol replaced by its components, down
// to the last level, as records: what the floor paints.
CFloorList FloorExpand(const CPrimitiveList& list);

// Paints layer by layer, in record order within a layer, in the layer colours.
void FloorPaint(QImage& image, const CFloorList& items);
