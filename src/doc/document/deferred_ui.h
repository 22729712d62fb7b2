#pragma once
// Keeps what a document says while its work runs beside other threads, to be
// said on the real interface once they are done. It asks nothing: a question
// is answered as no interface would.
#include "doc/document/document_ui.h"

#include <string>
#include <vector>

class CDeferredUi final : public IDocumentUi {
  public:
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override {
        m_messages.push_back({text, caption, icon});
    }
    Answer AskYesNoCancel(const std::string& /*text*/, const std::string& /*caption*/) override {
        return ANSWER_CANCEL;
    }
    void Replay(IDocumentUi& ui) const {
        for (const Message& m : m_messages)
            ui.ShowMessage(m.text, m.caption, m.icon);
    }

  private:
    struct Message {
        std::string text, caption;
        MessageIcon icon;
    };
    std::vector<Message> m_messages;
};
