// The exported files, read back with independent readers: Qt's image readers,
// its SVG renderer, and poppler's tools for the PDF.
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

const char* const kDrawing = "[TAVOLIN Prova]\r\nLI 10 10 90 10\r\nLI 10 30 90 30 1\r\n"
                             "RP 20 40 50 60 2\r\nTY 55 45 8 5 0 0 3 Courier++New Tav\r\n"
                             "PA 75 60 12 12 4 0 1\r\n";
const QRgb kBlack = qRgb(0, 0, 0), kBlue = qRgb(0, 0, 192), kGreen = qRgb(0, 192, 0),
           kTeal = qRgb(0, 150, 150), kWhite = qRgb(255, 255, 255);

bool IsBlackish(QRgb c) {
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool IsBluish(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 90 && qGreen(c) < 90;
}

// Where the drawing's units land in a picture, found from the black line
// from (10, 10) to (90, 10).
struct CGrid {
    double x0 = 0, y0 = 0, scale = 0;
    QPoint operator()(double ux, double uy) const {
        return QPoint(int(std::lround(x0 + ux * scale)), int(std::lround(y0 + uy * scale)));
    }
};

CGrid FindGrid(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (IsBlackish(img.pixel(x, y))) box |= QRect(x, y, 1, 1);
    const double scale = (box.right() - box.left()) / 80.0;
    return CGrid{box.left() - 10 * scale, (box.top() + box.bottom()) / 2.0 - 10 * scale, scale};
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class ExportPictures : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_doc.Load(kDrawing)); }
    void TearDown() override {
        for (const QString& path : m_paths)
            QFile::remove(path);
    }
    QString Path(const std::string& name) {
        const QString path = QString::fromStdString(testing::TempDir()) +
                             QString("tavolin_export_%1_").arg(QCoreApplication::applicationPid()) +
                             QString::fromStdString(name);
        QFile::remove(path);
        m_paths << path << path + ".png";
        return path;
    }
    static CExportOptions Options(int mode, int zoom, int microns = 127) {
        CExportOptions o;
        o.nMode = mode;
        o.nZoom = zoom;
        o.nMicronsPerUnit = microns;
        return o;
    }
    // The extent in units, from a PNG at 12 pixels a unit: the vector files'
    // scale at 254 microns a unit, so that the regions measure the same.
    QSize ExtentUnits() {
        const QString path = Path("units.png");
        EXPECT_EQ(ExportPng(m_doc, Options(EXPORT_RELATIVE, 1200), path.toStdString(), false), "");
        m_unitsPng = QImage(path);
        return m_unitsPng.size() / 12;
    }
    QImage m_unitsPng; // the last ExtentUnits picture

    CFakeUi m_ui;
    CSchemoDoc m_doc{DOC_DRAWING, &m_ui};
    QStringList m_paths;
};

} // namespace

// The green rectangle is selected: it is drawn green, not red, and stays selected.
TEST_F(ExportPictures, BitmapAndPngsAgreeOnSizeAndPlaces) {
    CPrimitive* selected = m_doc.Primitives()[2].get();
    m_doc.Select(selected, true);
    const QString bmpPath = Path("a.bmp"), pngPath = Path("a.png"), aaPath = Path("aa.png");
    const CExportOptions o = Options(EXPORT_RELATIVE, 400);
    ASSERT_EQ(ExportPng(m_doc, o, pngPath.toStdString(), false), "");
    ASSERT_EQ(ExportBitmap(m_doc, o, bmpPath.toStdString(), MakeQtRasterBand), EXPORT_OK);
    EXPECT_EQ(m_doc.Selection(), std::vector<CPrimitive*>{selected});
    EXPECT_TRUE(selected->IsSelected());
    ASSERT_EQ(ExportPng(m_doc, o, aaPath.toStdString(), true), "");
    const QImage bmp(bmpPath), png(pngPath), aa(aaPath);
    EXPECT_EQ(bmp.depth(), 1);
    ASSERT_EQ(bmp.size(), png.size());
    ASSERT_EQ(aa.size(), png.size());

    const CGrid at = FindGrid(png);
    EXPECT_DOUBLE_EQ(at.scale, 4);
    const QRgb expected[][3] = {{15, 10, kBlack}, {15, 30, kBlue},  {35, 50, kGreen},
                                {75, 60, kWhite}, {71, 60, kBlue},  {15, 20, kWhite},
                                {60, 20, kWhite}, {80, 40, kWhite}, {35, 65, kWhite}};
    for (const auto& [x, y, colour] : expected) {
        EXPECT_EQ(png.pixel(at(x, y)), colour) << x << "," << y;
        EXPECT_EQ(qGray(bmp.pixel(at(x, y))) < 128, colour != kWhite) << x << "," << y;
        EXPECT_EQ(IsBluish(aa.pixel(at(x, y))), colour == kBlue) << x << "," << y;
    }
    int teal = 0, inked = 0, kept = 0, blended = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb s = png.pixel(x, y), a = aa.pixel(x, y);
            teal += s == kTeal && QRect(at(54, 44), at(71, 54)).contains(x, y);
            inked += s != kWhite;
            kept += s != kWhite && a != kWhite;
            blended += a != s && a != kWhite && a != kBlack && a != kBlue && a != kGreen;
        }
    EXPECT_GT(teal, 20);
    EXPECT_GT(kept, inked * 9 / 10);
    EXPECT_GT(blended, 50);

    const QString absBmp = Path("abs.bmp"), absPng = Path("abs.png");
    ASSERT_EQ(ExportBitmap(m_doc, CExportOptions(), absBmp.toStdString(), MakeQtRasterBand),
              EXPORT_OK);
    ASSERT_EQ(ExportPng(m_doc, CExportOptions(), absPng.toStdString(), false), "");
    EXPECT_EQ(QImage(absPng).size(), QImage(absBmp).size());
    EXPECT_EQ(QImage(absPng).dotsPerMeterX(), 23622);
    EXPECT_EQ(QImage(absBmp).dotsPerMeterY(), 23622);
}

TEST_F(ExportPictures, SvgIsAtRealScaleInLayerColours) {
    const QSize units = ExtentUnits();
    const QString path = Path("c.svg");
    ASSERT_EQ(ExportSvg(m_doc, Options(EXPORT_ABSOLUTE, 100, 254), path.toStdString()), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    const auto mm = QRegularExpression("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"").match(svg);
    ASSERT_TRUE(mm.hasMatch());
    EXPECT_NEAR(mm.captured(1).toDouble(), units.width() * 0.254, 0.02);
    EXPECT_NEAR(mm.captured(2).toDouble(), units.height() * 0.254, 0.02);
    for (const char* s :
         {"<title>Tavolin</title>", "#000000", "#0000c0", "#00c000", "#009696", ">Tav</text>"})
        EXPECT_TRUE(svg.contains(s)) << s;

    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    QImage img(units * 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    renderer.render(&painter);
    painter.end();
    const CGrid at = FindGrid(img);
    EXPECT_NEAR(at.scale, 4, 0.1);
    EXPECT_TRUE(IsBluish(img.pixel(at(50, 30))));
    EXPECT_EQ(img.pixel(at(35, 50)), kGreen);
    EXPECT_EQ(img.pixel(at(50, 20)), kWhite);
}

TEST_F(ExportPictures, PdfIsAtRealScaleWithSelectableText) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftoppm.isEmpty() || pdfinfo.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QSize units = ExtentUnits();
    const QString path = Path("d.pdf");
    // 250 microns a unit: the picture is most of a point less than a whole page.
    ASSERT_EQ(ExportPdf(m_doc, Options(EXPORT_ABSOLUTE, 100, 250), path.toStdString()), "");

    const auto pts = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")
                         .match(RunTool(pdfinfo, {path}));
    ASSERT_TRUE(pts.hasMatch());
    // The picture's true size, not whole points.
    EXPECT_NEAR(pts.captured(1).toDouble() * 25.4 / 72, units.width() * 0.25, 0.02);
    EXPECT_NEAR(pts.captured(2).toDouble() * 25.4 / 72, units.height() * 0.25, 0.02);
    EXPECT_TRUE(RunTool(pdftotext, {path, "-"}).contains("Tav"));

    RunTool(pdftoppm, {"-png", "-r", "600", "-aaVector", "no", "-singlefile", path, path});
    const QImage page(path + ".png");
    ASSERT_FALSE(page.isNull());
    const CGrid at = FindGrid(page);
    const double scale = 0.25 * 600 / 25.4;
    EXPECT_NEAR(at.scale, scale, 0.05);
    // The page is cut at the bottom, not at the top: the line at y = 10 stands
    // as far below the top edge as in the PNG.
    EXPECT_NEAR(at.y0, FindGrid(m_unitsPng).y0 / 12 * scale, 1.5);
    EXPECT_TRUE(IsBlackish(page.pixel(at(50, 10))));
    EXPECT_TRUE(IsBluish(page.pixel(at(50, 30))));
    EXPECT_EQ(page.pixel(at(50, 20)), kWhite);
    EXPECT_EQ(page.pixel(at(35, 50)), kGreen);
}

TEST_F(ExportPictures, RefusalsLeaveNoFileBehind) {
    using Exporter =
        std::function<std::string(CSchemoDoc&, const CExportOptions&, const std::string&)>;
    const std::vector<std::pair<const char*, Exporter>> exporters = {
        {"png", [](auto& d, auto& o, auto& p) { return ExportPng(d, o, p, false); }},
        {"aa.png", [](auto& d, auto& o, auto& p) { return ExportPng(d, o, p, true); }},
        {"svg", [](auto& d, auto& o, auto& p) { return ExportSvg(d, o, p); }},
        {"pdf", [](auto& d, auto& o, auto& p) { return ExportPdf(d, o, p); }},
    };
    for (const auto& [ext, exporter] : exporters) {
        const QString path = Path(std::string("refused.") + ext);
        CExportOptions hidden;
        hidden.layers.m_bLayerShow[0] = hidden.layers.m_bLayerShow[1] = 0;
        ASSERT_TRUE(m_doc.Load("[TAVOLIN]\r\nLI 10 10 90 10\r\nPA 5 5 4 4 2 0 1\r\n"));
        EXPECT_EQ(exporter(m_doc, hidden, path.toStdString()), ExportMessage(EXPORT_NO_EXTENT))
            << ext;
        ASSERT_TRUE(m_doc.Load("[TAVOLIN]\r\nLI 0 0 9000 9000\r\n"));
        EXPECT_NE(exporter(m_doc, Options(EXPORT_RELATIVE, 2000, 1000), path.toStdString()), "")
            << ext;
        EXPECT_FALSE(QFile::exists(path)) << ext;
        ASSERT_TRUE(m_doc.Load(kDrawing));
        EXPECT_EQ(exporter(m_doc, CExportOptions(), testing::TempDir() + "no/such/dir/x." + ext),
                  "Impossibile scrivere il file.\nLa cartella non esiste")
            << ext;
    }
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

TEST_F(ExportPictures, AStoppedExportLeavesTheOldFileAsItWas) {
    std::string text = "[TAVOLIN]\r\n";
    for (int i = 0; i < 600; ++i)
        text += "LI 10 " + std::to_string(10 + i) + " 90 " + std::to_string(10 + i) + "\r\n";
    ASSERT_TRUE(m_doc.Load(text));
    using Exporter = std::function<std::string(CSchemoDoc&, const std::string&, IDrawProgress*)>;
    const CExportOptions o;
    const std::vector<std::pair<const char*, Exporter>> exporters = {
        {"bmp",
         [&o](auto& d, auto& p, auto* s) {
             return ExportMessage(ExportBitmap(d, o, p, MakeQtRasterBand, s));
         }},
        {"png", [&o](auto& d, auto& p, auto* s) { return ExportPng(d, o, p, false, s); }},
        {"aa.png", [&o](auto& d, auto& p, auto* s) { return ExportPng(d, o, p, true, s); }},
        {"svg", [&o](auto& d, auto& p, auto* s) { return ExportSvg(d, o, p, s); }},
        {"pdf", [&o](auto& d, auto& p, auto* s) { return ExportPdf(d, o, p, s); }},
        {"emf", [&o](auto& d, auto& p, auto* s) { return ExportQtMetafile(d, o, p, "t", s); }},
    };
    for (const auto& [ext, exporter] : exporters) {
        const QString path = Path(std::string("stopped.") + ext);
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        CStopAtOnce stop;
        EXPECT_EQ(exporter(m_doc, path.toStdString(), &stop), "") << ext;
        EXPECT_EQ(stop.nAsked, 1) << ext;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("old")) << ext;
    }
    const QDir dir(QString::fromStdString(testing::TempDir()));
    EXPECT_EQ(dir.entryList({"*stopped*"}, QDir::Files).size(), 6) << "no temporary file is left";
}
