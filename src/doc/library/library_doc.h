#pragma once
// The document of a library (".tvl"): the component texts in library order
// with the category of each, and one of them shown, its primitives being the
// document's list while it is shown. Key and title of the shown component live
// in the bar's fields, reached through ILibraryFields.
#include "doc/document/document.h"
#include "doc/library/library_fields.h"
#include "doc/library/numbering.h"

#include <functional>
#include <string>
#include <vector>

class CSchemoLibDoc final : public CSchemoDoc {
  public:
    CSchemoLibDoc(IDocumentUi* ui, CResolveContext& resolve);

    // The bar's fields, filled at once; null goes back to the document's own.
    void AttachFields(ILibraryFields* fields);
    ILibraryFields& Fields() const { return *m_pFields; }
    // Asked to frame the first view on the component just shown.
    std::function<void()> m_onFrameComponent;

    const std::vector<std::string>& ComponentTexts() const { return m_componentTexts; }
    const std::vector<std::string>& Categories() const { return m_categories; }
    const std::vector<std::string>& Titles() const { return m_titles; }
    int Current() const { return m_nCurrent; }
    // False while the current component's header cannot be read (or there is
    // none): its text is kept as it is and edits of the view are not stored.
    bool IsComponentShown() const { return m_bShown; }

    // A new library "Nuova libreria N" with one empty component.
    void OnNewDocument(int nLibraryNumber);
    bool Load(const std::string& text) override;
    bool LoadFile(const std::string& path) override;
    // The shown component is stored first; false when its titles are refused.
    bool PrepareSave(const std::string& fileTitle) override;
    // The shown component goes in as it stands when its key and title would
    // be accepted, else its last stored text.
    std::string SaveBytes(bool bSplit) const override;
    // Components are always written as they are: there is nothing to split.
    bool CheckNonStandardMacros(CSaveOptions&) override { return true; }
    void DeleteContents() override;

    enum Place { PLACE_END, PLACE_AFTER, PLACE_BEFORE };
    // "Aggiungi macro" and "Inserisci nuovo componente dopo/prima": stores the
    // shown component first; false when that is refused.
    bool NewComponent(Place place);
    // "Rimuovi macro", after the user agreed.
    bool RemoveCurrentComponent();
    // Every way of choosing another component: the shown one is stored first,
    // and when that is refused the box goes back to it.
    bool SwitchTo(int index);
    // The user typed into the title: the document is modified.
    void OnTitleEdited();
    // The list is about to drop down: the typed title replaces the entry.
    void OnTitleListOpening();
    // Before the numbering dialog opens: stores the shown component (a
    // refusal does not stop the numbering).
    void BeginNumbering();
    // The dialog's OK: false, after the message, keeps it open. Otherwise all
    // keys are numbered, the document is modified and the component shown again.
    bool ApplyNumbering(const CNumbering& numbering);

    // The key and title of the fields go into the current text with the
    // primitives; false, after the message, when they are refused (the text is
    // then rewritten with its old titles).
    bool StoreComponent();
    bool IsKeyUsed(const std::string& key, int except) const;

  private:
    // The shown component's text with the fields' key and title; empty when
    // they would be refused or no component is shown.
    std::string ShownText() const;
    std::string ComponentText(const std::string& key, const std::string& title) const;
    // The path, when known, is named in the messages.
    bool LoadText(const std::string& text, const std::string& path);
    void AddComponent(int index);
    void RemoveComponent();
    bool LoadComponent(bool bFit, int* pError = nullptr);
    void ShowFields(const std::string& key, const std::string& title);
    void ShowStoredFields();
    std::string ListTitle(const std::string& text) const;
    bool HasCurrent() const { return m_nCurrent >= 0 && m_nCurrent < int(m_componentTexts.size()); }

    std::vector<std::string> m_componentTexts;
    std::vector<std::string> m_categories; // one per component
    std::vector<std::string> m_titles;     // as the component box lists them
    int m_nCurrent = 0;
    int m_nNextNumber = 1; // for the keys and titles of new components
    bool m_bShown = false;
    bool m_bTitleTyped = false; // a title was typed since the last choice from the list
    CLibraryFields m_ownFields;
    ILibraryFields* m_pFields = &m_ownFields;
};
