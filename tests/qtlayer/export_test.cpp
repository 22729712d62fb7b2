// Every picture format, written and read back with an independent reader: Qt's
// image readers, its SVG renderer (also for the metafile, through emf2svg-conv)
// and poppler's tools for the PDF.
#include "../doc/fake_ui.h"
#include "doc/document.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_raster.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <cmath>
#include <functional>

namespace {

// The rectangle on layer 2 is selected: it must come out in its layer colour.
const char* const kDrawing = "[TAVOLIN Prova]\r\nLI 10 10 90 10\r\nLI 10 30 90 30 1\r\n"
                             "RP 20 40 50 60 2\r\nTY 55 45 8 5 0 0 3 Courier++New Tav\r\n"
                             "PA 75 60 12 12 4 0 1\r\n";
const QRgb kBlack = qRgb(0, 0, 0), kBlue = qRgb(0, 0, 192), kGreen = qRgb(0, 192, 0),
           kTeal = qRgb(0, 150, 150), kWhite = qRgb(255, 255, 255);

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <
           120;
}

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QImage Render(const QString& svgPath, double scale, double shift = 0) {
    QSvgRenderer renderer(svgPath);
    EXPECT_TRUE(renderer.isValid()) << svgPath.toStdString();
    QImage img((QSizeF(renderer.viewBoxF().size()) * scale).toSize(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.translate(shift, shift);
    renderer.render(&painter);
    return img;
}

QString ReadText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

CExportOptions Options(int mode, int zoom, int microns, int dpi = 600) {
    CExportOptions o;
    o.nMode = mode;
    o.nZoom = zoom;
    o.nMicronsPerUnit = microns;
    o.nDPI = dpi;
    return o;
}

using Exporter = std::function<std::string(CSchemoDoc&, const CExportOptions&, const std::string&,
                                           IDrawProgress*)>;

// What a reader shows of the file: the picture, its size on paper when it has
// one, and its text as text.
struct CSeen {
    QImage image;
    QSizeF mm;
    QString text;
    int nDotsPerMetre = 0;
};

struct CFormat {
    const char* name;
    Exporter write;
    CExportOptions options;
    std::function<CSeen(const QString& path)> read;
    double nPixelsPerUnit; // of the picture read
    double nMicrons;       // a unit on paper; 0: not a size on paper
    enum { MONO, ALIASED, SMOOTH, VECTOR } kind;
};

const CFormat kFormats[] = {
    {"bmp",
     [](auto& d, auto& o, auto& p, auto* s) {
         int nErrno = 0;
         const ExportResult r = ExportBitmap(d, o, p, MakeQtRasterBand, s, &nErrno);
         return ExportMessage(r, nErrno);
     },
     Options(EXPORT_ABSOLUTE, 100, 128, 800), // 4 pixels a unit
     [](const QString& p) {
         return CSeen{QImage(p), {}, {}, QImage(p).dotsPerMeterX()};
     },
     4, 0, CFormat::MONO},
    {"png", [](auto& d, auto& o, auto& p, auto* s) { return ExportPng(d, o, p, false, s); },
     Options(EXPORT_ABSOLUTE, 100, 128, 800),
     [](const QString& p) {
         return CSeen{QImage(p), {}, {}, QImage(p).dotsPerMeterY()};
     },
     4, 0, CFormat::ALIASED},
    {"aa.png", [](auto& d, auto& o, auto& p, auto* s) { return ExportPng(d, o, p, true, s); },
     Options(EXPORT_RELATIVE, 400, 127),
     [](const QString& p) {
         return CSeen{QImage(p), {}, {}};
     },
     4, 0, CFormat::SMOOTH},
    {"svg", [](auto& d, auto& o, auto& p, auto* s) { return ExportSvg(d, o, p, s); },
     Options(EXPORT_ABSOLUTE, 100, 254),
     [](const QString& p) {
         const QString svg = ReadText(p);
         const auto mm =
             QRegularExpression("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"").match(svg);
         const auto text = QRegularExpression(">([^<>]*)</text>").match(svg);
         // 1200 device units an inch: 12 of them a unit at 254 microns.
         return CSeen{Render(p, 4 / 12.0),
                      QSizeF(mm.captured(1).toDouble(), mm.captured(2).toDouble()),
                      text.captured(1)};
     },
     4, 254, CFormat::VECTOR},
    {"pdf", [](auto& d, auto& o, auto& p, auto* s) { return ExportPdf(d, o, p, s); },
     Options(EXPORT_ABSOLUTE, 100, 250),
     [](const QString& p) {
         Tool("pdftoppm", {"-png", "-r", "600", "-aaVector", "no", "-singlefile", p, p});
         const auto pts = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")
                              .match(Tool("pdfinfo", {p}));
         return CSeen{QImage(p + ".png"),
                      QSizeF(pts.captured(1).toDouble(), pts.captured(2).toDouble()) * 25.4 / 72,
                      Tool("pdftotext", {p, "-"}).trimmed()};
     },
     0.25 * 600 / 25.4, 250, CFormat::VECTOR},
    {"emf",
     [](auto& d, auto& o, auto& p, auto* s) { return ExportQtMetafile(d, o, p, "Prova", s); },
     CExportOptions(),
     [](const QString& p) {
         Tool("emf2svg-conv", {"-i", p, "-o", p + ".svg"});
         const auto text = QRegularExpression("(\\w+)]]></text>").match(ReadText(p + ".svg"));
         // Lines one pixel wide on whole coordinates: half a pixel on, they cover one.
         return CSeen{Render(p + ".svg", 1, 0.5), {}, text.captured(1)};
     },
     20, 0, CFormat::VECTOR}, // at zoom argument 2000
};

void PrintTo(const CFormat& f, std::ostream* os) {
    *os << f.name;
}

class ExportFormats : public ::testing::TestWithParam<CFormat> {
  protected:
    void SetUp() override {
        for (const char* tool : {"pdftoppm", "pdfinfo", "pdftotext", "emf2svg-conv"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        ASSERT_TRUE(m_doc.Load(kDrawing));
    }
    void TearDown() override {
        for (const QString& path : m_paths)
            QFile::remove(path);
    }
    QString Path(const std::string& name) {
        const QString path = QString::fromStdString(testing::TempDir()) +
                             QString("tavolin_export_%1_").arg(QCoreApplication::applicationPid()) +
                             QString::fromStdString(name) + "." + GetParam().name;
        QFile::remove(path);
        m_paths << path << path + ".png" << path + ".svg";
        return path;
    }
    CFakeUi m_ui;
    CSchemoDoc m_doc{DOC_DRAWING, &m_ui};
    QStringList m_paths;
};

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

} // namespace

// The extent of the drawing is measured once, from a PNG at 12 pixels a unit.
TEST_P(ExportFormats, WritesTheDrawingInPlaceInLayerColoursAtItsSize) {
    const CFormat& f = GetParam();
    CFakeUi ui;
    CSchemoDoc reference(DOC_DRAWING, &ui);
    ASSERT_TRUE(reference.Load(kDrawing));
    const QString unitsPath = Path("units") + ".png";
    ASSERT_EQ(
        ExportPng(reference, Options(EXPORT_RELATIVE, 1200, 127), unitsPath.toStdString(), false),
        "");
    const QImage unitsPng(unitsPath);
    const QSizeF units = QSizeF(unitsPng.size()) / 12;
    const CGrid unitsAt = FindGrid(unitsPng);

    m_doc.Select(m_doc.Primitives()[2].get(), true);
    const QString path = Path("drawing");
    ASSERT_EQ(f.write(m_doc, f.options, path.toStdString(), nullptr), "");
    const CSeen seen = f.read(path);
    const QImage& img = seen.image;
    ASSERT_FALSE(img.isNull());
    const CGrid at = FindGrid(img);
    EXPECT_NEAR(at.scale, f.nPixelsPerUnit, 0.05);
    // The picture is the extent, cut neither at the top nor at the bottom (the
    // converter crops a metafile to what it draws).
    if (std::string(f.name) != "emf") {
        EXPECT_NEAR(at.x0 / at.scale, unitsAt.x0 / 12, 0.3);
        EXPECT_NEAR(at.y0 / at.scale, unitsAt.y0 / 12, 0.3);
        EXPECT_NEAR(img.width() / at.scale, units.width(), 0.5);
        EXPECT_NEAR(img.height() / at.scale, units.height(), 0.5);
    }
    if (f.nMicrons > 0) {
        EXPECT_NEAR(seen.mm.width(), units.width() * f.nMicrons / 1000, 0.02);
        EXPECT_NEAR(seen.mm.height(), units.height() * f.nMicrons / 1000, 0.02);
    }
    if (f.kind == CFormat::MONO || f.kind == CFormat::ALIASED) {
        EXPECT_EQ(seen.nDotsPerMetre, 31496);
    }
    if (f.kind == CFormat::VECTOR) {
        EXPECT_EQ(seen.text, "Tav");
    }

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
    if (f.kind == CFormat::MONO || f.kind == CFormat::ALIASED) {
        EXPECT_EQ(blended, 0);
    }
    if (f.kind == CFormat::SMOOTH) {
        EXPECT_GT(blended, 50);
    }
}

TEST_P(ExportFormats, RefusalsLeaveNoFileBehind) {
    const CFormat& f = GetParam();
    const QString path = Path("refused");
    CExportOptions hidden = f.options;
    hidden.layers.m_bLayerShow[0] = hidden.layers.m_bLayerShow[1] = 0;
    ASSERT_TRUE(m_doc.Load("[TAVOLIN]\r\nLI 10 10 90 10\r\nPA 5 5 4 4 2 0 1\r\n"));
    EXPECT_EQ(f.write(m_doc, hidden, path.toStdString(), nullptr), ExportMessage(EXPORT_NO_EXTENT));
    if (std::string(f.name) != "bmp" && std::string(f.name) != "emf") {
        ASSERT_TRUE(m_doc.Load("[TAVOLIN]\r\nLI 0 0 9000 9000\r\n"));
        EXPECT_NE(f.write(m_doc, Options(EXPORT_RELATIVE, 2000, 1000), path.toStdString(), nullptr),
                  "");
    }
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(m_doc.Load(kDrawing));
    const std::string failed = f.write(m_doc, f.options, testing::TempDir() + "no/dir/x", nullptr);
    EXPECT_EQ(failed, std::string(f.name) == "emf"
                          ? "Impossibile creare il metafile!\nLa cartella non esiste"
                          : "Impossibile scrivere il file.\nLa cartella non esiste");
}

namespace {
// Says stop the first time it is asked.
struct CStopAtOnce final : IDrawProgress {
    int nAsked = 0;
    bool Continue(double) override {
        ++nAsked;
        return false;
    }
};
} // namespace

TEST_P(ExportFormats, AStoppedExportLeavesTheOldFileAsItWas) {
    std::string text = "[TAVOLIN]\r\n";
    for (int i = 0; i < 600; ++i)
        text += "LI 10 " + std::to_string(10 + i) + " 90 " + std::to_string(10 + i) + "\r\n";
    ASSERT_TRUE(m_doc.Load(text));
    const QString path = Path("stopped");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    CStopAtOnce stop;
    EXPECT_EQ(GetParam().write(m_doc, GetParam().options, path.toStdString(), &stop), "");
    EXPECT_EQ(stop.nAsked, 1);
    EXPECT_EQ(ReadText(path), "old");
    const QDir dir(QString::fromStdString(testing::TempDir()));
    EXPECT_EQ(dir.entryList({"*_stopped*"}, QDir::Files).size(), 1) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Pictures, ExportFormats, ::testing::ValuesIn(kFormats),
                         [](const auto& info) {
                             return std::string(info.param.name) == "aa.png" ? std::string("aa_png")
                                                                             : info.param.name;
                         });
