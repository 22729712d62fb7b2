#include "model/macro.h"

#include "model/layers.h"
#include "model/property_table.h"
#include "model/textline.h"

#include <algorithm>

CMacro::CMacro(int x, int y) {
    m_points[0] = {x, y};
}

std::unique_ptr<CPrimitive> CMacro::Clone() const {
    auto p = std::make_unique<CMacro>();
    p->Assign(*this);
    return p;
}

void CMacro::Assign(const CMacro& other) {
    if (&other == this) return;
    CopyFrom(&other);
    m_strName = other.m_strName;
    m_components.clear();
    m_components.reserve(other.m_components.size());
    for (const auto& c : other.m_components)
        m_components.push_back(c->Clone());
}

void CMacro::Move(int dx, int dy) {
    CPrimitive::Move(dx, dy);
    for (auto& c : m_components)
        c->Move(dx, dy);
}

void CMacro::Rotate(int cx, int cy, bool bCounterClockwise) {
    CPrimitive::Rotate(cx, cy, bCounterClockwise);
    for (auto& c : m_components)
        c->Rotate(cx, cy, bCounterClockwise);
    std::int64_t o = m_nOrientation;
    o += (bCounterClockwise == (m_bMirrored != 0)) ? 1 : -1;
    if (o < 0)
        o += 4;
    else if (o > 3)
        o -= 4;
    m_nOrientation = ClampToInt32(o);
}

void CMacro::Mirror(int x0) {
    CPrimitive::Mirror(x0);
    for (auto& c : m_components)
        c->Mirror(x0);
    m_bMirrored = m_bMirrored ? 0 : 1;
}

// Dragging the origin drags the whole symbol.
void CMacro::SetPoint(int i, int x, int y, bool bFinal) {
    const CPoint o = m_points[0];
    const int dx = ClampToInt32(std::int64_t(x) - o.x), dy = ClampToInt32(std::int64_t(y) - o.y);
    for (auto& c : m_components)
        c->Move(dx, dy);
    CPrimitive::SetPoint(i, x, y, bFinal);
}

void CMacro::SetSelected(bool b) {
    for (auto& c : m_components)
        c->SetSelected(b);
    CPrimitive::SetSelected(b);
}

void CMacro::SaveState() {
    for (auto& c : m_components)
        c->SaveState();
    CPrimitive::SaveState();
}

void CMacro::RestoreState() {
    for (auto& c : m_components)
        c->RestoreState();
    CPrimitive::RestoreState();
}

// Quarter turns repeat every four once a component has turned at least once, so
// an orientation read from a file as a huge number is turned only a few times.
void CMacro::PlaceComponents() {
    const CPoint o = m_points[0];
    const int dx = ClampToInt32(std::int64_t(o.x) - 100),
              dy = ClampToInt32(std::int64_t(o.y) - 100);
    for (auto& c : m_components)
        c->Move(dx, dy);
    const int nOrientation = m_nOrientation;
    const int nTurns = nOrientation <= 8 ? nOrientation : (nOrientation - 1) % 4 + 5;
    for (int i = 0; i < nTurns; ++i)
        Rotate(o.x, o.y, false);
    m_nOrientation = nOrientation;
    if (m_bMirrored) {
        Mirror(o.x);
        m_bMirrored = 1;
    }
}

// A pick on a macro asks only its own region, the box of its components, so
// each component's region is let go once it has been measured.
void CMacro::UpdateRegion(CSurface& dc) {
    m_rgn.Clear();
    CRect box;
    for (auto& c : m_components) {
        c->UpdateRegion(dc);
        CRegion& rgn = *c->GetRegion();
        box = BoxUnion(box, rgn.GetRgnBox());
        rgn.Release();
    }
    if (!box.IsEmpty()) m_rgn.SetRect({box.left, box.top}, {box.right, box.bottom});
}

int CMacro::Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
                 int nZoomPercent, int nLayerFilter, bool bMonochrome) {
    static const CLayerTable s_startLayers;
    return DrawInLayers(dc, s_startLayers, bXor, crBack, crColor, crSelected, nZoomPercent,
                        nLayerFilter, bMonochrome);
}

int CMacro::DrawInLayers(CSurface& dc, const CLayerTable& layers, bool bXor, COLORREF crBack,
                         COLORREF, COLORREF crSelected, int nZoomPercent, int nLayerFilter,
                         bool bMonochrome) {
    if (IsUnset(m_points[0])) return -1;
    for (int L = 0; L < NUM_LAYERS; ++L) {
        if (!layers.IsShown(L, dc.IsPrinting())) continue;
        if (CLayerTable::IsValid(nLayerFilter) && nLayerFilter != L) continue;
        DrawLayer(dc, layers, L, bXor, crBack, crSelected, nZoomPercent, bMonochrome);
    }
    return 0;
}

// Every component in the colour of its own layer, pass by pass. Nested macros
// are drawn once per layer and show only that layer's components; they stay
// black when this one is drawn black.
void CMacro::DrawLayer(CSurface& dc, const CLayerTable& layers, int L, bool bXor, COLORREF crBack,
                       COLORREF crSelected, int nZoomPercent, bool bMonochrome) {
    const COLORREF colour = (bMonochrome || dc.IsPrinting()) ? 0 : layers.GetColor(L);
    // The passes this layer has components in, found first: most have one or two.
    unsigned passes = 0;
    for (auto& c : m_components) {
        const int pass = c->GetDrawPriority();
        if (pass >= 0 && pass <= 6 && ((c->GetCapabilities() & CAP_MACRO) || c->GetLayer() == L))
            passes |= 1u << pass;
    }
    for (int pass = 0; pass <= 6; ++pass) {
        if (!(passes & (1u << pass))) continue;
        for (auto& c : m_components) {
            const bool bMacro = (c->GetCapabilities() & CAP_MACRO) != 0;
            if ((!bMacro && c->GetLayer() != L) || c->GetDrawPriority() != pass) continue;
            c->DrawInLayers(dc, layers, bXor, crBack, colour, crSelected, nZoomPercent,
                            bMacro ? L : -1, bMonochrome);
        }
    }
}

// The name is written as one line: a line break in a name must not turn into
// a line of its own. Expanded, only complete components are written, as for a
// drawing: a component turned onto the unset point could not be read back.
bool CMacro::GetTextLine(std::string& out, bool bExpand) const {
    if (!bExpand && !m_strName.empty()) {
        const std::string name = OneLineText(m_strName[0] == '~' ? m_strName.substr(1) : m_strName);
        out = FormatCommand("MC", m_points, 1) + FormatInts({m_nOrientation, m_bMirrored}) + ' ' +
              name + "\r\n";
        return true;
    }
    out.clear();
    std::string line;
    for (const auto& c : m_components) {
        if (!c->IsComplete()) continue;
        const bool bRef = (c->GetCapabilities() & CAP_MACRO) &&
                          IsStandardMacroName(static_cast<const CMacro&>(*c).m_strName);
        c->GetTextLine(line, bRef ? false : bExpand);
        out += line;
    }
    return true;
}

namespace {
// Its name is its "Text", read and set by name but not offered for editing.
constexpr CPropertyRow<CMacro> kRows[] = {
    Unlisted(TextProperty("Text", &CMacro::m_strName)),
};
constexpr CPropertyTable<CMacro> kProperties(kRows);
} // namespace

bool CMacro::GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const {
    return kProperties.Describe(nIndex, name, choices);
}

bool CMacro::GetProperty(const char* name, std::string& value) const {
    return kProperties.Get(*this, name, value);
}

bool CMacro::SetProperty(const char* name, const char* value) {
    return kProperties.Set(*this, name, value);
}

std::size_t CountPrimitives(const CMacro& macro) {
    std::size_t n = 0;
    for (const auto& c : macro.m_components) {
        ++n;
        if (c->GetCapabilities() & CAP_MACRO) n += CountPrimitives(static_cast<const CMacro&>(*c));
    }
    return n;
}

unsigned LayerMask(const CMacro& macro) {
    unsigned mask = 0;
    for (const auto& c : macro.m_components) {
        if (c->GetCapabilities() & CAP_MACRO)
            mask |= LayerMask(static_cast<const CMacro&>(*c));
        else if (CLayerTable::IsValid(c->GetLayer()))
            mask |= 1u << c->GetLayer();
    }
    return mask;
}

CRect CMacro::GetBounds() const {
    CRect box{0, 0, -1, -1};
    for (const auto& c : m_components)
        GrowRect(box, c->GetBounds());
    return box;
}

int CMacro::GetBoundsSlack() const {
    int slack = 1;
    for (const auto& c : m_components)
        slack = std::max(slack, c->GetBoundsSlack());
    return slack;
}
