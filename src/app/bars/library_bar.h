#pragma once
// The library part of a document bar: "TBM", the key of the shown component,
// and "TLM", the box listing the titles of all components whose edit part is
// the shown one's title. The library document reads and sets them through
// ILibraryFields; every way of choosing another entry goes to the document,
// which stores the shown component first.
#include "doc/library/library_fields.h"

#include <QObject>

#include <string>

class CSchemoLibDoc;
class CSchemoView;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolBar;
class CComponentBox;

class CLibraryBarFields final : public QObject, public ILibraryFields {
    Q_OBJECT
  public:
    // Adds the labels and fields to the bar and attaches them to the document.
    CLibraryBarFields(CSchemoLibDoc& doc, CSchemoView& view, QToolBar* bar);
    ~CLibraryBarFields() override;

    // "TBM" gets nKey pixels, "TLM" nTitle.
    void SetWidths(int nKey, int nTitle);
    // The fields whose width SetWidths sets.
    bool IsSized(const QWidget* w) const;
    QLineEdit* KeyEdit() const { return m_pKey; }
    QComboBox* TitleBox() const;
    // "x y x y": the middles of "TBM" and of the edit part of "TLM" on the screen.
    QString ScreenPlaces() const;

    std::string GetKey() const override { return m_strKey; }
    void SetKey(const std::string& key) override;
    std::string GetTitle() const override { return m_strTitle; }
    void SetTitle(const std::string& title) override;
    void SetTitles(const std::vector<std::string>& titles) override;
    void SetCurrentIndex(int index) override;

  private:
    void ShowTitle();
    void OnChosen(int index);

    CSchemoLibDoc& m_doc;
    CSchemoView& m_view;
    QLineEdit* m_pKey;
    CComponentBox* m_pTitles;
    // As typed or as the document set them: the box puts an entry's text
    // into its edit part before it tells of the choice, and the text typed
    // there must still be the one stored.
    std::string m_strKey, m_strTitle;
};
