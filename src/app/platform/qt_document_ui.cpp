#include "app/platform/qt_document_ui.h"

#include "app/dialogs/message_box.h"
#include "app/frame/trace.h"
#include "qtlayer/qt_translate.h"

#include <QApplication>

void CQtDocumentUi::ShowMessage(const std::string& text, const std::string& caption,
                                MessageIcon icon) {
    ShowMessageBox(m_pParent, icon == ICON_ERROR ? QMessageBox::Critical : QMessageBox::Information,
                   TrMessage(caption), TrMessage(text));
}

Answer CQtDocumentUi::AskYesNoCancel(const std::string& text, const std::string& caption) {
    switch (ShowMessageBox(m_pParent, QMessageBox::Question, TrMessage(caption), TrMessage(text),
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return ANSWER_YES;
    case QMessageBox::No:
        return ANSWER_NO;
    default:
        return ANSWER_CANCEL;
    }
}

Answer CQtDocumentUi::AskYesNo(const std::string& text, const std::string& caption) {
    return AskYesOrNo(text, caption, false);
}

Answer CQtDocumentUi::AskYesNoDefaultYes(const std::string& text, const std::string& caption) {
    return AskYesOrNo(text, caption, true);
}

Answer CQtDocumentUi::AskYesOrNo(const std::string& text, const std::string& caption,
                                 bool bDefaultYes) {
    return ShowMessageBox(m_pParent, QMessageBox::Question, TrMessage(caption), TrMessage(text),
                          QMessageBox::Yes | QMessageBox::No,
                          bDefaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes
               ? ANSWER_YES
               : ANSWER_NO;
}

void CQtDocumentUi::Beep() {
    ::Beep();
}

void CQtDocumentUi::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
void CQtDocumentUi::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}
