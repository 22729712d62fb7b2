#include "app/export_dialog.h"

#include "app/draw_progress.h"
#include "app/message_box.h"
#include "doc/export_common.h"
#include "doc/settings.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_raster.h"
#include "view/bounded_int.h"
#include "view/picture_types.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSaveBitmapDlg::CSaveBitmapDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Salva come bitmap/metafile");
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* modes = new QVBoxLayout(group);
    const char* names[3] = {"Modalita` relativa", "Modalita` assoluta", "Enhanced Metafile"};
    for (int i = 0; i < 3; ++i) {
        m_pMode[i] = new QRadioButton(names[i], group);
        m_pMode[i]->setChecked(m_nMode == i);
        connect(m_pMode[i], &QRadioButton::clicked, this, [this] { UpdateEnabled(); });
        modes->addWidget(m_pMode[i]);
    }
    layout->addWidget(group);
    auto* form = new QFormLayout;
    m_pZoom = new QLineEdit(QString::number(m_nZoom), this);
    form->addRow("Zoom%:", m_pZoom);
    m_pDPI = new QLineEdit(QString::number(m_nDPI), this);
    form->addRow("DPI:", m_pDPI);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    UpdateEnabled();
    m_pMode[m_nMode]->setFocus(); // the arrow keys then go from the chosen mode
}

void CSaveBitmapDlg::UpdateEnabled() {
    m_pZoom->setEnabled(m_pMode[EXPORT_RELATIVE]->isChecked());
    m_pDPI->setEnabled(m_pMode[EXPORT_ABSOLUTE]->isChecked());
}

bool CSaveBitmapDlg::TakeNumber(QLineEdit* edit, int lo, int hi, int& value) {
    if (ParseBoundedInt(edit->text().toStdString(), lo, hi, value)) return true;
    ShowMessageBox(this, QMessageBox::Warning, "Tavolin",
                   QString("Immettere un numero intero compreso tra %1 e %2.").arg(lo).arg(hi));
    edit->setFocus();
    edit->selectAll();
    return false;
}

// Only the number the mode uses is checked: the other one is greyed out and
// could not be put right.
void CSaveBitmapDlg::accept() {
    int nMode = EXPORT_ABSOLUTE;
    for (int i = 0; i < 3; ++i)
        if (m_pMode[i]->isChecked()) nMode = i;
    int nZoom = m_nZoom, nDPI = m_nDPI;
    if (nMode == EXPORT_RELATIVE && !TakeNumber(m_pZoom, 1, 2000, nZoom)) return;
    if (nMode == EXPORT_ABSOLUTE && !TakeNumber(m_pDPI, 30, 2400, nDPI)) return;
    m_nMode = nMode;
    m_nZoom = nZoom;
    m_nDPI = nDPI;
    QDialog::accept();
}

namespace {
const char* const kAllFiles = "Tutti i file (*)";

// The save dialog; an empty name when it is cancelled. The name has the
// extension of its format, which the chosen file type gives when typed without.
QString ChooseFile(QWidget* parent, int nMode, const QString& folder, PictureFormat& format) {
    const std::vector<CPictureType>& types = PictureTypes(nMode);
    QStringList filters;
    for (const CPictureType& t : types)
        filters << t.pszFilter;
    filters << kAllFiles;
    QFileDialog dlg(parent, "Salva con nome", folder);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setNameFilters(filters);
    dlg.setDefaultSuffix(types[0].pszExtension);
    QObject::connect(
        &dlg, &QFileDialog::filterSelected, &dlg, [&dlg, &types, filters](const QString& f) {
            const qsizetype i = filters.indexOf(f);
            dlg.setDefaultSuffix(types[i >= 0 && i < qsizetype(types.size()) ? i : 0].pszExtension);
        });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    std::string name = QFile::encodeName(dlg.selectedFiles().first()).toStdString();
    const std::string typed = name;
    format = ChoosePictureFormat(nMode, int(filters.indexOf(dlg.selectedNameFilter())), name);
    const QString path = QFile::decodeName(QByteArray::fromStdString(name));
    // The dialog asked about the name it knew; one it did not complete is asked about here.
    if (name != typed && QFileInfo::exists(path) &&
        ShowMessageBox(parent, QMessageBox::Question, "Salva con nome",
                       QString("%1 esiste gia'.\nSostituirlo?").arg(QFileInfo(path).fileName()),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return QString();
    return path;
}

std::string Export(CSchemoDoc& copy, PictureFormat format, const CExportOptions& o,
                   const std::string& path, const QString& name, IDrawProgress* progress) {
    switch (format) {
    case PICTURE_BMP:
        return ExportMessage(ExportBitmap(copy, o, path, MakeQtRasterBand, progress));
    case PICTURE_PNG:
        return ExportPng(copy, o, path, false, progress);
    case PICTURE_EMF:
        return ExportQtMetafile(copy, o, path, EncodeCp1252Lossy(name), progress);
    case PICTURE_SVG:
        return ExportSvg(copy, o, path, progress);
    case PICTURE_PDF:
        return ExportPdf(copy, o, path, progress);
    }
    return std::string();
}
} // namespace

void SaveAsPicture(QWidget* parent, const CSchemoDoc& doc, const QString& path,
                   const QString& name) {
    CSaveBitmapDlg dlg(parent);
    if (dlg.exec() != QDialog::Accepted) return;
    const QString folder = path.isEmpty() ? QDir::currentPath() : QFileInfo(path).absolutePath();
    PictureFormat format = PICTURE_BMP;
    const QString file = ChooseFile(parent, dlg.m_nMode, folder, format);
    if (file.isEmpty()) return;
    CExportOptions o;
    o.nMode = dlg.m_nMode == EXPORT_RELATIVE ? EXPORT_RELATIVE : EXPORT_ABSOLUTE;
    o.nZoom = dlg.m_nZoom;
    o.nDPI = dlg.m_nDPI;
    o.nMicronsPerUnit = g_settings.nMicronsPerUnit;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string failure;
    {
        const std::unique_ptr<CSchemoDoc> copy = CopyForPicture(doc);
        CDrawProgress progress(parent, "Esportazione di " + QFileInfo(file).fileName() + "...");
        failure = Export(*copy, format, o, QFile::encodeName(file).toStdString(), name, &progress);
    }
    QApplication::restoreOverrideCursor();
    if (!failure.empty())
        ShowMessageBox(parent, QMessageBox::Critical, "Tavolin", DecodeCp1252(failure));
}
