// Loading, storing and showing the components of a library.
#include "doc/library/library_doc.h"

#include "format/component.h"
#include "format/library.h"
#include "format/reader.h"
#include "format/writer.h"
#include "model/macro.h"

CSchemoLibDoc::CSchemoLibDoc(IDocumentUi* ui, CResolveContext& resolve)
    : CSchemoDoc(DOC_LIBRARY, ui, resolve) {}

void CSchemoLibDoc::AttachFields(ILibraryFields* fields) {
    m_pFields = fields ? fields : &m_ownFields;
    ShowStoredFields();
}

void CSchemoLibDoc::DeleteContents() {
    CSchemoDoc::DeleteContents();
    m_componentTexts.clear();
    m_categories.clear();
    m_titles.clear();
    m_nNextNumber = 1;
    m_nCurrent = 0;
    m_bShown = false;
    ShowFields("", "");
}

bool CSchemoLibDoc::Load(const std::string& text) {
    return LoadText(text, std::string());
}

bool CSchemoLibDoc::LoadText(const std::string& text, const std::string& path) {
    DeleteContents();
    std::vector<LibraryCategory> categories;
    std::string name;
    int nKind = TEXT_NONE;
    if (!ParseHeaderedText(text, nullptr, &m_componentTexts, &name, nullptr, &nKind, &categories,
                           nullptr) ||
        nKind != TEXT_LIBRARY) {
        m_componentTexts.clear();
        if (GetUi())
            GetUi()->ShowMessage(WithFileName(MSG_BAD_FORMAT, path), CAPTION_ERROR, ICON_ERROR);
        return false;
    }
    m_categories = CategoryOfEachComponent(categories, m_componentTexts.size());
    m_strTitle = name;
    for (const std::string& t : m_componentTexts)
        m_titles.push_back(ListTitle(t));
    int nError = 0;
    if (HasCurrent())
        LoadComponent(false, &nError);
    else
        ShowFields("", "");
    m_nLoadErrors = nError;
    if (m_nLoadErrors && GetUi())
        GetUi()->ShowMessage(ReadErrorsMessage(nError), CAPTION_ATTENTION, ICON_INFORMATION);
    SetModified(false);
    return true;
}

bool CSchemoLibDoc::LoadFile(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        DeleteContents();
        if (GetUi())
            GetUi()->ShowMessage(WithFileName(MSG_CANNOT_OPEN, path), CAPTION_ERROR, ICON_ERROR);
        return false;
    }
    return LoadText(text, path);
}

// The history and the view stay as they are: saving changes nothing the user sees.
bool CSchemoLibDoc::PrepareSave(const std::string& /*fileTitle*/) {
    return StoreComponent();
}

std::string CSchemoLibDoc::SaveBytes(bool /*bSplit*/) const {
    const std::string shown = ShownText();
    if (shown.empty() || shown == m_componentTexts[m_nCurrent])
        return FormatLibraryText(m_strTitle, m_componentTexts, m_categories);
    std::vector<std::string> texts = m_componentTexts;
    texts[m_nCurrent] = shown;
    return FormatLibraryText(m_strTitle, texts, m_categories);
}

std::string CSchemoLibDoc::ShownText() const {
    if (!m_bShown || !HasCurrent()) return std::string();
    const std::string key = m_pFields->GetKey();
    const std::string title = m_pFields->GetTitle();
    const bool bValid = !key.empty() && !title.empty() && IsValidShortName(key) &&
                        !IsKeyUsed(key, m_nCurrent) &&
                        ReadComponentHeader(m_componentTexts[m_nCurrent], nullptr, nullptr);
    return bValid ? ComponentText(key, title) : std::string();
}

std::string CSchemoLibDoc::ComponentText(const std::string& key, const std::string& title) const {
    return "[" + key + " " + title + "]\r\n" + FormatPrimitiveLines(Primitives(), false);
}

// A component whose header cannot be read is listed by its header line.
std::string CSchemoLibDoc::ListTitle(const std::string& text) const {
    std::string title;
    return ReadComponentHeader(text, nullptr, &title) ? title : ComponentHeaderLine(text);
}

bool CSchemoLibDoc::IsKeyUsed(const std::string& key, int except) const {
    std::string k;
    for (int i = 0; i < int(m_componentTexts.size()); ++i)
        if (i != except && ReadComponentHeader(m_componentTexts[i], &k, nullptr) && k == key)
            return true;
    return false;
}

void CSchemoLibDoc::ShowFields(const std::string& key, const std::string& title) {
    m_pFields->SetTitles(m_titles);
    m_pFields->SetCurrentIndex(HasCurrent() ? m_nCurrent : -1);
    m_pFields->SetKey(key);
    m_pFields->SetTitle(title);
}

void CSchemoLibDoc::ShowStoredFields() {
    std::string key, title;
    if (HasCurrent() && !ReadComponentHeader(m_componentTexts[m_nCurrent], &key, &title))
        title = m_titles[m_nCurrent];
    ShowFields(key, title);
}

// A component that cannot be read leaves an empty view, marked as not shown,
// so that what was shown before is never stored into it.
bool CSchemoLibDoc::LoadComponent(bool bFit, int* pError) {
    m_bTitleTyped = false;
    CMacro temp;
    std::string key, title;
    const std::string& text = m_componentTexts[m_nCurrent];
    m_bShown = ReadComponentHeader(text, &key, &title) &&
               ParseComponent(text, &temp, nullptr, nullptr, pError, &ResolveContext());
    if (!m_bShown) {
        if (GetUi()) GetUi()->Beep();
        ReplaceAll({});
        ClearUndo();
        ShowFields("", m_titles[m_nCurrent]);
        return false;
    }
    ReplaceAll(std::move(temp.m_components));
    ShowFields(key, title);
    if (bFit && m_onFrameComponent) m_onFrameComponent();
    ClearUndo(); // each component has a history of its own, starting here
    return true;
}

bool CSchemoLibDoc::StoreComponent() {
    if (!m_bShown || !HasCurrent()) return true;
    std::string key = m_pFields->GetKey();
    std::string title = m_pFields->GetTitle();
    const char* refusal = nullptr;
    if (key.empty() || title.empty())
        refusal = MSG_TITLES_REQUIRED;
    else if (!IsValidShortName(key))
        refusal = MSG_BAD_SHORT_NAME;
    else if (IsKeyUsed(key, m_nCurrent))
        refusal = MSG_SHORT_NAME_USED;
    if (refusal && GetUi()) GetUi()->ShowMessage(refusal, CAPTION_APPLICATION, ICON_INFORMATION);
    m_titles[m_nCurrent] = title;
    m_pFields->SetTitles(m_titles);
    m_pFields->SetCurrentIndex(m_nCurrent);

    std::string& text = m_componentTexts[m_nCurrent];
    std::string oldKey, oldTitle;
    if (!ReadComponentHeader(text, &oldKey, &oldTitle)) {
        if (GetUi()) GetUi()->Beep();
        return false;
    }
    if (refusal) {
        key = oldKey;
        title = oldTitle;
    } else if (key != oldKey || title != oldTitle) {
        SetModified(true);
    }
    text = ComponentText(key, title);
    return refusal == nullptr;
}
