#include "controls/LayoutFont.h"
#include "shell/FontFallback.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// Tries every size from the cell's height down, as the slow way would.
int LargestFitting(const QString& family, int room, int weight) {
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    for (int pixels = room; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= room)
            return pixels;
    }
    return 1;
}

} // namespace

// The heading fonts are the largest that fit their cells, whatever the
// desktop's font size the search starts from.
TEST(FontFallback, CellHeightFontIsTheLargestThatFits) {
    const QFont saved = QApplication::font();
    for (double points : {6.0, 8.25, 9.0, 14.0, 24.0}) {
        QFont application = saved;
        application.setPointSizeF(points);
        QApplication::setFont(application);
        for (int cell : {1, 2, 8, 16, 20, 33}) {
            for (int weight : {400, 700}) {
                const QFont fitted = FontFallback::CellHeightFont("MS Sans Serif", cell, weight);
                const int room = LayoutFont::Pixels(cell);
                EXPECT_EQ(fitted.pixelSize(), LargestFitting("MS Sans Serif", room, weight))
                    << points << " pt, cell " << cell << ", weight " << weight;
                EXPECT_EQ(fitted.weight(), weight);
                // Asked for by another name, it is still the family the page names.
                EXPECT_EQ(QFontInfo(fitted).family(), QFontInfo(QFont("MS Sans Serif")).family());
            }
        }
    }
    QApplication::setFont(saved);
}

// Layouts name Windows families; fonts are asked for by what stands in for them.
TEST(FontFallback, InstalledFamilyNamesTheStandIn) {
    const struct {
        const char* asked;
        QString drawn;
    } cases[] = {
        {"MS Shell Dlg", FontFallback::kFallbackFamily},
        {"MS Sans Serif", FontFallback::kFallbackFamily},
        {"Georgia", "DejaVu Serif"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"No Such Family 640", "No Such Family 640"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FontFallback::InstalledFamily(c.asked), c.drawn) << c.asked;
        // Whatever the name, the letters come from the same installed family.
        EXPECT_EQ(QFontInfo(QFont(FontFallback::InstalledFamily(c.asked))).family(),
                  QFontInfo(QFont(c.asked)).family())
            << c.asked;
    }
    EXPECT_EQ(QApplication::font().family(), FontFallback::kFallbackFamily);
}
