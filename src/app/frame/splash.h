#pragma once
// The picture shown over the main window at start: gone after 5 seconds or at
// the first key or button press anywhere, which still does what it does.
#include <QWidget>

class CSplashWnd final : public QWidget {
    Q_OBJECT
  public:
    // Shows the splash over `owner` unless one is already shown.
    static void ShowOver(QWidget* owner);
    static bool IsShown();

  protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CSplashWnd(QWidget* owner);
    ~CSplashWnd() override;
    void HideSplash();
};
