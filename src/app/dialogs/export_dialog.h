#pragma once
// "Salva come bitmap/EMF...": the dialog "Salva come bitmap/metafile" (mode,
// zoom, dots per inch, made afresh each time with its defaults), the save
// dialog with the mode's file types, then the picture.
#include <QDialog>
#include <QFileDialog>

class CSchemoDoc;
class QLineEdit;
class QRadioButton;

class CSaveBitmapDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit CSaveBitmapDlg(QWidget* parent);
    // Refuses a number out of range for the chosen mode, keeping the dialog open.
    void accept() override;

    int m_nMode = 1; // EXPORT_RELATIVE, EXPORT_ABSOLUTE or EXPORT_EMF
    int m_nZoom = 400;
    int m_nDPI = 600;

  private:
    void UpdateEnabled();
    bool TakeNumber(QLineEdit* edit, int lo, int hi, int& value);

    QRadioButton* m_pMode[3];
    QLineEdit* m_pZoom;
    QLineEdit* m_pDPI;
};

// The save dialog with the mode's file types. A name it cannot write in the
// mode is refused with a message and the dialog stays open; once accepted,
// m_strPath (with the format's extension) and m_nFormat are what to write.
class CPictureFileDialog final : public QFileDialog {
    Q_OBJECT
  public:
    CPictureFileDialog(QWidget* parent, int nMode, const QString& folder);
    void accept() override;

    QString m_strPath;
    int m_nFormat = 0; // a PictureFormat

  private:
    int m_nMode;
};

// The whole command on the document, whose window is called `name` and whose
// file is `path` (empty when never saved). The document is not changed.
void SaveAsPicture(QWidget* parent, const CSchemoDoc& doc, const QString& path,
                   const QString& name);
