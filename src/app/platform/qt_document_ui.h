#pragma once
// The documents' messages, question and wait cursor, as the user sees them.
#include "doc/document/document_ui.h"

class QWidget;

class CQtDocumentUi final : public IDocumentUi {
  public:
    explicit CQtDocumentUi(QWidget* parent) : m_pParent(parent) {}
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    Answer AskYesNo(const std::string& text, const std::string& caption) override;
    Answer AskYesNoDefaultYes(const std::string& text, const std::string& caption) override;
    void Beep() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

  private:
    Answer AskYesOrNo(const std::string& text, const std::string& caption, bool bDefaultYes);
    QWidget* m_pParent;
};
