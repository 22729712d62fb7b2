#include "model/filledshape.h"

#include "model/property_table.h"

namespace {
constexpr CPropertyRow<CFilledShape> kRows[] = {
    YesNoProperty("Filled", &CFilledShape::m_bFilled),
};
constexpr CPropertyTable<CFilledShape> kProperties(kRows);
} // namespace

bool CFilledShape::GetPropertyDescription(int nIndex, std::string& name,
                                          std::string& choices) const {
    return kProperties.Describe(nIndex, name, choices);
}

bool CFilledShape::GetProperty(const char* name, std::string& value) const {
    return kProperties.Get(*this, name, value);
}

bool CFilledShape::SetProperty(const char* name, const char* value) {
    if (!kProperties.Set(*this, name, value)) return false;
    Prototype().Assign(*this);
    Prototype().m_bSelected = false; // new shapes start unselected
    return true;
}

void CFilledShape::Assign(const CFilledShape& other) {
    if (&other == this) return;
    CopyFrom(&other);
    m_bFilled = other.m_bFilled;
}

CBrush CFilledShape::FillBrush(bool bXor, COLORREF crColor, COLORREF crSelected) const {
    if (bXor || m_bFilled == 0) return HollowBrush();
    return SolidBrush(m_bSelected ? crSelected : crColor);
}
