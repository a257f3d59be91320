#include "common/icon_set.h"
#include "common/image_keys.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace zr {

namespace {

int opaque_pixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

QByteArray pixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

} // namespace

TEST(IconSet, EveryPaneKeyHasALargeAndASmallPictureOfItsOwn) {
    IconSet icons;
    QSet<QByteArray> seen;
    for (const QString& key : ImageKeys::pane_keys()) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_TRUE(IconSet::knows(key));
        const QPixmap large = icons.large(key);
        const QPixmap small = icons.small(key);
        EXPECT_EQ(large.size(), QSize(32, 32));
        EXPECT_EQ(small.size(), QSize(16, 16));
        EXPECT_GT(opaque_pixels(large), 32 * 32 / 8);
        EXPECT_GT(opaque_pixels(small), 16 * 16 / 8);
        EXPECT_FALSE(icons.icon(key).isNull());
        EXPECT_FALSE(seen.contains(pixels(large))) << "looks like another key";
        seen.insert(pixels(large));
    }
}

TEST(IconSet, KeysAreCaseSensitiveAndUnknownKeysShowThePlainFile) {
    IconSet icons;
    for (const auto& [lower, upper] : {std::pair{"floppy", "Floppy"},
                                       std::pair{"laufwerk", "Laufwerk"}, std::pair{"cdr", "CDR"}})
        EXPECT_NE(pixels(icons.large(lower)), pixels(icons.large(upper))) << lower;
    for (const char* unknown : {"ordner", "i14", "i56", "i5", "", "gibtsnicht"}) {
        EXPECT_FALSE(IconSet::knows(unknown)) << unknown;
        EXPECT_EQ(pixels(icons.large(unknown)), pixels(icons.large("Datei"))) << unknown;
    }
    EXPECT_TRUE(IconSet::knows("leer"));
    EXPECT_EQ(opaque_pixels(icons.large("leer")), 0);
}

} // namespace zr
