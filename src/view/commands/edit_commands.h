#pragma once
// The edit commands on a view's selection: delete, rotate, mirror, select
// all, invert, make a macro group, split macros.
// They change the document only through its own calls, so every view and
// index hears of what they do.
#include "doc/document/document.h"
#include "model/layers.h"
#include "view/viewport/view_coords.h"

#include <cstddef>
#include <vector>

// The middle of the box of every point of the primitives, halves truncated
// toward zero; (1250, 1250) when there is no point.
CPoint SelectionCentre(const std::vector<CPrimitive*>& prims);

// Each answers whether it did anything. An empty selection does nothing,
// whatever way the command was reached.
bool CmdDelete(CSchemoDoc& doc);
// A quarter turn clockwise, or a mirror, about the snapped selection centre.
// One undo step, and only when some line of the drawing changed.
bool CmdRotate(CSchemoDoc& doc, const CViewCoords& coords);
bool CmdMirror(CSchemoDoc& doc, const CViewCoords& coords);
// Only primitives on shown layers are selected; the document is not modified.
bool CmdSelectAll(CSchemoDoc& doc, const CLayerTable& layers);
bool CmdInvertSelection(CSchemoDoc& doc, const CLayerTable& layers);
// Adds everything connected to the selection, whole nets; not in a library.
bool CmdSelectConnected(CSchemoDoc& doc);
// The selection becomes one macro group with an empty name, selected, at the
// end of the list. It saves as its components, so this is no modification.
bool CmdMakeMacro(CSchemoDoc& doc);
// Every selected macro gives its components back, selected, at the end of
// the list. An undo step only when a named macro (a placed symbol) was split.
bool CmdSplitMacros(CSchemoDoc& doc);

// Runs one of the commands above by its id; false for any other id.
bool RunEditCommand(int nId, CSchemoDoc& doc, const CViewCoords& coords, const CLayerTable& layers);
