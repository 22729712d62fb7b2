#pragma once
// The system clipboard for the editor. A copy goes there twice: as UTF-8 plain
// text (the bytes read as Windows-1252), which other programs understand, and
// under a type of our own with the bytes as they are, which another running
// copy of the program takes first. The X primary selection gets the same.
#include "view/clipboard.h"

#include <QObject>

class CQtClipboard final : public QObject, public IClipboard {
    Q_OBJECT
  public:
    static const char* const kMimeType;

    explicit CQtClipboard(QObject* parent);

    // Known from the clipboard's own notices, so asking costs nothing.
    bool HasText() const override { return m_bHasText; }
    bool GetText(std::string& text) override;
    bool SetText(const std::string& text) override;

  signals:
    void TextAvailableChanged(bool bHasText);

  private:
    void OnChanged();
    bool m_bHasText = false;
};
