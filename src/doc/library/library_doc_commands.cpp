// Adding, removing, switching and numbering the components of a library.
#include "doc/library/library_doc.h"

#include "format/component.h"

#include <cstdio>

void CSchemoLibDoc::OnNewDocument(int nLibraryNumber) {
    DeleteContents();
    m_strTitle = "Nuova libreria " + std::to_string(nLibraryNumber);
    AddComponent(-1);
    SetModified(false);
}

// A new component, empty, named with the next free number, in the category of
// the one shown.
void CSchemoLibDoc::AddComponent(int index) {
    const int count = int(m_componentTexts.size());
    if (index < 0 || index >= count) index = count;
    ClearUndo();
    const std::string category = HasCurrent() ? m_categories[m_nCurrent] : std::string();
    std::string key, title;
    do {
        char buf[32];
        std::snprintf(buf, sizeof buf, "M%02d", m_nNextNumber);
        key = buf;
        title = "Componente " + std::to_string(m_nNextNumber);
        ++m_nNextNumber;
    } while (IsKeyUsed(key, -1));
    m_componentTexts.insert(m_componentTexts.begin() + index, "[" + key + " " + title + "]\r\n");
    m_categories.insert(m_categories.begin() + index, category);
    m_titles.insert(m_titles.begin() + index, title);
    m_nCurrent = index;
    m_bShown = true;
    m_bTitleTyped = false;
    ReplaceAll({});
    ShowFields(key, title);
}

bool CSchemoLibDoc::NewComponent(Place place) {
    if (!StoreComponent()) return false;
    int index = -1;
    if (HasCurrent())
        index = place == PLACE_AFTER ? m_nCurrent + 1 : place == PLACE_BEFORE ? m_nCurrent : -1;
    AddComponent(index);
    SetModified(true);
    return true;
}

bool CSchemoLibDoc::RemoveCurrentComponent() {
    if (!HasCurrent()) return false;
    std::string key;
    ReadComponentHeader(m_componentTexts[m_nCurrent], &key, nullptr);
    if (GetUi() &&
        GetUi()->AskYesNo(RemoveComponentQuestion(key), CAPTION_APPLICATION) != ANSWER_YES)
        return false;
    RemoveComponent();
    SetModified(true);
    return true;
}

void CSchemoLibDoc::RemoveComponent() {
    m_componentTexts.erase(m_componentTexts.begin() + m_nCurrent);
    m_categories.erase(m_categories.begin() + m_nCurrent);
    m_titles.erase(m_titles.begin() + m_nCurrent);
    if (m_nCurrent > 0) --m_nCurrent;
    if (HasCurrent())
        LoadComponent(true);
    else
        AddComponent(-1);
}

bool CSchemoLibDoc::SwitchTo(int index) {
    if (index < 0 || index >= int(m_componentTexts.size())) return false;
    if (!StoreComponent()) {
        m_pFields->SetCurrentIndex(m_nCurrent);
        return false;
    }
    // The first choice after a title was typed only stores it: the box, which
    // showed the typed text, then shows its entry among the others.
    const bool bTyped = m_bTitleTyped;
    m_bTitleTyped = false;
    if (bTyped || (index == m_nCurrent && m_bShown)) return true; // its undo history stays
    m_nCurrent = index;
    LoadComponent(true);
    return true;
}

void CSchemoLibDoc::OnTitleEdited() {
    m_bTitleTyped = true;
    if (m_bShown) SetModified(true);
}

void CSchemoLibDoc::OnTitleListOpening() {
    if (!m_bShown || !HasCurrent()) return;
    m_titles[m_nCurrent] = m_pFields->GetTitle();
    m_pFields->SetTitles(m_titles);
    m_pFields->SetCurrentIndex(m_nCurrent);
}

void CSchemoLibDoc::BeginNumbering() {
    StoreComponent();
}

bool CSchemoLibDoc::ApplyNumbering(const CNumbering& numbering) {
    switch (CheckNumbering(numbering, m_componentTexts.size())) {
    case NUMBERING_BAD_PREFIX:
        if (GetUi()) GetUi()->ShowMessage(MSG_BAD_PREFIX, CAPTION_APPLICATION, ICON_INFORMATION);
        return false;
    case NUMBERING_TOO_LONG:
        if (GetUi())
            GetUi()->ShowMessage(MSG_NUMBERS_TOO_LONG, CAPTION_APPLICATION, ICON_INFORMATION);
        return false;
    case NUMBERING_OK:
        break;
    }
    if (!NumberComponentTexts(m_componentTexts, numbering) && GetUi())
        GetUi()->ShowMessage(MSG_NUMBERING_ERRORS, CAPTION_APPLICATION, ICON_INFORMATION);
    SetModified(true);
    if (HasCurrent()) LoadComponent(true);
    return true;
}
