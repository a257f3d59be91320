#include "main/panes/form25.h"
#include "main/panes/form51.h"
#include "main/panes/form70.h"
#include "main/startup/program_state.h"

#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_drives.h"

#include "common/image_keys.h"
#include "common/linux_dos_fs.h"
#include "common/services.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zr {

namespace {

const QString program_dir = QStringLiteral("C:\\Zonderel\\");

class FileTypeWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_drives.make_folder("C:\\Zonderel");
        m_state.program_dir = program_dir;
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Services services() {
        return Services{m_drives.settings(), m_drives.fs(), m_launcher, m_desktop};
    }
    // The chooser answers by clicking position p, or "Abbrechen" when p is negative.
    void chooser_picks(int position) {
        m_desktop.on_show_modal([position](QWidget& window) {
            auto* chooser = qobject_cast<Form51*>(&window);
            EXPECT_NE(chooser, nullptr);
            if (!chooser)
                return 0;
            chooser->show();
            if (position < 0)
                QTest::mouseClick(chooser->Abbrechen, Qt::LeftButton);
            else
                QTest::mouseClick(chooser->Image1[std::size_t(position)], Qt::LeftButton);
            EXPECT_FALSE(chooser->isVisible());
            return 0;
        });
    }
    void fill(Form25& form, const QString& extension, const QString& description,
              const QString& program) {
        form.Text1->setText(extension);
        form.Text2->setText(description);
        form.Text3->setText(program);
    }
    QStringList program_dir_files() const {
        return QDir(m_drives.host("C:\\Zonderel")).entryList(QDir::Files | QDir::Hidden);
    }

    test::TempDrives m_drives{"C"};
    test::RecordingLauncher m_launcher;
    test::ScriptedDesktop m_desktop;
    ProgramState m_state;
};

} // namespace

TEST_F(FileTypeWindowsTest, ChooserShowsFiftyFivePicturesAndStoresTheClickedKey) {
    Form51 chooser(m_state);
    EXPECT_EQ(chooser.windowTitle(), QString::fromUtf8("Symbol auswählen"));
    EXPECT_EQ(chooser.Abbrechen->text(), "Abbrechen");
    for (QLabel* image : chooser.Image1)
        EXPECT_FALSE(image->pixmap().isNull());

    for (const int position : {0, 1, 11, 13, 14, 54}) {
        chooser.show();
        QTest::mouseClick(chooser.Image1[std::size_t(position)], Qt::LeftButton);
        EXPECT_FALSE(chooser.isVisible());
        EXPECT_EQ(m_state.dialog_result, ImageKeys::chooser_key(position));
    }
    EXPECT_EQ(m_state.dialog_result, "i55");
    chooser.show();
    QTest::mouseClick(chooser.Image1[11], Qt::LeftButton);
    EXPECT_EQ(m_state.dialog_result, "Floppy");

    chooser.show();
    QTest::mouseClick(chooser.Abbrechen, Qt::LeftButton);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(m_state.dialog_result, "abbr");
}

TEST_F(FileTypeWindowsTest, PointingAtAPictureFramesItAlone) {
    Form51 chooser(m_state);
    chooser.show();
    for (const int position : {3, 40}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(chooser.Image1[std::size_t(position)], &enter);
        for (int p = 0; p < Form51::image_count; ++p)
            EXPECT_EQ(chooser.Image1[std::size_t(p)]->frameShape(),
                      p == position ? QFrame::Box : QFrame::NoFrame);
    }
}

TEST_F(FileTypeWindowsTest, OkWritesTheTypeFileWithTheChosenKey) {
    Services s = services();
    Form25 form(m_state, s);
    EXPECT_EQ(form.windowTitle(), "Neuer Dateityp");
    EXPECT_EQ(form.Label1->text(), "Zugeordnete Erweiterung (.txt,.doc):");
    EXPECT_EQ(form.Label2->text(), "Bezeichnung:");
    EXPECT_EQ(form.Label3->text(), QString::fromUtf8("Öffnen mit:"));
    EXPECT_EQ(form.Command2->text(), "&Durchsuchen...");
    EXPECT_EQ(form.Command3->text(), "Ok");
    EXPECT_EQ(form.Command1->text(), "Abbrechen");
    form.show();
    fill(form, ".doc", "Word-Dokument", "C:\\Programme\\Editor\\edit.exe");
    chooser_picks(11);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_EQ(m_desktop.modal_count(), 1);
    EXPECT_EQ(form.icon_chooser(), nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\Word-Dokument.flt"),
              ".doc\r\nC:\\Programme\\Editor\\edit.exe\\\r\nFloppy\r\n");
}

TEST_F(FileTypeWindowsTest, CancellingTheChooserLeavesTheDialogOpenWithItsEntries) {
    Services s = services();
    Form25 form(m_state, s);
    form.show();
    fill(form, ".doc", "Word-Dokument", "C:\\w.exe");
    chooser_picks(-1);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_EQ(m_desktop.modal_count(), 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Text1->text(), ".doc");
    EXPECT_EQ(form.Text2->text(), "Word-Dokument");
    EXPECT_EQ(form.Text3->text(), "C:\\w.exe");
    EXPECT_TRUE(program_dir_files().isEmpty());
}

TEST_F(FileTypeWindowsTest, RefusedDescriptionsWriteNothingAndCloseTheDialog) {
    m_drives.make_folder("C:\\Zonderel\\sub");
    Services s = services();
    chooser_picks(0);
    for (const char* description : {"", "../ausserhalb", "..\\ausserhalb", "sub/drin", "sub\\drin",
                                    "..", "a:b", "st*r", "wer?", "<>", "a|b", "\"zitat\""}) {
        SCOPED_TRACE(description);
        Form25 form(m_state, s);
        form.show();
        fill(form, ".x", QString::fromUtf8(description), "C:\\p.exe");
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_TRUE(program_dir_files().isEmpty());
    EXPECT_TRUE(QDir(m_drives.host("C:\\Zonderel\\sub"))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QDir(m_drives.root('C')).entryList(QDir::Files).isEmpty());
}

TEST_F(FileTypeWindowsTest, BrowsePutsTheChosenProgramIntoTheField) {
    Services s = services();
    Form25 form(m_state, s);
    form.Text3->setText("C:\\alt.exe");
    m_desktop.answer_files({std::nullopt, QStringLiteral("C:\\Programme\\neu.exe")});
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_EQ(form.Text3->text(), "C:\\alt.exe");
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_EQ(form.Text3->text(), "C:\\Programme\\neu.exe");
    ASSERT_EQ(m_desktop.file_dialogs().size(), 2);
    EXPECT_EQ(m_desktop.file_dialogs()[0].filter, "Anwendungen|*.exe|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(m_desktop.file_dialogs()[0].default_extension, "*.exe;*.com;*.pif;*.lnk");
}

TEST_F(FileTypeWindowsTest, TypeListRemovesAfterYesAndKeepsAfterNo) {
    m_drives.make_file("C:\\Zonderel\\Bild.flt", ".pcx\r\nC:\\Malen\\\r\ni15\r\n");
    m_drives.make_file("C:\\Zonderel\\Ton.flt", ".snd\r\nC:\\Hoeren\\\r\nwav\r\n");
    m_drives.make_file("C:\\Zonderel\\settings.1", "Anna\r\n");
    Services s = services();
    Form70 form(m_state, s);
    EXPECT_EQ(form.windowTitle(), "Registrierte Dateitypen");
    EXPECT_EQ(form.Label5->text(), "Registrierte Dateitypen:");
    EXPECT_EQ(form.Command8->text(), "&Neu");
    EXPECT_EQ(form.Command7->text(), "&Entfernen");
    EXPECT_EQ(form.Command1->text(), QString::fromUtf8("Schließen"));
    ASSERT_EQ(form.List1->count(), 2);

    QTest::mouseClick(form.Command7, Qt::LeftButton);
    EXPECT_TRUE(m_desktop.messages().isEmpty());

    form.List1->setCurrentItem(form.List1->findItems("Bild", Qt::MatchExactly).value(0));
    m_desktop.answer_messages({MessageAnswer::no, MessageAnswer::yes});
    QTest::mouseClick(form.Command7, Qt::LeftButton);
    EXPECT_TRUE(m_drives.host_exists("C:\\Zonderel\\Bild.flt"));
    EXPECT_EQ(form.List1->count(), 2);
    QTest::mouseClick(form.Command7, Qt::LeftButton);
    ASSERT_EQ(m_desktop.messages().size(), 2);
    EXPECT_EQ(m_desktop.messages()[1].title, "Dateityp entfernen");
    EXPECT_EQ(m_desktop.messages()[1].text, "Soll dieser Dateityp wirklich entfernt werden ?");
    EXPECT_EQ(m_desktop.messages()[1].buttons, MessageButtons::yes_no);
    EXPECT_FALSE(m_drives.host_exists("C:\\Zonderel\\Bild.flt"));
    ASSERT_EQ(form.List1->count(), 1);
    EXPECT_EQ(form.List1->item(0)->text(), "Ton");

    form.List1->setCurrentRow(0);
    QTest::mouseClick(form.Command7, Qt::LeftButton);
    EXPECT_EQ(form.List1->count(), 0);
}

TEST_F(FileTypeWindowsTest, NewOpensTheNewTypeDialogAndLeavesTheListAsItWas) {
    Services s = services();
    Form70 form(m_state, s);
    form.show();
    m_desktop.on_show_modal([this](QWidget& window) {
        auto* dialog = qobject_cast<Form25*>(&window);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        dialog->show();
        fill(*dialog, ".neu", "Neu", "C:\\n.exe");
        chooser_picks(2);
        QTest::mouseClick(dialog->Command3, Qt::LeftButton);
        return 0;
    });
    QTest::mouseClick(form.Command8, Qt::LeftButton);
    EXPECT_EQ(form.new_type_dialog(), nullptr);
    EXPECT_EQ(m_drives.content("C:\\Zonderel\\Neu.flt"), ".neu\r\nC:\\n.exe\\\r\nlaufwerk\r\n");
    EXPECT_EQ(form.List1->count(), 0);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Form70(m_state, s).List1->count(), 1);
}

} // namespace zr
