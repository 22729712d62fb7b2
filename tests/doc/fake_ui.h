#pragma once
#include "doc/document_ui.h"

#include <string>
#include <vector>

// Records what the document shows and answers its question as told.
class CFakeUi final : public IDocumentUi {
public:
    std::vector<std::string> m_messages; // "caption: text"
    int m_nQuestions = 0;
    Answer m_answer = ANSWER_YES;

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
        m_messages.push_back(caption + ": " + text);
    }
    Answer AskYesNoCancel(const std::string&, const std::string&) override {
        ++m_nQuestions;
        return m_answer;
    }
    std::vector<std::string> m_yesNo; // "caption: text"
    Answer m_yesNoAnswer = ANSWER_YES;
    int m_nBeeps = 0;
    Answer AskYesNo(const std::string& text, const std::string& caption) override {
        m_yesNo.push_back(caption + ": " + text);
        return m_yesNoAnswer;
    }
    void Beep() override { ++m_nBeeps; }
};
