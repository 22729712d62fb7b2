#pragma once
// One parser per class: a line with the class's keyword that describes a
// complete object gives that object; anything else gives none.
#include "model/primitive.h"

#include <string_view>

std::unique_ptr<CPrimitive> ParseLineCommand(std::string_view line);       // LI
std::unique_ptr<CPrimitive> ParseTextCommand(std::string_view line);       // TX TY TE
std::unique_ptr<CPrimitive> ParseConnectionCommand(std::string_view line); // SA
std::unique_ptr<CPrimitive> ParseBezierCommand(std::string_view line);     // BE
std::unique_ptr<CPrimitive> ParsePolyCommand(std::string_view line);       // PV PP
std::unique_ptr<CPrimitive> ParseEllipseCommand(std::string_view line);    // EV EP
std::unique_ptr<CPrimitive> ParseRectangleCommand(std::string_view line);  // RV RP
std::unique_ptr<CPrimitive> ParsePCBLineCommand(std::string_view line);    // PL
std::unique_ptr<CPrimitive> ParsePCBPadCommand(std::string_view line);     // PA
