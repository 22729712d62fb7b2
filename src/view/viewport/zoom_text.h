#pragma once
// The texts of the zoom box and of the coordinate read-out. Numbers are
// written with a decimal point whatever the C locale.
#include "model/geometry.h"

#include <optional>
#include <string>
#include <vector>

// The entries of the zoom box's list, "50%" to "1000%".
const std::vector<std::string>& ZoomListTexts();

// The zoom box's text for a scale: whole percent, truncated, and "%".
std::string ZoomBoxText(double dScale);

// A typed text counts only with a "%" in it and a leading integer of
// 10..2000; anything else is ignored (no value), not clamped.
std::optional<int> ParseTypedZoom(const std::string& text);
// A chosen list entry: its leading integer, in 10..2000.
std::optional<int> ParseChosenZoom(const std::string& text);

// "(x,y) (x mm, y mm)" with two decimals; one unit is nMicronsPerUnit
// thousandths of a millimetre.
std::string FormatReadout(CPoint pt, int nMicronsPerUnit);
