#include "common/german_translations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zr {

TEST(GermanTranslations, StandardButtonsSpeakGerman) {
    install_german_translations(*QCoreApplication::instance());
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove('&'), "Ja");
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove('&'), "Nein");
}

} // namespace zr
