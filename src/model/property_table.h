#pragma once
// The editable properties of a class as one table. A row gives the name, the
// descriptor the property editor shows, where the value lives and what a new
// value must pass; describing, reading and setting all go through the rows,
// so adding a property is adding a row.
#include <cstdint>
#include <string>
#include <string_view>

enum PropertyKind {
    PROP_TEXT,   // "#STRING": any text, stored as given
    PROP_FACE,   // a font face: any text, offered from the fixed-pitch faces
    PROP_INT,    // "#INT min max": a decimal number, refused outside the range
    PROP_YES_NO, // "(Si No)" on a number that is 1 ("Si") or anything else
    PROP_BIT,    // "(Si No)" on one bit of a set
    PROP_WORD,   // "(w0 w1 ...)": the index of the word; other numbers read as the last word
};

// What the property editor is told about a property.
struct CPropertyForm {
    const char* szName;
    PropertyKind kind;
    int nMin = 0, nMax = 0;        // PROP_INT
    const char* szWords = nullptr; // PROP_WORD: words without blanks, one blank apart
    bool bListed = true;           // false: readable and settable by name, not offered
};

std::string DescribeProperty(const CPropertyForm& form);
const char* YesNoWord(bool b);
bool ParseYesNo(const char* value, bool& b); // exactly "Si" or "No"
std::string PropertyWord(const CPropertyForm& form, int nValue);
int PropertyWordIndex(const CPropertyForm& form, const char* value); // -1: none
bool ParsePropertyInt(const CPropertyForm& form, const char* value, int& n);

template <class T> struct CPropertyRow : CPropertyForm {
    std::string T::*pText = nullptr; // PROP_TEXT, PROP_FACE
    int T::*pInt = nullptr;          // PROP_INT, PROP_YES_NO, PROP_WORD
    std::uint32_t T::*pBits = nullptr;
    std::uint32_t nBit = 0;
    bool (*accept)(const T&) = nullptr; // PROP_INT: a change it refuses is undone
};

template <class T> constexpr CPropertyRow<T> TextProperty(const char* name, std::string T::*p) {
    CPropertyRow<T> r{{name, PROP_TEXT}};
    r.pText = p;
    return r;
}
template <class T> constexpr CPropertyRow<T> FaceProperty(const char* name, std::string T::*p) {
    CPropertyRow<T> r{{name, PROP_FACE}};
    r.pText = p;
    return r;
}
template <class T>
constexpr CPropertyRow<T> IntProperty(const char* name, int T::*p, int nMin, int nMax,
                                      bool (*accept)(const T&) = nullptr) {
    CPropertyRow<T> r{{name, PROP_INT, nMin, nMax}};
    r.pInt = p;
    r.accept = accept;
    return r;
}
template <class T> constexpr CPropertyRow<T> YesNoProperty(const char* name, int T::*p) {
    CPropertyRow<T> r{{name, PROP_YES_NO}};
    r.pInt = p;
    return r;
}
template <class T>
constexpr CPropertyRow<T> BitProperty(const char* name, std::uint32_t T::*p, std::uint32_t bit) {
    CPropertyRow<T> r{{name, PROP_BIT}};
    r.pBits = p;
    r.nBit = bit;
    return r;
}
template <class T>
constexpr CPropertyRow<T> WordProperty(const char* name, int T::*p, const char* words) {
    CPropertyRow<T> r{{name, PROP_WORD, 0, 0, words}};
    r.pInt = p;
    return r;
}
template <class T> constexpr CPropertyRow<T> Unlisted(CPropertyRow<T> r) {
    r.bListed = false;
    return r;
}

template <class T> class CPropertyTable {
  public:
    template <int N>
    constexpr CPropertyTable(const CPropertyRow<T> (&rows)[N]) : m_pRows(rows), m_nRows(N) {}

    // The listed property at nIndex (0, 1, ...); false after the last.
    bool Describe(int nIndex, std::string& name, std::string& choices) const {
        for (int i = 0; i < m_nRows; ++i) {
            if (!m_pRows[i].bListed || nIndex-- != 0) continue;
            name = m_pRows[i].szName;
            choices = DescribeProperty(m_pRows[i]);
            return true;
        }
        return false;
    }

    bool Get(const T& obj, const char* name, std::string& value) const {
        const CPropertyRow<T>* r = Find(name);
        if (!r) return false;
        switch (r->kind) {
        case PROP_TEXT:
        case PROP_FACE:
            value = obj.*(r->pText);
            break;
        case PROP_INT:
            value = std::to_string(obj.*(r->pInt));
            break;
        case PROP_YES_NO:
            value = YesNoWord(obj.*(r->pInt) == 1);
            break;
        case PROP_BIT:
            value = YesNoWord((obj.*(r->pBits) & r->nBit) != 0);
            break;
        case PROP_WORD:
            value = PropertyWord(*r, obj.*(r->pInt));
            break;
        }
        return true;
    }

    // False, with nothing changed, when the name is not a property or the value is refused.
    bool Set(T& obj, const char* name, const char* value) const {
        const CPropertyRow<T>* r = Find(name);
        if (!r) return false;
        bool b = false;
        switch (r->kind) {
        case PROP_TEXT:
        case PROP_FACE:
            obj.*(r->pText) = value;
            return true;
        case PROP_INT:
            return SetInt(*r, obj, value);
        case PROP_YES_NO:
            if (!ParseYesNo(value, b)) return false;
            obj.*(r->pInt) = b ? 1 : 0;
            return true;
        case PROP_BIT:
            if (!ParseYesNo(value, b)) return false;
            obj.*(r->pBits) = b ? (obj.*(r->pBits) | r->nBit) : (obj.*(r->pBits) & ~r->nBit);
            return true;
        case PROP_WORD:
            return SetWord(*r, obj, value);
        }
        return false;
    }

  private:
    const CPropertyRow<T>* Find(const char* name) const {
        for (int i = 0; i < m_nRows; ++i)
            if (std::string_view(m_pRows[i].szName) == name) return &m_pRows[i];
        return nullptr;
    }
    static bool SetInt(const CPropertyRow<T>& r, T& obj, const char* value) {
        int n = 0;
        if (!ParsePropertyInt(r, value, n)) return false;
        const int old = obj.*(r.pInt);
        obj.*(r.pInt) = n;
        if (!r.accept || r.accept(obj)) return true;
        obj.*(r.pInt) = old;
        return false;
    }
    static bool SetWord(const CPropertyRow<T>& r, T& obj, const char* value) {
        const int i = PropertyWordIndex(r, value);
        if (i < 0) return false;
        obj.*(r.pInt) = i;
        return true;
    }

    const CPropertyRow<T>* m_pRows;
    int m_nRows;
};
