// Renders the graph and a description as the pages show them. With
// ZRK_SNAPSHOT_DIR set the pictures are kept there for a look by eye.
#include "controls/CmyGraf.h"
#include "controls/CmyRichEditCtrl.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void Keep(const QImage& image, const char* name) {
    if (const char* dir = std::getenv("ZRK_SNAPSHOT_DIR")) {
        EXPECT_TRUE(image.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
    }
}

int CountPixels(const QImage& image, bool (*match)(QRgb)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += match(image.pixel(x, y));
    return count;
}

} // namespace

TEST(ControlsSnapshot, GraphWithFourNodes) {
    CmyGraf graf;
    graf.resize(291, 294); // 194 x 181 dialog units
    graf.SetGraphNumber(2);
    graf.Rebuild({-50, 1500, -20, 250},
                 {{30, 12.5, true}, {-20, 5, true}, {1500, 250, true}, {400, -20, true}});
    const QImage image = graf.grab().toImage();
    Keep(image, "graf.png");
    EXPECT_GT(CountPixels(image, [](QRgb c) { return qRed(c) == 200 && qGreen(c) == 0; }), 100);
    EXPECT_GT(CountPixels(image, [](QRgb c) { return qBlue(c) > 60 && qRed(c) < 40; }), 20)
        << "title";
}

TEST(ControlsSnapshot, DescriptionFromRtf) {
    CmyRichEditCtrl edit;
    edit.resize(375, 310); // 250 x 190 dialog units
    edit.setReadOnly(true);
    edit.setStyleSheet(QStringLiteral("background: rgb(234, 244, 255)"));
    edit.SetRtf("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}"
                "{\\colortbl;\\red0\\green0\\blue200;\\red200\\green0\\blue0;}"
                "{\\cf1\\b\\ul\\fs28 \xcc\xee\xe4\xe8\xf4\xe8\xea\xe0\xf6\xe8\xff 3}\\par\\par "
                "\\fs22 \xc4\xe2\xe0 \xea\xe0\xed\xe0\xeb\xe0 \xf0\xe5\xe3\xf3\xeb\xe8\xf0"
                "\xee\xe2\xe0\xed\xe8\xff, {\\i \xe2\xf5\xee\xe4 4..20 \xec\xc0}\\par "
                "{\\cf2\\b \xc2\xcd\xc8\xcc\xc0\xcd\xc8\xc5:} \\u1025\\'3f\xeb\xea\xe0 "
                "\\'ab\xd0\xe5\xeb\xe5\\'bb \\'b9 5\\par}");
    const QImage image = edit.grab().toImage();
    Keep(image, "description.png");
    EXPECT_GT(CountPixels(image, [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 60; }), 20)
        << "red heading";
}
