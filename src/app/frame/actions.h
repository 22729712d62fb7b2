#pragma once
// The QActions of the command table, one per command, shared by the menus,
// the toolbars, the keys and the view's context menu.
#include <QObject>

#include <functional>
#include <map>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
struct CActionDef;
struct CMenuDef;

class CActions final : public QObject {
    Q_OBJECT
  public:
    // `run` is called with the command number of every action triggered.
    CActions(QObject* parent, std::function<void(int)> run);

    QAction* Get(int nId) const;
    QActionGroup* ToolGroup() const { return m_pTools; }
    // Where a list that changes goes (MENU_RECENT, MENU_WINDOWS): an invisible
    // action of the menu, before which the frame puts the list each time the
    // menu opens.
    using ListPlace = std::function<void(int nList, QMenu* menu, QAction* anchor)>;
    // Fills the menu bar of a document kind (128 without a document).
    void FillMenuBar(QMenuBar* bar, int nKind, const ListPlace& lists) const;
    QMenu* BuildMenu(const CMenuDef& def, QWidget* parent, const ListPlace& lists) const;
    void FillToolBar(QToolBar* bar, const std::vector<int>& ids) const;

  private:
    void Create(const CActionDef* def);
    std::map<int, QAction*> m_actions;
    QActionGroup* m_pTools;
    std::function<void(int)> m_run;
};
