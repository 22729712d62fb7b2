#include "model/filledshape.h"

#include <cstring>

bool CFilledShape::GetPropertyDescription(int nIndex, std::string& name,
                                          std::string& choices) const {
    if (nIndex != 0) return false;
    name = "Filled";
    choices = "(Si No)";
    return true;
}

bool CFilledShape::GetProperty(const char* name, std::string& value) const {
    if (std::strcmp(name, "Filled") != 0) return false;
    value = m_bFilled == 1 ? "Si" : "No";
    return true;
}

bool CFilledShape::SetProperty(const char* name, const char* value) {
    if (std::strcmp(name, "Filled") != 0) return false;
    if (std::strcmp(value, "Si") == 0)
        m_bFilled = 1;
    else if (std::strcmp(value, "No") == 0)
        m_bFilled = 0;
    else
        return false;
    Prototype().Assign(*this);
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
