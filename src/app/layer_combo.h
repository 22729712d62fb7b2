#pragma once
// The current-layer combo box of the primitives toolbar: each layer's name in
// the layer's colour beside a square of that colour, in the list and in the
// closed box alike.
#include <QComboBox>
#include <QStyledItemDelegate>

struct CLayerTable;

class CLayerCombo final : public QComboBox {
    Q_OBJECT
  public:
    // Item data: the layer number plus one under Qt::UserRole (0: no layer),
    // the layer's colour under LAYER_COLOR_ROLE.
    static constexpr int LAYER_COLOR_ROLE = Qt::UserRole + 1;

    explicit CLayerCombo(QWidget* parent);
    // The 16 layers in order, the item of nLayer selected, without a signal.
    void Fill(const CLayerTable& layers, int nLayer);
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
