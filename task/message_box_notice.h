#pragma once

#include "failure_notice.h"

#include <memory>

class QCoreApplication;

namespace zr {

// Shows the failure as a real message box. zrtask runs as a QCoreApplication so that it
// starts fast; only for the message does it become a QApplication.
class MessageBoxNotice final : public FailureNotice {
public:
    // application is the running core application, replaced when a message is shown.
    MessageBoxNotice(std::unique_ptr<QCoreApplication>& application, int& argc, char** argv);

    void show_failure(const QString& text, const QString& title) override;

private:
    void become_widget_application();

    std::unique_ptr<QCoreApplication>& m_application;
    int& m_argc;
    char** m_argv;
};

} // namespace zr
