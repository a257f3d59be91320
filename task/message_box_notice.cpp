#include "message_box_notice.h"

#include "common/german_translations.h"

#include <QApplication>
#include <QMessageBox>

namespace zr {

MessageBoxNotice::MessageBoxNotice(std::unique_ptr<QCoreApplication>& application, int& argc,
                                   char** argv)
    : m_application(application), m_argc(argc), m_argv(argv) {}

void MessageBoxNotice::show_failure(const QString& text, const QString& title) {
    become_widget_application();
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

void MessageBoxNotice::become_widget_application() {
    if (qobject_cast<QApplication*>(m_application.get()))
        return;
    m_application.reset();
    auto widgets = std::make_unique<QApplication>(m_argc, m_argv);
    install_german_translations(*widgets);
    m_application = std::move(widgets);
}

} // namespace zr
