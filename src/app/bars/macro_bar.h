#pragma once
// The bar "Macro": the tree of available macros with a filter line above it.
// Clicking or selecting a leaf chooses the macro tool; the view asks the bar
// which macro to place.
#include <QDockWidget>
#include <QIcon>

#include <memory>
#include <optional>
#include <string>

class CMacroTree;
struct CMacroTreeItem;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

class CMacroBar final : public QDockWidget {
    Q_OBJECT
  public:
    explicit CMacroBar(QWidget* parent);
    ~CMacroBar() override;

    // The selected leaf's macro name, as bytes; none for no item or one that
    // is not a macro.
    std::optional<std::string> GetSelectedMacro() const;
    // Fills the tree again from the library folders, keeping the selection
    // and the opened branches; only missing cache entries are added.
    void RefreshMacroTree();
    // The libraries changed: the cache forgets the user entries first.
    void ReloadLibraries();
    void FocusFilter();

  signals:
    // A leaf was clicked or selected by the user.
    void macroChosen();
    void selectionChanged();

  private:
    void AddItems(QTreeWidgetItem* parent, const CMacroTreeItem& item);
    QIcon IconFor(const CMacroTreeItem& item) const;
    void ApplyFilter();
    void PickFirstMatch();
    void OnPicked(QTreeWidgetItem* item);
    QTreeWidgetItem* FindLeaf(const std::string& macroName) const;

    std::unique_ptr<CMacroTree> m_pTree;
    QLineEdit* m_pFilter;
    QTreeWidget* m_pView;
    QIcon m_icons[4];
    bool m_bFiltered = false;
};
