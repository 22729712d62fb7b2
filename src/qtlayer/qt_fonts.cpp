#include "qtlayer/qt_fonts.h"

#include "qtlayer/qt_fontfaces.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QRawFont>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

constexpr int kMaxCellHeight = 2048;
constexpr int kDefaultPixelSize = 12;
constexpr std::size_t kMaxFonts = 256;
const char* const kDefaultFace = "Courier New";

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

int CellHeightAt(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The largest pixel size whose cell (ascent + descent) fits in `cell` pixels.
int PixelSizeForCell(const QFont& font, int cell) {
    QFont probe(font);
    probe.setPixelSize(100);
    const QFontMetricsF m(probe);
    const double ratio = std::max(0.1, (m.ascent() + m.descent()) / 100);
    int size = std::max(1, int(cell / ratio));
    for (int i = 0; i < 16 && size > 1 && CellHeightAt(font, size) > cell; ++i)
        --size;
    for (int i = 0; i < 16 && CellHeightAt(font, size + 1) <= cell; ++i)
        ++size;
    return size;
}

int StretchForWidth(const QFont& font, int aveWidth) {
    const double natural = QFontMetricsF(font).averageCharWidth();
    if (natural <= 0) return 100;
    return std::clamp(int(std::lround(100.0 * aveWidth / natural)), 1, 4000);
}

// The same range of widths a stretch can reach, as a scale.
double ScaleForWidth(const QFont& font, int aveWidth) {
    const double natural = QFontMetricsF(font).averageCharWidth();
    if (natural <= 0) return 1;
    return std::clamp(aveWidth / natural, 0.01, 40.0);
}

// A face without substitution, positioning or kerning tables: Qt's shaping
// of it comes to the character map and the advances, which it also gives
// without shaping, at a fraction of the cost.
bool ShapingIsPlain(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) return false;
    for (const char* table : {"GSUB", "GPOS", "kern", "morx", "mort"})
        if (!raw.fontTable(table).isEmpty()) return false;
    return true;
}

bool IsFamilyAvailable(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive) ||
           QFontInfo(QFont(family)).exactMatch();
}

// Negative heights ask for the character height, without internal leading.
int DeviceCellHeight(const CFontSpec& asked, const CMapping& map) {
    if (asked.nHeight == 0) return 0;
    const auto h = int(std::clamp<std::int64_t>(std::llabs(map.LPtoDP(CSize{0, asked.nHeight}).cy),
                                                1, kMaxCellHeight));
    return asked.nHeight < 0 ? -h : h;
}

int DeviceCharWidth(const CFontSpec& asked, const CMapping& map) {
    if (asked.nWidth == 0) return 0;
    return int(std::clamp<std::int64_t>(std::llabs(map.LPtoDP(CSize{asked.nWidth, 0}).cx), 1,
                                        kMaxCellHeight * 4));
}

} // namespace

CQtFonts::CQtFonts(bool bAntialias, bool bVector) : m_bAntialias(bAntialias), m_bVector(bVector) {}

const CQtFont& CQtFonts::Get(const CFontSpec& asked, const CMapping& map) {
    const Key key{asked.face,
                  DeviceCellHeight(asked, map),
                  DeviceCharWidth(asked, map),
                  asked.nWeight,
                  asked.bItalic,
                  asked.bUnderline};
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        if (m_fonts.size() >= kMaxFonts) m_fonts.clear();
        it = m_fonts.emplace(key, Make(key)).first;
    }
    return it->second;
}

CQtFont CQtFonts::Make(const Key& key) {
    const auto& [face, nCell, nAveWidth, nWeight, bItalic, bUnderline] = key;
    QFont font(ResolveFamily(face));
    font.setStyleHint(QFont::TypeWriter,
                      m_bAntialias ? QFont::PreferAntialias : QFont::NoAntialias);
    if (m_bVector) font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(QFont::Weight(std::clamp(nWeight <= 0 ? 400 : nWeight, 1, 1000)));
    font.setItalic(bItalic);
    font.setUnderline(bUnderline);
    if (nCell == 0)
        font.setPixelSize(kDefaultPixelSize);
    else
        font.setPixelSize(nCell < 0 ? -nCell : PixelSizeForCell(font, nCell));
    // Asked before the stretch: a stretched face is costly to open raw.
    const bool bPlain = !m_bVector && ShapingIsPlain(font);
    double xScale = 1;
    if (nAveWidth > 0 && m_bVector)
        xScale = ScaleForWidth(font, nAveWidth);
    else if (nAveWidth > 0)
        font.setStretch(StretchForWidth(font, nAveWidth));
    QFont unshaped = font;
    if (bPlain)
        unshaped.setStyleStrategy(
            QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    static std::atomic<unsigned> s_nSerial{0};
    CQtFont made{font,
                 unshaped,
                 QFontMetrics(unshaped),
                 QFontMetricsF(unshaped),
                 xScale,
                 m_bVector,
                 ++s_nSerial,
                 0,
                 0,
                 0,
                 0,
                 nullptr};
    made.nHeight = made.metrics.height();
    made.nAscent = made.metrics.ascent();
    made.nAveWidth = made.metrics.averageCharWidth();
    made.nMaxWidth = made.metrics.maxWidth();
    if (bPlain && !m_bAntialias && !bUnderline && CGlyphMasks::Copies(unshaped))
        made.pMasks = std::make_shared<CGlyphMasks>(unshaped);
    return made;
}

namespace {
// Each thread's raster fonts, listed so that they can all be let go when the
// application ends: a font must not outlive Qt's font engines, and a thread's
// own storage is destroyed only when the thread ends.
struct CThreadFonts {
    CQtFonts fonts{false, false};
    CThreadFonts();
    ~CThreadFonts();
};

// Never destroyed: a worker thread may end, and let its fonts go, after the
// program's static objects are gone.
std::mutex& ThreadFontsMutex() {
    static auto* m = new std::mutex;
    return *m;
}

std::vector<CThreadFonts*>& AllThreadFonts() {
    static auto* v = new std::vector<CThreadFonts*>;
    return *v;
}

void ClearAllThreadFonts() {
    std::lock_guard<std::mutex> lock(ThreadFontsMutex());
    for (CThreadFonts* t : AllThreadFonts())
        t->fonts.Clear();
}

CThreadFonts::CThreadFonts() {
    std::lock_guard<std::mutex> lock(ThreadFontsMutex());
    static const bool s_bHooked = (qAddPostRoutine(ClearAllThreadFonts), true);
    (void)s_bHooked;
    AllThreadFonts().push_back(this);
}

CThreadFonts::~CThreadFonts() {
    std::lock_guard<std::mutex> lock(ThreadFontsMutex());
    auto& all = AllThreadFonts();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}
} // namespace

CQtFonts& RasterFonts() {
    static thread_local CThreadFonts t_fonts;
    return t_fonts.fonts;
}

// Faces the system lacks are replaced by the default fixed-pitch face, which
// fontconfig may provide under another name.
QString CQtFonts::ResolveFamily(const std::string& face) {
    auto it = m_families.find(face);
    if (it != m_families.end()) return it->second;
    QString family = QString::fromLatin1(kDefaultFace);
    if (!face.empty() && face != "*") {
        const QString asked = DecodeCp1252(face);
        if (IsFamilyAvailable(asked)) family = asked;
    }
    m_families.emplace(face, family);
    return family;
}

QTransform TextTransform(const CMapping& map, const CFontSpec& asked, int x, int y) {
    const CPoint p = map.LPtoDP(CPoint{x, y});
    QTransform t;
    t.translate(p.x, p.y);
    if (asked.nEscapement % 3600 != 0) t.rotate(-(asked.nEscapement / 10.0));
    return t;
}

const QFont& DrawingFont(const CQtFont& font, const QString& text) {
    for (const QChar c : text)
        if (IsShapedOnly(c)) return font.font;
    return font.unshaped;
}

int TextAdvance(const CQtFont& font, const QString& text) {
    if (&DrawingFont(font, text) == &font.font)
        return QFontMetrics(font.font).horizontalAdvance(text);
    return font.metrics.horizontalAdvance(text);
}

void DrawTextCell(QPainter& painter, const CQtFont& font, const QString& text, COLORREF color,
                  const COLORREF* background, bool bSetFont) {
    if (background && font.bVector) {
        const QRectF cell(0, 0, font.metricsF.horizontalAdvance(text), font.metricsF.height());
        painter.fillRect(cell, ToQColor(*background));
    } else if (background) {
        const QRect cell(0, 0, TextAdvance(font, text), font.nHeight);
        painter.fillRect(cell, ToQColor(*background));
    }
    if (bSetFont) painter.setFont(DrawingFont(font, text));
    painter.setPen(ToQColor(color));
    if (font.bVector)
        painter.drawText(QPointF(0, font.metricsF.ascent()), text);
    else
        painter.drawText(QPointF(0, font.nAscent), text);
}
