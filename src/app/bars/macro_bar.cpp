#include "app/bars/macro_bar.h"
#include "app/frame/program_context.h"

#include "app/bars/macro_picture.h"
#include "app/frame/trace.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/macro_tree.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_translate.h"
#include "view/forms/macro_filter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {
constexpr int kNameRole = Qt::UserRole;      // a leaf's macro name, as bytes
constexpr int kModelRole = Qt::UserRole + 1; // the tree item it shows
const char* const kIconFiles[4] = {":/icons/macro-root.svg", ":/icons/macro-folder.svg",
                                   ":/icons/macro-folder-open.svg", ":/icons/macro-leaf.svg"};

const CMacroTreeItem* ModelOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<const CMacroTreeItem*>(
                      item->data(0, kModelRole).value<quintptr>())
                : nullptr;
}

// The labels from the top down to the item: an opened branch is found again
// by them after a refresh.
QString PathOf(const QTreeWidgetItem* item) {
    QStringList labels;
    for (; item; item = item->parent())
        labels.prepend(item->text(0));
    return labels.join('\n');
}

// A refresh keeps the opened branches; the first fill opens the root.
class CExpansion {
  public:
    explicit CExpansion(QTreeWidget* view) {
        for (QTreeWidgetItemIterator it(view); *it; ++it)
            if ((*it)->isExpanded()) m_paths.insert(PathOf(*it));
        m_bFirst = view->topLevelItemCount() == 0;
    }
    void Restore(QTreeWidget* view) const {
        for (QTreeWidgetItemIterator it(view); *it; ++it)
            (*it)->setExpanded(m_paths.contains(PathOf(*it)) || (m_bFirst && !(*it)->parent()));
    }

  private:
    QSet<QString> m_paths;
    bool m_bFirst;
};
} // namespace

CMacroBar::CMacroBar(QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CMacroBar", "Macro"), parent),
      m_pTree(std::make_unique<CMacroTree>()) {
    setObjectName("59403");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    m_pFilter = new QLineEdit(body);
    m_pFilter->setPlaceholderText(QCoreApplication::translate("CMacroBar", "Cerca (Ctrl+F)"));
    m_pFilter->setClearButtonEnabled(true);
    m_pView = new QTreeWidget(body);
    m_pView->setHeaderHidden(true);
    m_pView->setIconSize(QSize(32, 20)); // a symbol's picture; the folders keep their square
    m_pView->setIndentation(14);
    // Long titles scroll sideways instead of being cut short.
    m_pView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pView->header()->setStretchLastSection(false);
    layout->addWidget(m_pFilter);
    layout->addWidget(m_pView);
    setWidget(body);
    for (int i = 0; i < 4; ++i)
        m_icons[i] = QIcon(kIconFiles[i]);
    connect(m_pFilter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(m_pFilter, &QLineEdit::returnPressed, this, [this] { PickFirstMatch(); });
    connect(m_pView, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnPicked(item); });
    connect(m_pView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { OnPicked(item); });
}

CMacroBar::~CMacroBar() = default;

// Read from the item's own copy of the name: it holds while the tree behind
// the items is being replaced.
std::optional<std::string> CMacroBar::GetSelectedMacro() const {
    const QList<QTreeWidgetItem*> selected = m_pView->selectedItems();
    const QVariant name = selected.isEmpty() ? QVariant() : selected.front()->data(0, kNameRole);
    if (!name.isValid()) return std::nullopt;
    return name.toByteArray().toStdString();
}

// The items point into the tree: they go before it is rebuilt, and the new
// ones open the same branches and select the same leaf without telling anyone.
void CMacroBar::RefreshMacroTree() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<std::string> selected = GetSelectedMacro();
    {
        const QSignalBlocker block(m_pView);
        const CExpansion expansion(m_pView);
        m_pView->clear();
        m_pTree->RefreshMacroTree(g_library.context);
        if (const CMacroTreeItem* root = m_pTree->Root()) AddItems(nullptr, *root);
        expansion.Restore(m_pView);
        if (QTreeWidgetItem* leaf = selected ? FindLeaf(*selected) : nullptr)
            m_pView->setCurrentItem(leaf);
        ApplyFilter();
    }
    QApplication::restoreOverrideCursor();
    emit selectionChanged();
    if (IsTraceEnabled()) {
        int nSymbols = 0;
        for (QTreeWidgetItemIterator it(m_pView); *it; ++it)
            nSymbols += (*it)->data(0, kNameRole).isValid();
        TraceLine(QString("MACROS %1").arg(nSymbols));
    }
}

void CMacroBar::ReloadLibraries() {
    g_library.cache.DropUserEntries();
    g_library.files.Clear();
    RefreshMacroTree();
}

void CMacroBar::FocusFilter() {
    if (isHidden()) show();
    if (isFloating()) activateWindow();
    m_pFilter->setFocus(Qt::ShortcutFocusReason);
    m_pFilter->selectAll();
}

void CMacroBar::AddItems(QTreeWidgetItem* parent, const CMacroTreeItem& model) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_pView);
    // Only the root is the program's own text; the rest are the libraries' titles.
    item->setText(0, parent ? DecodeCp1252(model.label) : TrCore("Macro", model.label.c_str()));
    item->setData(0, kModelRole, QVariant::fromValue(reinterpret_cast<quintptr>(&model)));
    if (model.bHasName) {
        item->setIcon(0, MacroPictureIcon(model.macroName));
        item->setData(0, kNameRole, QByteArray::fromStdString(model.macroName));
        item->setToolTip(0, MacroToolTip(model.key, model.label, model.file));
    } else {
        item->setIcon(0, IconFor(model));
    }
    for (const auto& child : model.children)
        AddItems(item, *child);
}

// A library or category shows its open picture while it is selected.
QIcon CMacroBar::IconFor(const CMacroTreeItem& item) const {
    const int n = item.nImage & 3, nSel = item.nSelectedImage & 3;
    if (n == nSel) return m_icons[n];
    QIcon icon;
    icon.addFile(kIconFiles[n], QSize(), QIcon::Normal);
    icon.addFile(kIconFiles[nSel], QSize(), QIcon::Selected);
    return icon;
}

// Filtering opens every branch that is left; clearing the filter closes them
// again down to the selected leaf.
void CMacroBar::ApplyFilter() {
    const CMacroTreeItem* root = m_pTree->Root();
    if (!root) return;
    const std::string needle = EncodeCp1252Lossy(m_pFilter->text());
    const CMacroFilter filter = FilterMacroTree(*root, needle);
    for (QTreeWidgetItemIterator it(m_pView); *it; ++it) {
        (*it)->setHidden(!filter.shown.count(ModelOf(*it)));
        if (!needle.empty() && (*it)->childCount()) (*it)->setExpanded(true);
    }
    if (needle.empty() && m_bFiltered) {
        m_pView->collapseAll();
        if (QTreeWidgetItem* top = m_pView->topLevelItem(0)) top->setExpanded(true);
        for (QTreeWidgetItem* p = m_pView->currentItem(); p; p = p->parent())
            if (p->parent()) p->parent()->setExpanded(true);
        if (m_pView->currentItem()) m_pView->scrollToItem(m_pView->currentItem());
    }
    m_bFiltered = !needle.empty();
}

// Return in the filter line: the first matching leaf, as if it were clicked.
void CMacroBar::PickFirstMatch() {
    const CMacroTreeItem* root = m_pTree->Root();
    const CMacroFilter filter =
        root ? FilterMacroTree(*root, EncodeCp1252Lossy(m_pFilter->text())) : CMacroFilter();
    QTreeWidgetItem* item = nullptr;
    for (QTreeWidgetItemIterator it(m_pView); *it && !item; ++it)
        if (ModelOf(*it) == filter.pFirstLeaf) item = *it;
    if (!filter.pFirstLeaf || !item) {
        Beep();
        return;
    }
    m_pView->scrollToItem(item);
    if (m_pView->currentItem() == item)
        OnPicked(item);
    else
        m_pView->setCurrentItem(item);
}

void CMacroBar::OnPicked(QTreeWidgetItem* item) {
    const CMacroTreeItem* model = ModelOf(item);
    if (model && model->bHasName) emit macroChosen();
    emit selectionChanged();
}

QTreeWidgetItem* CMacroBar::FindLeaf(const std::string& macroName) const {
    const QByteArray name = QByteArray::fromStdString(macroName);
    for (QTreeWidgetItemIterator it(m_pView); *it; ++it)
        if ((*it)->data(0, kNameRole).toByteArray() == name) return *it;
    return nullptr;
}
