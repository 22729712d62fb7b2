#include "app/bars/layer_combo.h"

#include "qtlayer/qt_fontfaces.h"
#include "view/forms/layer_choice.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStylePainter>

namespace {
// One item: a square of the layer's colour, then the name in that colour (in
// the highlight colours when selected).
void PaintItem(QPainter& p, const QRect& r, const QModelIndex& index, const QPalette& pal,
               bool bSelected) {
    const bool bLayer = index.data(Qt::UserRole).toInt() != 0;
    const QColor layer =
        bLayer ? index.data(CLayerCombo::LAYER_COLOR_ROLE).value<QColor>() : Qt::black;
    p.save();
    p.fillRect(r, pal.color(bSelected ? QPalette::Highlight : QPalette::Base));
    const QFontMetrics fm = p.fontMetrics();
    const int h = fm.height();
    const int y = (r.top() + r.bottom() + 1 - h) / 2;
    const int x0 = r.left() + ((fm.averageCharWidth() / 2) & ~1);
    if (bLayer) {
        p.setPen(Qt::black);
        p.setBrush(layer);
        p.drawRect(x0, y, h - 1, h - 1);
    }
    p.setPen(bSelected ? pal.color(QPalette::HighlightedText) : layer);
    const QRect text(x0 + 3 * h / 2, y, r.right() - x0 - 3 * h / 2, h);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    p.restore();
}
} // namespace

void CLayerItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->setFont(option.font);
    PaintItem(*painter, option.rect, index, option.palette, option.state & QStyle::State_Selected);
}

QSize CLayerItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QFontMetrics fm(option.font);
    const int nWidth =
        fm.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2 * fm.height() + 4;
    return QSize(nWidth, m_pCombo->ItemHeight());
}

CLayerCombo::CLayerCombo(QWidget* parent)
    : QComboBox(parent), m_nItemHeight(fontMetrics().height() + 6) {
    setItemDelegate(new CLayerItemDelegate(this));
    setMaxVisibleItems(10);
}

void CLayerCombo::Fill(const CLayerTable& layers, int nLayer) {
    const std::vector<CLayerItem> items = LayerItems(layers);
    FillItems(items, LayerItemIndex(items, nLayer));
}

void CLayerCombo::FillItems(const std::vector<CLayerItem>& items, int nIndex) {
    const QSignalBlocker quiet(this);
    clear();
    for (const CLayerItem& item : items) {
        addItem(DecodeCp1252(item.strName), item.nData);
        const QColor color(GetRValue(item.crColor), GetGValue(item.crColor),
                           GetBValue(item.crColor));
        setItemData(count() - 1, color, LAYER_COLOR_ROLE);
    }
    setCurrentIndex(nIndex);
}

// The frame and the arrow as the style draws them; the field as a list item,
// highlighted while the box has the focus.
void CLayerCombo::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    PaintItem(p, field, model()->index(currentIndex(), 0, rootModelIndex()), palette(), hasFocus());
}
