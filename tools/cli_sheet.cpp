// The catalogue sheet: every visible component of a library in a grid, in its
// layer colours, with its key and title under it and the categories as headings.
#include "cli.h"

#include "doc/document/settings.h"
#include "doc/scene/layer_walk.h"
#include "format/component.h"
#include "format/library_files.h"
#include "format/resolve.h"
#include "format/resolve_context.h"
#include "model/layers.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kColumns = 8, kCellW = 190, kCellH = 190, kLabelH = 36, kHeadingH = 40;
constexpr int kMargin = 20, kPixelsPerUnit = 5;

struct SheetItem {
    std::string heading; // a category heading when not empty
    std::string key, title, name;
};

std::vector<SheetItem> VisibleItems(const CLibraryIndex& lib, const std::string& prefix) {
    std::vector<SheetItem> items;
    const auto& cats = lib.categories;
    for (std::size_t c = 0; c < cats.size(); ++c) {
        if (cats[c].name == "hidden") continue;
        const std::size_t last =
            c + 1 < cats.size() ? std::size_t(cats[c + 1].nFirst) : lib.components.size();
        if (std::size_t(cats[c].nFirst) < last && !cats[c].name.empty())
            items.push_back({cats[c].name, {}, {}, {}});
        for (std::size_t i = std::size_t(cats[c].nFirst); i < last; ++i) {
            SheetItem it;
            if (!ParseComponent(lib.components[i], nullptr, &it.key, &it.title, nullptr, nullptr))
                continue;
            it.name = prefix.empty() ? "~" + it.key : prefix + "." + it.key;
            items.push_back(it);
        }
    }
    return items;
}

// Top-left corners of every item, and the sheet's height.
int Layout(const std::vector<SheetItem>& items, std::vector<QPoint>& at) {
    int col = 0, y = kMargin;
    for (const SheetItem& it : items) {
        if (!it.heading.empty()) {
            if (col) y += kCellH;
            col = 0;
            at.emplace_back(kMargin, y);
            y += kHeadingH;
            continue;
        }
        at.emplace_back(kMargin + col * kCellW, y);
        if (++col == kColumns) {
            col = 0;
            y += kCellH;
        }
    }
    return y + (col ? kCellH : 0) + kMargin;
}

// The symbol at a fixed scale about its own box, shrunk only when it would not fit.
void DrawSymbol(CQtSurface& dc, const std::string& name, const QRect& cell, CResolveContext& ctx) {
    CMacro macro;
    if (!ResolveMacro(name, macro, nullptr, nullptr, ctx)) return;
    macro.m_points[0] = {100, 100};
    macro.PlaceComponents();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, 1);
    macro.UpdateRegion(dc);
    const CRect box = macro.GetRegion()->GetRgnBox();
    const int w = std::max(1, box.right - box.left), h = std::max(1, box.bottom - box.top);
    const int avail = cell.width() - 20, availH = cell.height() - kLabelH - 16;
    const int scale = std::max(1, std::min({kPixelsPerUnit, avail / w, availH / h}));
    dc.SetWindowOrg((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    dc.SetViewportExt(scale, scale);
    dc.SetViewportOrg(cell.center().x(), cell.top() + 8 + availH / 2);
    CPrimitiveList one;
    one.push_back(macro.Clone());
    const CLayerTable layers; // every layer shown, as in a new program
    DrawLayers(dc, one, CLayerWalk(layers));
    dc.SetPixel(100, 100, RGB(255, 0, 0)); // the reference point
}

void DrawLabels(QPainter& p, const SheetItem& it, const QRect& cell) {
    p.setPen(Qt::black);
    if (!it.heading.empty()) {
        QFont f("DejaVu Sans", 15, QFont::Bold);
        p.setFont(f);
        p.drawText(QRect(cell.left(), cell.top(), 1400, kHeadingH), Qt::AlignVCenter,
                   DecodeCp1252(it.heading));
        return;
    }
    p.setPen(QColor(220, 220, 220));
    p.drawRect(cell.adjusted(2, 2, -2, -2));
    p.setPen(Qt::black);
    p.setFont(QFont("DejaVu Sans", 8));
    const QRect label(cell.left() + 4, cell.bottom() - kLabelH, cell.width() - 8, kLabelH - 4);
    p.drawText(label, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
               DecodeCp1252(it.key + " " + it.title));
}
} // namespace

int DrawLibrarySheet(const CLibraryIndex& lib, const std::string& prefix, const std::string& out,
                     CResolveContext& ctx) {
    const auto app = StartGui();
    const std::vector<SheetItem> items = VisibleItems(lib, prefix);
    std::vector<QPoint> at;
    const int height = Layout(items, at);
    QImage image(2 * kMargin + kColumns * kCellW, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CQtSurface dc(image);
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].heading.empty())
                DrawSymbol(dc, items[i].name, QRect(at[i], QSize(kCellW, kCellH)), ctx);
    }
    {
        QPainter p(&image);
        for (std::size_t i = 0; i < items.size(); ++i)
            DrawLabels(p, items[i], QRect(at[i], QSize(kCellW, kCellH)));
    }
    if (!SavePngForTool(image, out)) return 2;
    return 0;
}
