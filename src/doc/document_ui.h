#pragma once
// How the document logic talks to the user: messages, one question, the wait
// cursor. The widgets implement it; tests record the calls.
#include <string>

enum MessageIcon { ICON_ERROR, ICON_INFORMATION };
enum Answer { ANSWER_YES, ANSWER_NO, ANSWER_CANCEL };

class IDocumentUi {
public:
    virtual ~IDocumentUi() = default;
    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    explicit CWaitCursor(IDocumentUi* ui) : m_pUi(ui) {
        if (m_pUi) m_pUi->BeginWaitCursor();
    }
    ~CWaitCursor() {
        if (m_pUi) m_pUi->EndWaitCursor();
    }

private:
    IDocumentUi* m_pUi;
};

extern const char* const CAPTION_ERROR;     // "Errore"
extern const char* const CAPTION_ATTENTION; // "Attenzione"
extern const char* const MSG_BAD_FORMAT;
extern const char* const MSG_CANNOT_OPEN; // missing, a folder or unreadable
extern const char* const MSG_READ_ERRORS;
extern const char* const MSG_STANDARD_NAME;
extern const char* const MSG_NON_STANDARD_MACROS;
