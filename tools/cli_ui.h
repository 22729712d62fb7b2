#pragma once
// The document's messages on standard error; no questions are asked.
#include "doc/document/document_ui.h"
#include "qtlayer/qt_translate.h"

#include <cstdio>

class CCliUi final : public IDocumentUi {
  public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
        std::fprintf(stderr, "%s\n", TrMessageBytes(text).c_str());
    }
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return ANSWER_YES; }
};
