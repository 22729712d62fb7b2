#pragma once
// "Regole": the findings of the last design-rule check, one row each; a
// double-click on a row asks for it to be shown.
#include "view/forms/rule_findings.h"

#include <QDockWidget>

#include <functional>

class QListWidget;

class CRulesDock final : public QDockWidget {
  public:
    explicit CRulesDock(QWidget* parent);
    void SetRows(std::vector<CFindingRow> rows);
    const std::vector<CFindingRow>& Rows() const { return m_rows; }
    // Where the first row is on the screen, (-1, -1) without rows.
    QPoint FirstRowOnScreen() const;

    std::function<void(const CFindingRow&)> m_onChosen;

  private:
    QListWidget* m_pList;
    std::vector<CFindingRow> m_rows;
};
