#pragma once
// The comparison of the active document (the new side) with a drawing read
// from a file (the old side): its picture, its legend and one line per change.
// The window keeps both lists as they were compared, so that it draws the
// same picture however the document is edited meanwhile.
#include "doc/diff/drawing_diff.h"
#include "doc/document/document.h"
#include "model/layers.h"

#include <QWidget>

#include <functional>
#include <memory>

class QListWidget;

class CCompareWindow final : public QWidget {
    Q_OBJECT
  public:
    CCompareWindow(std::unique_ptr<CSchemoDoc> oldDoc, const CSchemoDoc& newDoc,
                   const QString& oldName, const QString& newName, QWidget* parent);
    ~CCompareWindow() override;

    const CDrawingDiff& Diff() const { return m_diff; }
    // Called with the change the user double-clicked or chose with Return.
    std::function<void(const CDrawingChange&)> m_onChosen;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void TraceShown();

    std::unique_ptr<CSchemoDoc> m_pOld;
    CPrimitiveList m_newList;
    CDrawingDiff m_diff;
    CLayerTable m_layers;
    QListWidget* m_pList;
    bool m_bTraced = false;
};
