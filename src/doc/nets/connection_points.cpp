#include "doc/nets/connection_points.h"

#include "model/macro.h"

#include <cstring>

namespace {
bool IsClass(const CPrimitive& p, const char* name) {
    return std::strcmp(p.GetClassName(), name) == 0;
}

void AddLineEnds(const CMacro& macro, std::vector<CPoint>& out) {
    for (const auto& c : macro.m_components) {
        if (IsClass(*c, "CLine")) {
            out.push_back(c->GetPoint(0));
            out.push_back(c->GetPoint(1));
        } else if (c->GetCapabilities() & CAP_MACRO) {
            AddLineEnds(static_cast<const CMacro&>(*c), out);
        }
    }
}
} // namespace

std::vector<CPoint> ConnectionPoints(const CPrimitive& p) {
    std::vector<CPoint> out;
    if (IsClass(p, "CLine") || IsClass(p, "CPCBLine") || IsClass(p, "CConnection") ||
        IsClass(p, "CPCBPad")) {
        for (int i = 0; i < p.GetPointCount(); ++i)
            out.push_back(p.GetPoint(i));
    } else if (p.GetCapabilities() & CAP_MACRO) {
        out.push_back(p.GetPoint(0));
        AddLineEnds(static_cast<const CMacro&>(p), out);
    }
    return out;
}
