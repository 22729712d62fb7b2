#include "app/window/print_view.h"

#include "app/dialogs/message_box.h"
#include "app/frame/program_context.h"
#include "app/window/draw_progress.h"
#include "doc/document/settings.h"
#include "doc/document/system_error.h"
#include "doc/export/export_common.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_translate.h"
#include "qtlayer/qt_vector_surface.h"
#include "view/forms/print_job.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Pens one pixel wide on the screen print this wide.
constexpr double HAIRLINE_MM = 0.1;

CPrintPage PageOf(const QPrinter& printer) {
    const QRect r = printer.pageLayout().paintRectPixels(printer.resolution());
    return {r.width(), r.height(), printer.resolution(), printer.resolution()};
}

// Measured on a surface with no device: texts measure the same on every device.
CPrintLayout LayOut(const QPrinter& printer, CSchemoDoc& copy, bool bPCBMode) {
    QPainter idle;
    CQtVectorSurface probe(idle, true, 0);
    const CPrintOptions o{bPCBMode, g_settings.nMicronsPerUnit, g_settings.bPrintMirror != 0};
    return PreparePrint(copy, probe, PageOf(printer), o, g_layers);
}

enum PaintResult { PAINT_DONE, PAINT_STOPPED, PAINT_FAILED };

PaintResult PaintPage(QPrinter& printer, const CSchemoDoc& copy, const CPrintLayout& layout,
                      IDrawProgress* progress) {
    QPainter painter;
    if (!painter.begin(&printer)) return PAINT_FAILED;
    bool bDone = false;
    {
        CQtVectorSurface dc(painter, true, HAIRLINE_MM * printer.resolution() / 25.4);
        bDone = DrawPrintPage(copy, dc, layout, g_layers, progress);
    }
    if (!bDone) printer.abort();
    painter.end();
    return bDone ? PAINT_DONE : PAINT_STOPPED;
}

bool AskWhenTooLarge(QWidget* parent, const CPrintLayout& layout, bool bPCBMode) {
    if (!bPCBMode || layout.bFits) return true;
    return ShowMessageBox(
               parent, QMessageBox::Question,
               QCoreApplication::translate("CPrintView", "Attenzione"),
               QCoreApplication::translate(
                   "CPrintView",
                   "Il disegno non entra nella pagina a grandezza reale: quello che esce "
                   "dall'area stampabile non sara' stampato.\nStampare comunque?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

// A PDF is written beside its name and put in its place once whole, so that a
// stopped or failed print leaves an older file as it was. It keeps the
// permissions of the file it replaces; a new one gets the usual ones. Error()
// is the system's reason when the file cannot be made or put in its place.
class CPdfInPlace {
  public:
    explicit CPdfInPlace(QPrinter& printer)
        : m_printer(printer), m_target(printer.outputFileName()) {
        if (m_target.isEmpty() || printer.outputFormat() != QPrinter::PdfFormat) return;
        std::string temp =
            QFile::encodeName(QFileInfo(m_target).absoluteDir().filePath(".tavolin-XXXXXX.pdf"))
                .toStdString();
        const int fd = ::mkstemps(temp.data(), 4);
        if (fd < 0) {
            m_nErrno = errno;
            return;
        }
        ::close(fd);
        m_temp = QFile::decodeName(QByteArray::fromStdString(temp));
        struct stat st {};
        m_mode =
            ::stat(QFile::encodeName(m_target).constData(), &st) == 0 ? (st.st_mode & 07777) : 0644;
        printer.setOutputFileName(m_temp);
    }
    ~CPdfInPlace() {
        if (m_temp.isEmpty()) return;
        m_printer.setOutputFileName(m_target);
        if (!m_bKept) QFile::remove(m_temp);
    }
    CPdfInPlace(const CPdfInPlace&) = delete;
    CPdfInPlace& operator=(const CPdfInPlace&) = delete;
    int Error() const { return m_nErrno; }
    bool Keep() {
        if (m_temp.isEmpty()) return true;
        const QByteArray temp = QFile::encodeName(m_temp), target = QFile::encodeName(m_target);
        m_bKept = ::chmod(temp.constData(), m_mode) == 0 &&
                  std::rename(temp.constData(), target.constData()) == 0;
        if (!m_bKept) m_nErrno = errno;
        return m_bKept;
    }

  private:
    QPrinter& m_printer;
    QString m_target, m_temp;
    mode_t m_mode = 0644;
    int m_nErrno = 0;
    bool m_bKept = false;
};

// With no printer installed the only choice is a PDF file: it is named after
// the document, beside it.
void NameThePdf(QPrinter& printer, const QString& path, const QString& name) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) return;
    const QFileInfo file(path.isEmpty() ? QDir::current().filePath(name) : path);
    printer.setOutputFileName(file.absoluteDir().filePath(file.completeBaseName() + ".pdf"));
}
} // namespace

void PrintDrawing(QWidget* parent, QPrinter& printer, const CSchemoDoc& doc, bool bPCBMode,
                  const QString& path, const QString& name) {
    printer.setDocName(name);
    NameThePdf(printer, path, name);
    QPrintDialog dlg(&printer, parent);
    dlg.setWindowTitle(QCoreApplication::translate("CPrintView", "Stampa"));
    dlg.setMinMax(1, 1);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dlg.exec() != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::unique_ptr<CSchemoDoc> copy = CopyForPicture(doc);
    const CPrintLayout layout = LayOut(printer, *copy, bPCBMode);
    QApplication::restoreOverrideCursor();
    if (!AskWhenTooLarge(parent, layout, bPCBMode)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PaintResult result = PAINT_FAILED;
    int nErrno = 0;
    {
        CPdfInPlace pdf(printer);
        if (pdf.Error() == 0) {
            CDrawProgress progress(
                parent, QCoreApplication::translate("CPrintView", "Stampa di %1...").arg(name));
            result = PaintPage(printer, *copy, layout, &progress);
            if (result == PAINT_DONE && !pdf.Keep()) result = PAINT_FAILED;
        }
        nErrno = pdf.Error();
    }
    QApplication::restoreOverrideCursor();
    if (result == PAINT_FAILED)
        ShowMessageBox(
            parent, QMessageBox::Critical, "Tavolin",
            TrMessage(WithSystemCause(
                QT_TRANSLATE_NOOP("Messaggi", "Impossibile avviare la stampa."), nErrno)));
}

void PreviewDrawing(QWidget* parent, QPrinter& printer, const CSchemoDoc& doc, bool bPCBMode) {
    const std::unique_ptr<CSchemoDoc> copy = CopyForPicture(doc);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("CPrintView", "Anteprima di stampa"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&copy, bPCBMode](QPrinter* p) {
                         QApplication::setOverrideCursor(Qt::WaitCursor);
                         PaintPage(*p, *copy, LayOut(*p, *copy, bPCBMode), nullptr);
                         QApplication::restoreOverrideCursor();
                     });
    preview.exec();
}
