#pragma once
// The bar at the top of a document's window: "Vai all'origine macro", the
// zoom box and the document's long title ("TL"); for a library also the key
// ("TBM") and title ("TLM") of the component shown.
#include <QToolBar>

#include <memory>

class CSchemoDoc;
class CSchemoView;
class QComboBox;
class QLineEdit;
class CLibraryBarFields;

class CDocumentBar final : public QToolBar {
    Q_OBJECT
  public:
    // `origin` is the action table's "Vai all'origine macro"; may be null.
    CDocumentBar(CSchemoDoc& doc, CSchemoView& view, QAction* origin, QWidget* parent);
    ~CDocumentBar() override;
    // The box always shows the view's zoom.
    void ShowZoom(double dScale);
    // The title as the document holds it (a load, a reload): shown, the document not marked.
    void ShowTitle();
    QComboBox* ZoomBox() const { return m_pZoom; }
    QLineEdit* TitleEdit() const { return m_pTitle; }
    CLibraryBarFields* LibraryFields() const { return m_pLibrary; } // null but for a library

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ApplyTyped();
    void ApplyChosen(int nIndex);
    void SizeFields();
    int FixedWidth() const;

    CSchemoDoc& m_doc;
    CSchemoView& m_view;
    QComboBox* m_pZoom;
    QLineEdit* m_pTitle;
    CLibraryBarFields* m_pLibrary = nullptr; // a child of the bar
    double m_dScale = 1.0;
};
