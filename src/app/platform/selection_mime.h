#pragma once
// What a copy offers on the clipboard: the drawing text under our own type
// and as plain text, and a PNG picture of the copied primitives, drawn only
// when a program asks for it: most copies are only ever pasted as text.
#include "doc/document/document.h"
#include "model/layers.h"

#include <QMimeData>

#include <memory>
#include <string>

class CSelectionMime final : public QMimeData {
    Q_OBJECT
  public:
    static const char* const kPictureType;

    // `picture` holds copies of the primitives, unselected (both clipboards
    // may share it); null offers no picture.
    CSelectionMime(const std::string& text, std::shared_ptr<CSchemoDoc> picture,
                   const CLayerTable& layers);

    QStringList formats() const override;
    bool hasFormat(const QString& type) const override;

  protected:
    QVariant retrieveData(const QString& type, QMetaType preferred) const override;

  private:
    std::shared_ptr<CSchemoDoc> m_pPicture;
    CLayerTable m_layers; // as they were when copied
    mutable QByteArray m_png;
};

// The primitives copied, unselected, into a drawing of their own.
std::shared_ptr<CSchemoDoc> PictureDocument(const std::vector<CPrimitive*>& prims);
