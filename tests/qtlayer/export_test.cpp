// Every picture format, written and read back with an independent reader: Qt's
// image readers, its SVG renderer (also for the metafile, through emf2svg-conv)
// and poppler's tools for the PDF.
#include "doc/document/document.h"
#include "format/resolve_context.h"
#include "qtlayer/qt_clip_picture.h"
#include "qtlayer/qt_export.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <cmath>

namespace {

// The rectangle on layer 2 gets selected: it must come out in its layer colour
// and stay selected. The black line is on the last layer; the text, in
// Windows-1252, ends with a euro sign.
const char* const kDrawing = "[TAVOLIN Prova]\r\nLI 10 10 90 10 15\r\nLI 10 30 90 30 1\r\n"
                             "RP 20 40 50 60 2\r\nTY 55 45 8 5 0 0 3 Courier++New Tav\x80\r\n"
                             "PA 75 60 12 12 4 0 1\r\n";
const QRectF kExtent(4, 4, 92, 68); // in units: the figures and a margin
const QRgb kBlack = qRgb(0, 0, 0), kBlue = qRgb(0, 0, 192), kGreen = qRgb(0, 192, 0),
           kTeal = qRgb(0, 150, 150), kWhite = qRgb(255, 255, 255);

bool Near(QRgb a, QRgb b) {
    const auto d = [](int x, int y) { return std::abs(x - y); };
    return d(qRed(a), qRed(b)) + d(qGreen(a), qGreen(b)) + d(qBlue(a), qBlue(b)) < 120;
}

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString ReadText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QImage Render(const QString& svgPath, double scale, double shift = 0) {
    QSvgRenderer renderer(svgPath);
    QImage img((renderer.viewBoxF().size() * scale).toSize(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.translate(shift, shift);
    renderer.render(&painter);
    return img;
}

struct CFormat {
    const char* name;
    PictureFormat nFormat;
    CExportOptions options;
    double nPixelsPerUnit; // of the picture read
    double nMicrons;       // a unit on paper; 0: not a size on paper
    enum { MONO, ALIASED, SMOOTH, VECTOR } kind;
};

// The bitmaps at 4 pixels a unit; the PDF most of a point less than a whole
// page; the metafile at zoom argument 2000.
constexpr double kPdfDots = 0.25 * 600 / 25.4; // a unit at 250 microns, read at 600 DPI
const CFormat kFormats[] = {
    {"bmp", PICTURE_BMP, {EXPORT_ABSOLUTE, 100, 800, 128, {}}, 4, 0, CFormat::MONO},
    {"png", PICTURE_PNG, {EXPORT_ABSOLUTE, 100, 800, 128, {}}, 4, 0, CFormat::ALIASED},
    {"aa_png", PICTURE_PNG, {EXPORT_RELATIVE, 400, 600, 127, {}}, 4, 0, CFormat::SMOOTH},
    {"svg", PICTURE_SVG, {EXPORT_ABSOLUTE, 100, 600, 254, {}}, 4, 254, CFormat::VECTOR},
    {"pdf", PICTURE_PDF, {EXPORT_ABSOLUTE, 100, 600, 250, {}}, kPdfDots, 250, CFormat::VECTOR},
    {"emf", PICTURE_EMF, {}, 20, 0, CFormat::VECTOR},
};

std::string Write(const CFormat& f, CSchemoDoc& doc, const CExportOptions& o,
                  const std::string& path, IDrawProgress* progress) {
    CPictureExtras extras;
    extras.title = "Prova";
    extras.bAntialias = f.kind == CFormat::SMOOTH;
    extras.progress = progress;
    return ExportPicture(doc, f.nFormat, o, path, extras);
}

// The programs that read a format back; Qt reads the others itself.
QStringList ReaderTools(const std::string& format) {
    if (format == "pdf") return {"pdftoppm", "pdfinfo", "pdftotext"};
    if (format == "emf") return {"emf2svg-conv"};
    return {};
}

// What a reader shows of a file: the picture, and for vector files the size on
// paper in mm and the text as text.
struct CSeen {
    QImage image;
    QSizeF mm;
    QString text;
};

QSizeF Pair(const QString& text, const char* pattern) {
    const auto m = QRegularExpression(pattern).match(text);
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
}

CSeen Read(const std::string& format, const QString& p) {
    if (format == "svg") {
        const QString svg = ReadText(p);
        // 1200 device units an inch: 12 of them a unit at 254 microns.
        return {Render(p, 4 / 12.0), Pair(svg, "width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""),
                QRegularExpression(">([^<>]+)</text>").match(svg).captured(1)};
    }
    if (format == "pdf") {
        Tool("pdftoppm", {"-png", "-r", "600", "-aaVector", "no", "-singlefile", p, p});
        return {QImage(p + ".png"),
                Pair(Tool("pdfinfo", {p}), "Page size:\\s+([0-9.]+) x ([0-9.]+) pts") * 25.4 / 72,
                Tool("pdftotext", {p, "-"}).trimmed()};
    }
    if (format == "emf") {
        Tool("emf2svg-conv", {"-i", p, "-o", p + ".svg"});
        // Lines one pixel wide on whole coordinates: half a pixel on, they cover one.
        return {Render(p + ".svg", 1, 0.5),
                {},
                QRegularExpression("([^[]+)]]></text>").match(ReadText(p + ".svg")).captured(1)};
    }
    return {QImage(p), {}, {}};
}

// Where the drawing's units land in a picture, found from its topmost figure,
// the line from (10, 10) to (90, 10).
struct CGrid {
    double x0 = 0, y0 = 0, scale = 0;
    QPoint operator()(double ux, double uy) const {
        return QPoint(int(std::lround(x0 + ux * scale)), int(std::lround(y0 + uy * scale)));
    }
};

CGrid FindGrid(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        const QRect before = box;
        for (int x = 0; x < img.width(); ++x)
            if (!Near(img.pixel(x, y), kWhite)) box |= QRect(x, y, 1, 1);
        if (!before.isNull() && box == before) break;
    }
    const double scale = (box.right() - box.left()) / 80.0;
    return CGrid{box.left() - 10 * scale, (box.top() + box.bottom()) / 2.0 - 10 * scale, scale};
}

class ExportFormats : public ::testing::TestWithParam<CFormat> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_doc.Load(kDrawing));
        m_path = QString::fromStdString(testing::TempDir()) +
                 QString("tavolin_export_%1.").arg(QCoreApplication::applicationPid()) +
                 GetParam().name;
    }
    void TearDown() override {
        for (const char* suffix : {"", ".png", ".svg"})
            QFile::remove(m_path + suffix);
    }
    CFakeUi m_ui;
    CLibraryState m_library;
    CSchemoDoc m_doc{DOC_DRAWING, &m_ui, m_library.context};
    QString m_path;
};

// Says stop the first time it is asked.
struct CStopAtOnce final : IDrawProgress {
    int nAsked = 0;
    bool Continue(double) override { return ++nAsked == 0; }
};

} // namespace

TEST_P(ExportFormats, WritesTheDrawingInPlaceInLayerColoursAtItsSize) {
    const CFormat& f = GetParam();
    for (const QString& tool : ReaderTools(f.name))
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool.toStdString() << " is not installed";
    CPrimitive* selected = m_doc.Primitives()[2].get();
    m_doc.Select(selected, true);
    ASSERT_EQ(Write(f, m_doc, f.options, m_path.toStdString(), nullptr), "");
    EXPECT_EQ(m_doc.Selection(), std::vector<CPrimitive*>{selected});
    EXPECT_TRUE(selected->IsSelected());
    const CSeen seen = Read(f.name, m_path);
    const QImage& img = seen.image;
    ASSERT_FALSE(img.isNull());
    const CGrid at = FindGrid(img);
    EXPECT_NEAR(at.scale, f.nPixelsPerUnit, 0.05);
    // The picture is the extent, cut neither at the top nor at the bottom (the
    // converter crops a metafile to what it draws).
    if (std::string(f.name) != "emf") {
        EXPECT_LE(at(kExtent.left(), kExtent.top()).manhattanLength(), 2);
        EXPECT_NEAR(img.width() / at.scale, kExtent.width(), 0.5);
        EXPECT_NEAR(img.height() / at.scale, kExtent.height(), 0.5);
    }
    if (f.nMicrons > 0) {
        EXPECT_NEAR(seen.mm.width(), kExtent.width() * f.nMicrons / 1000, 0.02);
        EXPECT_NEAR(seen.mm.height(), kExtent.height() * f.nMicrons / 1000, 0.02);
    }
    const bool bRaster = f.kind != CFormat::VECTOR;
    EXPECT_EQ(bRaster && f.options.nMode == EXPORT_ABSOLUTE ? img.dotsPerMeterY() : 31496, 31496);
    EXPECT_EQ(seen.text, bRaster ? "" : QString::fromUtf8("Tav\xe2\x82\xac"));

    const QRgb expected[][3] = {{15, 10, kBlack}, {50, 30, kBlue},  {35, 50, kGreen},
                                {75, 60, kWhite}, {71, 60, kBlue},  {15, 20, kWhite},
                                {60, 20, kWhite}, {80, 40, kWhite}, {35, 65, kWhite}};
    for (const auto& [x, y, colour] : expected) {
        const QRgb c = img.pixel(at(x, y));
        EXPECT_TRUE(Near(c, f.kind == CFormat::MONO && colour != kWhite ? kBlack : colour))
            << x << "," << y << ": " << std::hex << c;
    }
    int text = 0, blended = 0;
    const QRect textBox(at(54, 44), at(71, 54));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            text += textBox.contains(x, y) && Near(c, f.kind == CFormat::MONO ? kBlack : kTeal);
            blended += c != kWhite && c != kBlack && c != kBlue && c != kGreen && c != kTeal;
        }
    EXPECT_GT(text, 20);
    EXPECT_TRUE(!bRaster || (f.kind == CFormat::SMOOTH ? blended > 50 : blended == 0)) << blended;
}

// Nothing on a shown layer, a picture too large, a stopped export: the old
// file stays as it was and no temporary file is left.
TEST_P(ExportFormats, RefusedOrStoppedWritesNothing) {
    const CFormat& f = GetParam();
    QFile old(m_path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const std::string path = m_path.toStdString();
    CExportOptions hidden = f.options;
    hidden.layers.m_bLayerShow[0] = hidden.layers.m_bLayerShow[1] = 0;
    ASSERT_TRUE(m_doc.Load("[TAVOLIN]\r\nLI 10 10 90 10\r\nPA 5 5 4 4 2 0 1\r\n"));
    EXPECT_EQ(Write(f, m_doc, hidden, path, nullptr), ExportMessage(EXPORT_NO_EXTENT));
    if (std::string(f.name) != "bmp" && std::string(f.name) != "emf") {
        ASSERT_TRUE(m_doc.Load("[TAVOLIN]\r\nLI 0 0 9000 9000\r\n"));
        EXPECT_NE(
            Write(f, m_doc, CExportOptions{EXPORT_RELATIVE, 2000, 600, 1000, {}}, path, nullptr),
            "");
    }
    std::string text = "[TAVOLIN]\r\n";
    for (int i = 0; i < 600; ++i)
        text += "LI 10 " + std::to_string(10 + i) + " 90 " + std::to_string(10 + i) + "\r\n";
    ASSERT_TRUE(m_doc.Load(text));
    CStopAtOnce stop;
    EXPECT_EQ(Write(f, m_doc, f.options, path, &stop), "");
    EXPECT_EQ(stop.nAsked, 1);
    EXPECT_EQ(ReadText(m_path), "old");
    const QDir dir(QString::fromStdString(testing::TempDir()));
    EXPECT_EQ(dir.entryList({QFileInfo(m_path).fileName() + "*"}, QDir::Files).size(), 1);

    // The system's reason comes with the message: it is read after the write failed.
    EXPECT_EQ(Write(f, m_doc, f.options, testing::TempDir() + "no/dir/x", nullptr),
              std::string(f.name) == "emf"
                  ? "Impossibile creare il metafile!\nLa cartella non esiste"
                  : "Impossibile scrivere il file.\nLa cartella non esiste");
}

// A copy's picture too long for 4096 pixels at 400 % is drawn at the zoom that
// fits (at 400 % it is the export's picture, seen end to end).
TEST(ClipPicture, ALongOneIsDrawnAtTheZoomThatFits) {
    CLibraryState library;
    CSchemoDoc doc(DOC_DRAWING, nullptr, library.context);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 0 10 3000 10 1\r\n"));
    const std::string png = ClipPicturePng(doc, CLayerTable(), 400, 4096);
    const int w = QImage::fromData(QByteArray::fromStdString(png), "PNG").width();
    EXPECT_TRUE(w > 4000 && w <= 4096) << w;
}

// A vector picture is titled as the drawing is (its title in Windows-1252).
TEST(VectorExport, IsTitledAsTheDrawing) {
    CLibraryState library;
    CSchemoDoc doc(DOC_DRAWING, nullptr, library.context);
    ASSERT_TRUE(doc.Load("[TAVOLIN Filtro \x80 RC]\r\nLI 10 10 90 10\r\n"));
    const CExportOptions o{EXPORT_ABSOLUTE, 100, 600, 254, {}};
    const QString base = QString::fromStdString(testing::TempDir()) +
                         QString("tavolin_title_%1.").arg(QCoreApplication::applicationPid());
    const QString title = QString::fromUtf8("Filtro \xe2\x82\xac RC");
    ASSERT_EQ(ExportSvg(doc, o, (base + "svg").toStdString()), "");
    EXPECT_TRUE(ReadText(base + "svg").contains("<title>" + title + "</title>"));
    QFile::remove(base + "svg");
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) GTEST_SKIP() << "no pdfinfo";
    ASSERT_EQ(ExportPdf(doc, o, (base + "pdf").toStdString()), "");
    const QRegularExpression line("^Title: +(.*)$", QRegularExpression::MultilineOption);
    EXPECT_EQ(line.match(Tool("pdfinfo", {base + "pdf"})).captured(1), title);
    QFile::remove(base + "pdf");
}

INSTANTIATE_TEST_SUITE_P(Pictures, ExportFormats, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });
