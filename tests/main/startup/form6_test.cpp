#include "main/startup/form6.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zr {

TEST(Form6, ShowsProductVersionAndBuildAndOpensTheHomePage) {
    Form6 form;
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Über Zonderel"));
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.Label4->text(), "Zonderel,");
    EXPECT_EQ(form.Label1->text(), "Version 4.1");
    EXPECT_EQ(form.Label5->text(), "(Build: 1826)");
    EXPECT_EQ(form.Command1->text(), "Ok");
    EXPECT_TRUE(form.Label12->text().contains("zonderel.example"));
    EXPECT_FALSE(form.Image1->pixmap().isNull());

    form.show();
    QSignalSpy clicks(&form, &Form6::home_page_clicked);
    QTest::mouseClick(form.Label12, Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toString(), Form6::home_page());

    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

} // namespace zr
