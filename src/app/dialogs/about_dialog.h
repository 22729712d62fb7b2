#pragma once
// "Informazioni su Tavolin".
#include <QDialog>

class CAboutDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent);
};

// "Tavolin 0.96pl4 Beta".
QString VersionLine();
