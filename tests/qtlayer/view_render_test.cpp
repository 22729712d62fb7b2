// The window repaints parts of its picture: a rectangle after a change, the
// strips a scroll uncovers after sliding the rest. Either way the result must
// be the picture drawn whole, pixel for pixel, or the screen keeps traces.
#include "doc/document.h"
#include "doc/spatial_index.h"
#include "qtlayer/qt_view_render.h"
#include "random_drawing.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
class ViewRender : public ::testing::TestWithParam<std::tuple<int, double>> {
  protected:
    void SetUp() override {
        std::mt19937 rng(77);
        std::string text = "[TAVOLIN]\r\n";
        for (int i = 0; i < 600; ++i)
            text += RandomLine(rng) + "\r\n";
        ASSERT_TRUE(doc.Load(text));
        index.Rebuild(doc.Primitives());
        view.SetClientSize(173, 131);
        view.SetScale(std::get<0>(GetParam()) / 100.0, false);
        view.ScrollTo(300, 280);
        view.m_grid.nGridX = 3; // a grid step unlike the snap
    }
    double Dpr() const { return std::get<1>(GetParam()); }
    QImage Whole() {
        QImage img(QSize(173, 131) * Dpr(), QImage::Format_RGB32);
        PaintViewScene(img, img.rect(), view, Dpr(), index);
        return img;
    }
    CSchemoDoc doc{DOC_DRAWING, nullptr};
    CSpatialIndex index;
    CViewCoords view;
};

TEST_P(ViewRender, PiecesMakeTheWholePicture) {
    const QImage whole = Whole();
    QImage pieces(whole.size(), QImage::Format_RGB32);
    pieces.fill(Qt::magenta);
    const int w = whole.width(), h = whole.height();
    for (const QRect& r : {QRect(0, 0, w / 3, h), QRect(w / 3, 0, w - w / 3, h / 2 + 1),
                           QRect(w / 3, h / 2 + 1, w - w / 3, h - h / 2 - 1)})
        PaintViewScene(pieces, r, view, Dpr(), index);
    EXPECT_EQ(pieces, whole);
}

TEST_P(ViewRender, AScrollSlidesThePictureAndDrawsTheStrips) {
    for (const CPoint to :
         {CPoint{317, 280}, CPoint{290, 301}, CPoint{-20, -9}, CPoint{305, 262}}) {
        QImage img = Whole();
        CMapping before, after;
        view.PrepareMapping(before, Dpr());
        view.ScrollTo(to.x, to.y);
        view.PrepareMapping(after, Dpr());
        const int dx = after.GetViewportOrg().x - before.GetViewportOrg().x;
        const int dy = after.GetViewportOrg().y - before.GetViewportOrg().y;
        ShiftImage(img, dx, dy);
        const int w = img.width(), h = img.height();
        if (dx > 0) PaintViewScene(img, QRect(0, 0, dx, h), view, Dpr(), index);
        if (dx < 0) PaintViewScene(img, QRect(w + dx, 0, -dx, h), view, Dpr(), index);
        if (dy > 0) PaintViewScene(img, QRect(0, 0, w, dy), view, Dpr(), index);
        if (dy < 0) PaintViewScene(img, QRect(0, h + dy, w, -dy), view, Dpr(), index);
        EXPECT_TRUE(img == Whole())
            << "scrolled to " << to.x << "," << to.y << " by " << dx << "," << dy;
        view.ScrollTo(300, 280);
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, ViewRender,
                         ::testing::Combine(::testing::Values(37, 100, 400),
                                            ::testing::Values(1.0, 2.0)));

TEST(ViewMarks, SelectedPointsGetMarksOfTenPixelsAndTheOriginItsCircle) {
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10 0\r\nLI 10 30 40 30 0\r\n"));
    doc.Select(doc.Primitives()[0].get(), true);
    CViewCoords view;
    view.SetClientSize(200, 200);
    view.m_grid.bHideMacroOrigin = false;
    for (double dpr : {1.0, 2.0}) {
        QImage img(QSize(200, 200) * dpr, QImage::Format_RGB32);
        img.fill(Qt::white);
        PaintViewMarks(img, img.rect(), view, dpr, doc.Selection());
        const QRgb mark = qRgb(0x80, 0x80, 0xFF);
        const int n = int(5 * dpr);
        EXPECT_EQ(img.pixel(10 * dpr - n, 10 * dpr - n), mark) << dpr;
        EXPECT_EQ(img.pixel(10 * dpr + n - 1, 10 * dpr + n - 1), mark) << dpr;
        EXPECT_NE(img.pixel(10 * dpr + n, 10 * dpr), mark) << dpr;
        EXPECT_NE(img.pixel(10 * dpr, 30 * dpr), mark) << "an unselected line has no marks";
        EXPECT_EQ(img.pixel(100 * dpr, 100 * dpr), qRgb(255, 0, 0)) << "the macro origin";
    }
}
} // namespace
