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
    // "Sì" and "No", with "No" the default: ANSWER_YES or ANSWER_NO. Until a
    // user interface asks, nothing is agreed to.
    virtual Answer AskYesNo(const std::string& /*text*/, const std::string& /*caption*/) {
        return ANSWER_NO;
    }
    // The same with "Sì" the default.
    virtual Answer AskYesNoDefaultYes(const std::string& /*text*/, const std::string& /*caption*/) {
        return ANSWER_NO;
    }
    virtual void Beep() {}
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
// A message about a file, with the file's path on a second line when known.
std::string WithFileName(const char* pszMessage, const std::string& path);
extern const char* const MSG_READ_ERRORS;
extern const char* const MSG_NO_LAYER; // primitives kept on a layer beyond the sixteen
// What a reading's error flag (format/reader.h) tells the user, a line for
// each kind met; empty when the flag is 0.
std::string ReadErrorsMessage(int nError);
extern const char* const MSG_STANDARD_NAME;
extern const char* const MSG_NON_STANDARD_MACROS;

// The library document's.
extern const char* const CAPTION_APPLICATION; // "Tavolin"
extern const char* const MSG_TITLES_REQUIRED;
extern const char* const MSG_BAD_SHORT_NAME;
extern const char* const MSG_SHORT_NAME_USED;
extern const char* const MSG_BAD_PREFIX;
extern const char* const MSG_NUMBERS_TOO_LONG;
extern const char* const MSG_NUMBERING_ERRORS;
// "Rimuovere il componente <key>?", or without the key when it is empty.
std::string RemoveComponentQuestion(const std::string& key);

// The messages made with a name or a number: UTF-8 templates with one "%1".
// The core's messages are marked in the context "Messaggi"; the window
// translates a filled-in one through its template.
extern const char* const MSG_FILE_RELOAD;
extern const char* const MSG_FILE_REMOVED;
extern const char* const MSG_FILE_OVERWRITE;
// The line the reload question adds when the document has edits not saved.
extern const char* const MSG_RELOAD_LOSES_EDITS;
extern const char* const MSG_RELOAD_UNDOES_EDITS; // a reload that Undo takes back
extern const char* const MSG_CANNOT_SAVE;
extern const char* const MSG_CANNOT_WRITE;
extern const char* const MSG_SYSTEM_ERROR;
// A picture's extension refused in the raster modes or in the metafile mode:
// one of the other modes' or one of none.
extern const char* const MSG_RASTER_ONLY;
extern const char* const MSG_VECTOR_ONLY;
extern const char* const MSG_RASTER_UNKNOWN;
extern const char* const MSG_VECTOR_UNKNOWN;
// The fabrication set refused (no copper, an open outline on layer %1, too
// large), a length option refused (%1: its name), the files written (%1: where).
extern const char* const MSG_FAB_NO_COPPER;
extern const char* const MSG_FAB_OUTLINE_OPEN;
extern const char* const MSG_FAB_TOO_LARGE;
extern const char* const MSG_FAB_BAD_LENGTH;
extern const char* const MSG_FAB_WRITTEN;
// The kinds of the design-rule check's findings.
extern const char* const MSG_RULE_THIN_TRACK;
extern const char* const MSG_RULE_CLEARANCE;
extern const char* const MSG_RULE_SMALL_DRILL;
extern const char* const MSG_RULE_THIN_RING;
extern const char* const MSG_RULE_HOLES_CLOSE;
extern const char* const MSG_RULE_EDGE;
extern const char* const MSG_RULE_OUTSIDE;
extern const char* const MSG_RULE_OUTLINE_OPEN;
extern const char* const MSG_ARG_ZOOM;
extern const char* const MSG_ARG_AUTOSAVE;
extern const char* const MSG_ARG_ORIGIN;
extern const char* const MSG_ARG_UNKNOWN;
// The template in the program's code page with its "%1" replaced by `arg`.
std::string FillMessage(const char* pszTemplate, const std::string& arg);
// Which template a line was filled from, and with what; no template when the
// line is not one of them.
struct CFilledMessage {
    const char* pszTemplate = nullptr;
    std::string arg;
};
CFilledMessage RecogniseMessage(const std::string& line);
