#include "model/property_table.h"

#include "model/translate_noop.h"

#include "model/fontfaces.h"
#include "model/primitive.h"

#include <cstring>
#include <string_view>

namespace {
// The words of a choice list, one blank apart.
std::string_view WordAt(const char* words, int nIndex, bool bLastIfNone) {
    std::string_view rest(words ? words : "");
    std::string_view word;
    for (int i = 0; !rest.empty(); ++i) {
        const std::size_t blank = rest.find(' ');
        word = rest.substr(0, blank);
        if (i == nIndex) return word;
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    }
    return bLastIfNone ? word : std::string_view();
}

// The faces a text may choose, blanks inside a name written "++".
std::string FaceChoices() {
    std::string choices = "(";
    bool first = true;
    for (std::string face : GetFixedPitchFaces()) {
        ReplaceAll(face, " ", "++");
        choices += (first ? "" : " ") + face;
        first = false;
    }
    return choices + ")";
}
} // namespace

std::string DescribeProperty(const CPropertyForm& form) {
    switch (form.kind) {
    case PROP_TEXT:
        return "#STRING";
    case PROP_FACE:
        return FaceChoices();
    case PROP_INT:
        return "#INT " + std::to_string(form.nMin) + " " + std::to_string(form.nMax);
    case PROP_YES_NO:
    case PROP_BIT:
        return "(Si No)";
    case PROP_WORD:
        return std::string("(") + form.szWords + ")";
    }
    return std::string();
}

const char* YesNoWord(bool b) {
    return b ? QT_TRANSLATE_NOOP("Proprieta", "Si") : QT_TRANSLATE_NOOP("Proprieta", "No");
}

bool ParseYesNo(const char* value, bool& b) {
    if (std::strcmp(value, "Si") == 0)
        b = true;
    else if (std::strcmp(value, "No") == 0)
        b = false;
    else
        return false;
    return true;
}

std::string PropertyWord(const CPropertyForm& form, int nValue) {
    return std::string(WordAt(form.szWords, nValue, true));
}

int PropertyWordIndex(const CPropertyForm& form, const char* value) {
    for (int i = 0;; ++i) {
        const std::string_view word = WordAt(form.szWords, i, false);
        if (word.empty()) return -1;
        if (word == value) return i;
    }
}

// The platform's decimal conversion: leading digits, 0 when there are none.
bool ParsePropertyInt(const CPropertyForm& form, const char* value, int& n) {
    n = ParseDecimal(value);
    return n >= form.nMin && n <= form.nMax;
}
