#include "common/image_keys.h"

#include <QSet>
#include <gtest/gtest.h>

namespace zr {

TEST(ImageKeys, ChooserPositionsGiveTheirKeys) {
    const std::pair<int, const char*> cases[] = {
        {0, "Ordner"},    {1, "floppy"},  {2, "laufwerk"}, {3, "cdr"},        {4, "bmp"},
        {5, "wav"},       {6, "txt"},     {7, "htm"},      {8, "app"},        {9, "Datei"},
        {10, "Laufwerk"}, {11, "Floppy"}, {12, "CDR"},     {13, "Favoriten"}, {14, "i15"},
        {30, "i31"},      {54, "i55"},    {-1, ""},        {55, ""},
    };
    for (const auto& [position, key] : cases)
        EXPECT_EQ(ImageKeys::chooser_key(position), QString::fromLatin1(key)) << position;
}

TEST(ImageKeys, PaneKeysAreDistinctAndHoldEveryChooserKey) {
    const QStringList keys = ImageKeys::pane_keys();
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    EXPECT_EQ(keys.mid(0, ImageKeys::chooser_count), ImageKeys::chooser_keys());
    for (const char* key : {"l_info", "l_cam", "l_pc", "auto_word", "auto_excel", "auto_ppt",
                            "auto_access", "auto_soffice", "auto_midi", "mp3", "zipB"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(key))) << key;
    EXPECT_FALSE(keys.contains("leer"));
}

} // namespace zr
