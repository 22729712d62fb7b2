#pragma once
// Drawing calls written as text, so that a table row holds a whole figure:
// "pen 5; rect 10 10 40 30". Numbers may be min, max or -max (the int limits);
// colours are COLORREF values (0xBBGGRR); words that are not numbers are text.
#include "model/surface.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

inline void Call(CSurface& dc, const std::string& op, std::vector<int> n, const std::string& text,
                 COLORREF ink) {
    std::vector<CPoint> pts;
    for (std::size_t i = 0; i + 1 < n.size(); i += 2)
        pts.push_back({n[i], n[i + 1]});
    n.resize(std::max<std::size_t>(n.size(), 6));
    if (op == "pen" || op == "round")
        return void(dc.SelectPen(CPen{ink, n[0], op == "round", false}));
    if (op == "nopen") return void(dc.SelectPen(CPen{0, 0, false, true}));
    if (op == "fill") return void(dc.SelectBrush(CBrush{false, ink}));
    if (op == "brush") return void(dc.SelectBrush(CBrush{false, COLORREF(n[0])}));
    if (op == "winding") return void(dc.SetPolyFillMode(2));
    if (op == "xor") return void(dc.SetROP2(R2_NOTXORPEN));
    if (op == "iso" || op == "aniso")
        return void(dc.SetMapMode(op == "iso" ? MM_ISOTROPIC : MM_ANISOTROPIC));
    if (op == "wext") return void(dc.SetWindowExt(n[0], n[1]));
    if (op == "vext") return void(dc.SetViewportExt(n[0], n[1]));
    if (op == "vorg") return void(dc.SetViewportOrg(n[0], n[1]));
    if (op == "line") return void(dc.DrawLine(pts[0], pts[1]));
    if (op == "move") return void(dc.MoveTo(n[0], n[1]));
    if (op == "to") return void(dc.LineTo(n[0], n[1]));
    if (op == "rect") return void(dc.Rectangle(n[0], n[1], n[2], n[3]));
    if (op == "ellipse") return void(dc.Ellipse(n[0], n[1], n[2], n[3]));
    if (op == "circle") return void(dc.EllipseOutline(n[0], n[1], n[2], n[3]));
    if (op == "rrect") return void(dc.RoundRect(n[0], n[1], n[2], n[3], n[4], n[5]));
    if (op == "poly") return void(dc.Polygon(pts.data(), int(pts.size())));
    if (op == "bezier") return void(dc.PolyBezier(pts.data()));
    if (op == "pixel") return void(dc.SetPixel(n[0], n[1], ink));
    if (op == "font")
        return void(dc.SelectFont(CFontSpec{"*", n[0], n[1], n[2], n[3] ? n[3] : 400, n[4] != 0}));
    if (op == "textcolor") return void(dc.SetTextColor(COLORREF(n[0])));
    if (op == "text") return void(dc.TextOut(n[0], n[1], text));
    if (op == "mirror") return void(dc.TextOutMirrored(n[0], n[1], text));
    if (op == "transparent") return void(dc.SetBkMode(TRANSPARENT));
    if (op == "bkcolor") return void(dc.SetBkColor(COLORREF(n[0])));
    ADD_FAILURE() << "no such call: " << op;
}

inline void Play(CSurface& dc, const std::string& script, COLORREF ink) {
    std::istringstream all(script);
    for (std::string command; std::getline(all, command, ';');) {
        std::istringstream in(command);
        std::string op, word, text;
        in >> op;
        std::vector<int> n;
        while (in >> word) {
            if (word == "min" || word == "max" || word == "-max")
                n.push_back(word == "min" ? INT_MIN : word == "max" ? INT_MAX : -INT_MAX);
            else if (std::isdigit(static_cast<unsigned char>(word.back())) || word[0] == '0')
                n.push_back(int(std::stoll(word, nullptr, 0)));
            else
                text += (text.empty() ? "" : " ") + word;
        }
        Call(dc, op, n, text, ink);
    }
}
