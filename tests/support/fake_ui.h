#pragma once
#include "doc/document/document_ui.h"

#include <string>
#include <vector>

// Records what the document tells and asks, and answers every question as told.
class CFakeUi final : public IDocumentUi {
  public:
    std::vector<std::string> m_messages; // "caption: text"
    std::vector<std::string> m_asked;    // every question: "caption: text"
    int m_nQuestions = 0;                // the yes/no/cancel ones
    int m_nBeeps = 0;
    Answer m_answer = ANSWER_YES;

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
        m_messages.push_back(caption + ": " + text);
    }
    Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
        ++m_nQuestions;
        m_asked.push_back(caption + ": " + text);
        return m_answer;
    }
    Answer AskYesNo(const std::string& text, const std::string& caption) override {
        m_asked.push_back(caption + ": " + text);
        return m_answer;
    }
    Answer AskYesNoDefaultYes(const std::string& text, const std::string& caption) override {
        m_asked.push_back(caption + ": " + text + " (S\xEC)");
        return m_answer;
    }
    void Beep() override { ++m_nBeeps; }

    // The messages, the questions and the beeps, joined by "|".
    std::string Told() const {
        std::string s;
        std::vector<std::string> all = m_messages;
        all.insert(all.end(), m_asked.begin(), m_asked.end());
        all.resize(all.size() + std::size_t(m_nBeeps), "beep");
        for (const std::string& t : all)
            s += (s.empty() ? "" : "|") + t;
        return s;
    }
};
