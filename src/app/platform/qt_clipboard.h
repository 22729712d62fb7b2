#pragma once
// The system clipboard for the editor. A copy goes there twice: as UTF-8 plain
// text (the bytes read as Windows-1252), which other programs understand, and
// under a type of our own with the bytes as they are, which another running
// copy of the program takes first; a copied selection also as a picture. The
// X primary selection gets the same.
#include "view/commands/clipboard.h"

#include "model/layers.h"

#include <QObject>

#include <memory>

class CQtClipboard final : public QObject, public IClipboard {
    Q_OBJECT
  public:
    static const char* const kMimeType;

    // The pictures are drawn in `layers` as they are at the copy.
    CQtClipboard(QObject* parent, const CLayerTable& layers);

    // Known from the clipboard's own notices, so asking costs nothing.
    bool HasText() const override { return m_bHasText; }
    bool GetText(std::string& text) override;
    bool SetText(const std::string& text) override;
    bool SetCopy(const std::string& text, const std::vector<CPrimitive*>& prims) override;

  signals:
    void TextAvailableChanged(bool bHasText);

  private:
    void OnChanged();
    bool Publish(const std::string& text, const std::shared_ptr<CSchemoDoc>& picture);
    const CLayerTable& m_layers;
    bool m_bHasText = false;
};
