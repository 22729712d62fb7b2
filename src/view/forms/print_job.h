#pragma once
// A drawing printed on one page: measured at the printer's own scale, laid out
// (print_layout.h) and drawn in black, printed layers only, with no grid,
// point marks or macro origin.
#include "doc/document/document.h"
#include "doc/scene/layer_walk.h"
#include "view/forms/print_layout.h"

// The box of the regions of the primitives on layers `layers` prints (a symbol
// counts when one of its layers is printed); false, with `rect` untouched,
// when none.
bool GetPrintExtent(const CSchemoDoc& doc, const CLayerTable& layers, CRect& rect);

// Lays out the page for the extent measured at the printer's scale: the
// regions are rebuilt on `probe` (texts measure differently at each scale),
// so the page never depends on the screen's zoom. With nothing printed the
// extent is the whole sheet.
CPrintLayout PreparePrint(CSchemoDoc& doc, CSurface& probe, const CPrintPage& page,
                          const CPrintOptions& o, const CLayerTable& layers);

// Draws the page on `dc` in the layout's mapping, marking it as printing. The
// selection prints black like the rest; a mirrored page is drawn from mirrored
// clones and the document is not changed. False when `progress` stopped it.
bool DrawPrintPage(const CSchemoDoc& doc, CSurface& dc, const CPrintLayout& layout,
                   const CLayerTable& layers, IDrawProgress* progress = nullptr);
