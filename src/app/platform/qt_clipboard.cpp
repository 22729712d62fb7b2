#include "app/platform/qt_clipboard.h"

#include "app/platform/selection_mime.h"
#include "qtlayer/qt_fontfaces.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

const char* const CQtClipboard::kMimeType = "application/x-tavolin-drawing";

namespace {
bool Offers(const QMimeData* data) {
    return data && (data->hasFormat(CQtClipboard::kMimeType) || data->hasText());
}
} // namespace

CQtClipboard::CQtClipboard(QObject* parent, const CLayerTable& layers)
    : QObject(parent), m_layers(layers) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { OnChanged(); });
    m_bHasText = Offers(QGuiApplication::clipboard()->mimeData());
}

void CQtClipboard::OnChanged() {
    const bool bHasText = Offers(QGuiApplication::clipboard()->mimeData());
    if (bHasText == m_bHasText) return;
    m_bHasText = bHasText;
    emit TextAvailableChanged(bHasText);
}

// Our own type first: it holds the bytes exactly, whatever the plain text's
// conversion would make of them.
bool CQtClipboard::GetText(std::string& text) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return false;
    if (data->hasFormat(kMimeType)) {
        const QByteArray bytes = data->data(kMimeType);
        text.assign(bytes.constData(), std::size_t(bytes.size()));
        return true;
    }
    if (!data->hasText()) return false;
    text = EncodeCp1252Lossy(data->text());
    return true;
}

// The clipboard is ours only if reading it back gives the text: another
// program may hold on to it.
bool CQtClipboard::SetText(const std::string& text) {
    return Publish(text, nullptr);
}

bool CQtClipboard::SetCopy(const std::string& text, const std::vector<CPrimitive*>& prims) {
    return Publish(text, PictureDocument(prims));
}

bool CQtClipboard::Publish(const std::string& text, const std::shared_ptr<CSchemoDoc>& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(new CSelectionMime(text, picture, m_layers), QClipboard::Clipboard);
    const QMimeData* back = clipboard->mimeData(QClipboard::Clipboard);
    if (!back || back->data(kMimeType) != QByteArray(text.data(), qsizetype(text.size())))
        return false;
    if (clipboard->supportsSelection())
        clipboard->setMimeData(new CSelectionMime(text, picture, m_layers), QClipboard::Selection);
    return true;
}
