#pragma once

#include "common/desktop.h"

namespace zr {

class DosFs;

// The desktop as Qt shows it: real dialogs in German, the real clock and clipboard.
class QtDesktop final : public Desktop {
public:
    explicit QtDesktop(const DosFs& fs);

    MessageAnswer message_box(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override;
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override;
    std::optional<QString> open_file(const FileDialogRequest& request) override;
    std::optional<QString> save_file(const FileDialogRequest& request) override;
    bool choose_printer(QPrinter& printer, bool allow_selection) override;
    int show_modal(QWidget& window) override;
    void set_busy(bool busy) override;
    void pump_events() override;
    QString clipboard_text() const override;
    void set_clipboard_text(const QString& text) override;
    void clear_clipboard() override;
    QSize screen_size() const override;
    QRect work_area() const override;
    QDateTime now() const override;

private:
    std::optional<QString> run_file_dialog(const FileDialogRequest& request, bool saving);

    const DosFs& m_fs;
    int m_busy_depth = 0;
};

} // namespace zr
