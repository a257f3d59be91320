#include "qt_desktop.h"

#include "common/dos_fs.h"
#include "common/file_dialog_filter.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

namespace zr {

namespace {

QMessageBox::StandardButtons standard_buttons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::ok:
        return QMessageBox::Ok;
    case MessageButtons::ok_cancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::abort_retry_ignore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageButtons::yes_no_cancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::yes_no:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::retry_cancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::critical:
        return QMessageBox::Critical;
    case MessageIcon::question:
        return QMessageBox::Question;
    case MessageIcon::exclamation:
        return QMessageBox::Warning;
    case MessageIcon::information:
        return QMessageBox::Information;
    case MessageIcon::none:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer answer_of(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::ok;
    case QMessageBox::Abort:
        return MessageAnswer::abort;
    case QMessageBox::Retry:
        return MessageAnswer::retry;
    case QMessageBox::Ignore:
        return MessageAnswer::ignore;
    case QMessageBox::Yes:
        return MessageAnswer::yes;
    case QMessageBox::No:
        return MessageAnswer::no;
    case QMessageBox::Cancel:
        return MessageAnswer::cancel;
    default:
        // Closed by the window frame or Escape without a cancel button.
        return buttons == MessageButtons::ok ? MessageAnswer::ok : MessageAnswer::cancel;
    }
}

} // namespace

QtDesktop::QtDesktop(const DosFs& fs) : m_fs(fs) {}

MessageAnswer QtDesktop::message_box(const QString& text, const QString& title,
                                     MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(box_icon(icon), title, text, standard_buttons(buttons),
                    QApplication::activeWindow());
    return answer_of(box.exec(), buttons);
}

std::optional<QString> QtDesktop::input_box(const QString& prompt, const QString& title,
                                            const QString& default_text) {
    bool accepted = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                         QLineEdit::Normal, default_text, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDesktop::open_file(const FileDialogRequest& request) {
    return run_file_dialog(request, false);
}

std::optional<QString> QtDesktop::save_file(const FileDialogRequest& request) {
    return run_file_dialog(request, true);
}

std::optional<QString> QtDesktop::run_file_dialog(const FileDialogRequest& request, bool saving) {
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qt_name_filters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filter_index - 1;
        if (index >= 0 && index < filters.size())
            dialog.selectNameFilter(filters[index]);
    }
    if (!request.default_extension.isEmpty())
        dialog.setDefaultSuffix(request.default_extension);
    if (!request.initial_folder.isEmpty()) {
        if (auto folder = m_fs.host_path(request.initial_folder))
            dialog.setDirectory(*folder);
    }
    if (!request.file_name.isEmpty())
        dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return m_fs.dos_path(dialog.selectedFiles().constFirst());
}

bool QtDesktop::choose_printer(QPrinter& printer, bool allow_selection) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    if (allow_selection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

int QtDesktop::show_modal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        return dialog->exec();
    // A plain window shown modally: run events until it is hidden.
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QEventLoop loop;
    while (window.isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}

void QtDesktop::set_busy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busy_depth;
    } else if (m_busy_depth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busy_depth;
    }
}

void QtDesktop::pump_events() {
    QCoreApplication::processEvents();
}

QString QtDesktop::clipboard_text() const {
    return QGuiApplication::clipboard()->text();
}

void QtDesktop::set_clipboard_text(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtDesktop::clear_clipboard() {
    QGuiApplication::clipboard()->clear();
}

QSize QtDesktop::screen_size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QRect QtDesktop::work_area() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QDateTime QtDesktop::now() const {
    return QDateTime::currentDateTime();
}

} // namespace zr
