#include "view/forms/property_sheet.h"

#include "model/translate_noop.h"

#include "doc/document/document.h"
#include "model/primitive.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

const char* const PROPERTY_INDETERMINATE = QT_TRANSLATE_NOOP("Proprieta", "(indeterminato)");
const char* const PROPERTY_LAYER_ROW = "Layer";

namespace {
struct CDescribed {
    std::string strName, strDescriptor;
};

std::vector<CDescribed> Described(const CPrimitive& p) {
    std::vector<CDescribed> all;
    CDescribed d;
    for (int i = 0; p.GetPropertyDescription(i, d.strName, d.strDescriptor); ++i)
        all.push_back(d);
    return all;
}

// A primitive offers a property when it describes it alike: a name it only
// answers to (a macro's "Text", its name) is not for editing.
bool Offers(const CPrimitive& p, const CDescribed& d) {
    const std::vector<CDescribed> all = Described(p);
    return std::any_of(all.begin(), all.end(), [&](const CDescribed& o) {
        return o.strName == d.strName && o.strDescriptor == d.strDescriptor;
    });
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string Trimmed(const std::string& s) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto first = std::find_if_not(s.begin(), s.end(), blank);
    const auto last = std::find_if_not(s.rbegin(), s.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The words between the parentheses, "++" standing for a blank inside a word.
std::vector<std::string> ChoiceWords(const std::string& descriptor) {
    std::vector<std::string> words;
    if (descriptor.size() < 2) return words;
    const std::string inner = Trimmed(descriptor.substr(1, descriptor.size() - 2));
    std::size_t start = 0;
    while (start <= inner.size()) {
        std::size_t end = inner.find(' ', start);
        if (end == std::string::npos) end = inner.size();
        std::string word = Trimmed(inner.substr(start, end - start));
        ReplaceAll(word, "++", " ");
        if (!word.empty()) words.push_back(word);
        start = end + 1;
    }
    return words;
}

// The list is sorted as the system sorts a list box: case ignored.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

CPropertySheetRow MakeRow(const CDescribed& d, const std::string& value, bool bSame) {
    CPropertySheetRow row;
    row.strName = d.strName;
    row.bSame = bSame;
    if (StartsWith(d.strDescriptor, "#STRING") || StartsWith(d.strDescriptor, "#INT")) {
        row.nKind = PROPROW_TEXT;
        if (StartsWith(d.strDescriptor, "#INT")) {
            row.nKind = PROPROW_INT;
            std::sscanf(d.strDescriptor.c_str() + 4, "%d %d", &row.nMin, &row.nMax);
            row.nStart = ParseDecimal(value.c_str());
        }
        row.strShown = bSame ? value : std::string();
        row.strText = row.strShown;
        return row;
    }
    row.nKind = PROPROW_CHOICE;
    std::vector<std::string> words = ChoiceWords(d.strDescriptor);
    std::stable_sort(words.begin(), words.end(), LessIgnoringCase);
    row.choices.push_back(PROPERTY_INDETERMINATE);
    row.choices.insert(row.choices.end(), words.begin(), words.end());
    row.nShown = 0;
    if (bSame) {
        const auto it = std::find(row.choices.begin() + 1, row.choices.end(), value);
        row.nShown = it == row.choices.end() ? -1 : int(it - row.choices.begin());
    }
    row.nChoice = row.nShown;
    return row;
}

std::vector<std::string> Lines(const std::vector<CPrimitive*>& prims) {
    std::vector<std::string> lines(prims.size());
    for (std::size_t i = 0; i < prims.size(); ++i)
        prims[i]->GetTextLine(lines[i], false);
    return lines;
}
} // namespace

CPropertySheet::CPropertySheet(const std::vector<CPrimitive*>& selection, const CLayerTable& layers)
    : m_selection(selection), m_layers(layers) {
    if (m_selection.empty()) return;
    AddPropertyRows();
    AddLayerRow();
}

void CPropertySheet::AddPropertyRows() {
    const CPrimitive& first = *m_selection.front();
    for (const CDescribed& d : Described(first)) {
        std::string value, other;
        first.GetProperty(d.strName.c_str(), value);
        bool bCommon = true, bSame = true;
        for (std::size_t i = 1; i < m_selection.size() && bCommon; ++i) {
            bCommon =
                Offers(*m_selection[i], d) && m_selection[i]->GetProperty(d.strName.c_str(), other);
            bSame = bSame && other == value;
        }
        if (bCommon) m_rows.push_back(MakeRow(d, value, bSame));
    }
}

void CPropertySheet::AddLayerRow() {
    CPropertySheetRow row;
    row.strName = PROPERTY_LAYER_ROW;
    row.nKind = PROPROW_LAYER;
    const int nLayer = m_selection.front()->GetLayer();
    row.bSame = std::all_of(m_selection.begin(), m_selection.end(),
                            [&](const CPrimitive* p) { return p->GetLayer() == nLayer; });
    row.layers.push_back({PROPERTY_INDETERMINATE, RGB(0, 0, 0), 0});
    const std::vector<CLayerItem> items = LayerItems(m_layers);
    row.layers.insert(row.layers.end(), items.begin(), items.end());
    row.nShown = row.bSame ? LayerItemIndex(row.layers, nLayer) : 0;
    row.nChoice = row.nShown;
    m_rows.push_back(row);
}

bool CPropertySheet::IsChanged(std::size_t nRow) const {
    const CPropertySheetRow& row = m_rows.at(nRow);
    switch (row.nKind) {
    case PROPROW_TEXT:
    case PROPROW_INT:
        return row.strText != row.strShown && !row.strText.empty() &&
               row.strText != PROPERTY_INDETERMINATE;
    case PROPROW_CHOICE:
        return row.nChoice > 0 && std::size_t(row.nChoice) < row.choices.size() &&
               row.nChoice != row.nShown;
    case PROPROW_LAYER:
        return row.nChoice > 0 && std::size_t(row.nChoice) < row.layers.size() &&
               row.nChoice != row.nShown;
    }
    return false;
}

CPropertyApplyResult CPropertySheet::Apply(CSchemoDoc& doc) {
    CPropertyApplyResult result;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (IsChanged(i)) changed.push_back(i);
    if (!changed.empty()) {
        // Values every primitive refused, or gave the value it had, change
        // nothing worth an undo step.
        const std::vector<std::string> before = Lines(m_selection);
        doc.Edit(m_selection, [&] { result.refused = Write(changed, m_selection); });
        result.bChanged = Lines(m_selection) != before;
    }
    FeedPrototypes();
    if (!result.bChanged) return result;
    DeselectHiddenLayers(doc, m_layers);
    doc.CommitChange();
    return result;
}

// OK hands every value it shows to the primitives, and a class that accepts
// one takes the primitive as the default for new ones, even when nothing
// changed. Copies take the values, so only the rows the user changed touch
// the drawing.
void CPropertySheet::FeedPrototypes() const {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const CPropertySheetRow& row = m_rows[i];
        const bool bShown = row.nKind == PROPROW_CHOICE
                                ? row.nChoice > 0 && std::size_t(row.nChoice) < row.choices.size()
                                : !row.strText.empty() && row.strText != PROPERTY_INDETERMINATE;
        if (row.nKind != PROPROW_LAYER && bShown) rows.push_back(i);
    }
    if (rows.empty()) return;
    std::vector<std::unique_ptr<CPrimitive>> copies;
    std::vector<CPrimitive*> targets;
    for (const CPrimitive* p : m_selection) {
        copies.push_back(p->Clone());
        targets.push_back(copies.back().get());
    }
    Write(rows, targets);
}

std::vector<std::size_t> CPropertySheet::Write(const std::vector<std::size_t>& rows,
                                               const std::vector<CPrimitive*>& targets) const {
    struct CPending {
        std::size_t nRow;
        CPrimitive* p;
    };
    std::vector<CPending> pending;
    for (std::size_t r : rows) {
        const CPropertySheetRow& row = m_rows[r];
        for (CPrimitive* p : targets) {
            if (row.nKind == PROPROW_LAYER)
                p->SetLayer(row.layers[std::size_t(row.nChoice)].nData - 1);
            else
                pending.push_back({r, p});
        }
    }
    // A value refused because of another (a pad's hole no smaller than its new
    // size) may pass once the other row is written: retry while any passes.
    for (bool bProgress = true; bProgress && !pending.empty();) {
        bProgress = false;
        std::vector<CPending> left;
        for (const CPending& e : pending) {
            const CPropertySheetRow& row = m_rows[e.nRow];
            const std::string& value =
                row.nKind == PROPROW_CHOICE ? row.choices[std::size_t(row.nChoice)] : row.strText;
            if (e.p->SetProperty(row.strName.c_str(), value.c_str()))
                bProgress = true;
            else
                left.push_back(e);
        }
        pending.swap(left);
    }
    std::vector<std::size_t> refused;
    for (const CPending& e : pending)
        if (refused.empty() || refused.back() != e.nRow) refused.push_back(e.nRow);
    return refused;
}
