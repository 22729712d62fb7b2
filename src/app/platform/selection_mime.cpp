#include "app/platform/selection_mime.h"

#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/qt_clipboard.h"
#include "qtlayer/qt_clip_picture.h"
#include "qtlayer/qt_fontfaces.h"

namespace {
constexpr int PICTURE_ZOOM = 400;      // percent
constexpr int PICTURE_MAX_SIDE = 4096; // pixels
} // namespace

const char* const CSelectionMime::kPictureType = "image/png";

CSelectionMime::CSelectionMime(const std::string& text, std::shared_ptr<CSchemoDoc> picture,
                               const CLayerTable& layers)
    : m_pPicture(std::move(picture)), m_layers(layers) {
    const QString plain = DecodeCp1252(text);
    setText(plain);
    setData("text/plain;charset=utf-8", plain.toUtf8());
    setData(CQtClipboard::kMimeType, QByteArray(text.data(), qsizetype(text.size())));
}

QStringList CSelectionMime::formats() const {
    QStringList types = QMimeData::formats();
    if (m_pPicture) types << kPictureType;
    return types;
}

bool CSelectionMime::hasFormat(const QString& type) const {
    return (m_pPicture && type == kPictureType) || QMimeData::hasFormat(type);
}

QVariant CSelectionMime::retrieveData(const QString& type, QMetaType preferred) const {
    if (!m_pPicture || type != kPictureType) return QMimeData::retrieveData(type, preferred);
    if (m_png.isEmpty()) {
        const std::string png =
            ClipPicturePng(*m_pPicture, m_layers, PICTURE_ZOOM, PICTURE_MAX_SIDE);
        m_png = QByteArray(png.data(), qsizetype(png.size()));
        TraceLine(QString("CLIPBOARD PICTURE %1").arg(m_png.size()));
    }
    return m_png;
}

std::shared_ptr<CSchemoDoc> PictureDocument(const std::vector<CPrimitive*>& prims) {
    auto doc = std::make_shared<CSchemoDoc>(DOC_DRAWING, nullptr, g_library.context);
    CPrimitiveList list;
    for (const CPrimitive* p : prims) {
        list.push_back(p->Clone());
        list.back()->SetSelected(false);
    }
    doc->Append(std::move(list));
    return doc;
}
