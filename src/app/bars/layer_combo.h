#pragma once
// A choice of layer: each layer's name in the layer's colour beside a square
// of that colour, in the list and in the closed box alike. The primitives
// toolbar chooses the current layer with it, the property editor a layer for
// the selection.
#include <QComboBox>
#include <QStyledItemDelegate>

#include <vector>

struct CLayerTable;
struct CLayerItem;

class CLayerCombo final : public QComboBox {
    Q_OBJECT
  public:
    // Item data: the layer number plus one under Qt::UserRole (0: no layer),
    // the layer's colour under LAYER_COLOR_ROLE.
    static constexpr int LAYER_COLOR_ROLE = Qt::UserRole + 1;

    explicit CLayerCombo(QWidget* parent);
    // The 16 layers in order, the item of nLayer selected, without a signal.
    void Fill(const CLayerTable& layers, int nLayer);
    // These items, the one at nIndex selected (-1: none), without a signal.
    void FillItems(const std::vector<CLayerItem>& items, int nIndex);
    int ItemHeight() const { return m_nItemHeight; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_nItemHeight;
};

class CLayerItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit CLayerItemDelegate(CLayerCombo* combo) : QStyledItemDelegate(combo), m_pCombo(combo) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    CLayerCombo* m_pCombo;
};
