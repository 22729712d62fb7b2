#include "app/dialogs/export_dialog.h"

#include "app/dialogs/message_box.h"
#include "app/frame/program_context.h"
#include "app/window/draw_progress.h"
#include "doc/document/document_ui.h"
#include "doc/document/settings.h"
#include "doc/export/export_common.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_translate.h"
#include "view/forms/bounded_int.h"
#include "view/forms/picture_types.h"

#include <QApplication>
#include <QCoreApplication>
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
    setWindowTitle(QCoreApplication::translate("CExportDlg", "Salva come bitmap/metafile"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* modes = new QVBoxLayout(group);
    const char* names[3] = {QT_TRANSLATE_NOOP("CExportDlg", "Modalita` relativa"),
                            QT_TRANSLATE_NOOP("CExportDlg", "Modalita` assoluta"),
                            QT_TRANSLATE_NOOP("CExportDlg", "Enhanced Metafile")};
    for (int i = 0; i < 3; ++i) {
        m_pMode[i] = new QRadioButton(QCoreApplication::translate("CExportDlg", names[i]), group);
        m_pMode[i]->setChecked(m_nMode == i);
        connect(m_pMode[i], &QRadioButton::clicked, this, [this] { UpdateEnabled(); });
        modes->addWidget(m_pMode[i]);
    }
    layout->addWidget(group);
    auto* form = new QFormLayout;
    m_pZoom = new QLineEdit(QString::number(m_nZoom), this);
    form->addRow(QCoreApplication::translate("CExportDlg", "Zoom%:"), m_pZoom);
    m_pDPI = new QLineEdit(QString::number(m_nDPI), this);
    form->addRow("DPI:", m_pDPI);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CExportDlg", "Annulla"));
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
                   QCoreApplication::translate("CExportDlg",
                                               "Immettere un numero intero compreso tra %1 e %2.")
                       .arg(lo)
                       .arg(hi));
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
const char* const kAllFiles = QT_TRANSLATE_NOOP("CExportDlg", "Tutti i file (*)");

// The name to write; empty when the dialog is cancelled.
QString ChooseFile(QWidget* parent, int nMode, const QString& folder, PictureFormat& format) {
    CPictureFileDialog dlg(parent, nMode, folder);
    if (dlg.exec() != QDialog::Accepted) return QString();
    format = PictureFormat(dlg.m_nFormat);
    return dlg.m_strPath;
}

} // namespace

CPictureFileDialog::CPictureFileDialog(QWidget* parent, int nMode, const QString& folder)
    : QFileDialog(parent, QCoreApplication::translate("CExportDlg", "Salva con nome"), folder),
      m_nMode(nMode) {
    // Only the dialog drawn by Qt lets accept() keep it open after a refusal.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    const std::vector<CPictureType>& types = PictureTypes(nMode);
    QStringList filters;
    for (const CPictureType& t : types)
        filters << TrCore("Immagini", t.pszFilter);
    filters << QCoreApplication::translate("CExportDlg", kAllFiles);
    setNameFilters(filters);
    setDefaultSuffix(PictureFormatExtension(types[0].nFormat));
    connect(this, &QFileDialog::filterSelected, this, [this, &types, filters](const QString& f) {
        const qsizetype i = filters.indexOf(f);
        setDefaultSuffix(
            PictureFormatExtension(types[i >= 0 && i < qsizetype(types.size()) ? i : 0].nFormat));
    });
}

void CPictureFileDialog::accept() {
    const QStringList files = selectedFiles();
    // A folder typed in the name box is opened by the dialog itself.
    if (files.isEmpty() || QFileInfo(files.first()).isDir()) return QFileDialog::accept();
    const std::string typed = QFile::encodeName(files.first()).toStdString();
    const CPictureChoice c =
        ChoosePictureFormat(m_nMode, int(nameFilters().indexOf(selectedNameFilter())), typed);
    if (!c.refusal.empty()) {
        ShowMessageBox(this, QMessageBox::Warning, TrMessage(CAPTION_ATTENTION),
                       TrMessage(c.refusal));
        return;
    }
    m_strPath = QFile::decodeName(QByteArray::fromStdString(c.name));
    m_nFormat = c.nFormat;
    // The dialog asked about the name it knew; one it did not complete is asked about here.
    if (c.name != typed && QFileInfo::exists(m_strPath) &&
        ShowMessageBox(
            this, QMessageBox::Question,
            QCoreApplication::translate("CExportDlg", "Salva con nome"),
            QString("%1 esiste gia'.\nSostituirlo?").arg(QFileInfo(m_strPath).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QFileDialog::accept();
}

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
    o.layers = g_layers;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string failure;
    {
        const std::unique_ptr<CSchemoDoc> copy = CopyForPicture(doc);
        CDrawProgress progress(parent,
                               QCoreApplication::translate("CExportDlg", "Esportazione di %1...")
                                   .arg(QFileInfo(file).fileName()));
        CPictureExtras extras;
        extras.title = EncodeCp1252Lossy(name);
        extras.progress = &progress;
        failure = ExportPicture(*copy, format, o, QFile::encodeName(file).toStdString(), extras);
    }
    QApplication::restoreOverrideCursor();
    if (!failure.empty())
        ShowMessageBox(parent, QMessageBox::Critical, "Tavolin", TrMessage(failure));
}
