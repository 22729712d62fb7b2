#include "app/window/rules_dock.h"

#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_translate.h"

#include <QCoreApplication>
#include <QListWidget>

CRulesDock::CRulesDock(QWidget* parent) : QDockWidget(parent), m_pList(new QListWidget(this)) {
    setObjectName("RulesDock");
    setWidget(m_pList);
    connect(m_pList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int nRow = m_pList->row(item);
        if (m_onChosen && nRow >= 0 && std::size_t(nRow) < m_rows.size())
            m_onChosen(m_rows[std::size_t(nRow)]);
    });
}

void CRulesDock::SetRows(std::vector<CFindingRow> rows) {
    m_rows = std::move(rows);
    setWindowTitle(
        QCoreApplication::translate("CRulesDock", "Regole (%1)").arg(int(m_rows.size())));
    m_pList->clear();
    for (const CFindingRow& r : m_rows)
        m_pList->addItem(TrMessage(r.pszKind) + "  " + DecodeCp1252(r.strPlace));
}

QPoint CRulesDock::FirstRowOnScreen() const {
    if (m_pList->count() == 0) return {-1, -1};
    return m_pList->viewport()->mapToGlobal(m_pList->visualItemRect(m_pList->item(0)).center());
}
