#pragma once

#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;
class QPrinter;

namespace zr {

// Button sets, icons and answers of a message box, numbered as the system numbers them.
enum class MessageButtons : int {
    ok = 0,
    ok_cancel = 1,
    abort_retry_ignore = 2,
    yes_no_cancel = 3,
    yes_no = 4,
    retry_cancel = 5,
};

enum class MessageIcon : int {
    none = 0,
    critical = 16,
    question = 32,
    exclamation = 48,
    information = 64,
};

enum class MessageAnswer : int {
    ok = 1,
    cancel = 2,
    abort = 3,
    retry = 4,
    ignore = 5,
    yes = 6,
    no = 7,
};

// A file-open or file-save dialog: filter in the system's form "desc|pattern|desc|pattern".
struct FileDialogRequest {
    QString title;
    QString filter;
    int filter_index = 1;
    QString default_extension;
    QString initial_folder; // DOS path
    QString file_name;
};

// Everything the windows ask of the person and the toolkit. The Qt form shows real dialogs;
// the tests' form answers from a script and keeps its own clock.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual MessageAnswer message_box(const QString& text, const QString& title,
                                      MessageButtons buttons = MessageButtons::ok,
                                      MessageIcon icon = MessageIcon::none) = 0;
    // The typed text; empty when cancelled.
    virtual std::optional<QString> input_box(const QString& prompt, const QString& title,
                                             const QString& default_text = {}) = 0;
    // The chosen file as a DOS path; empty when cancelled or outside every drive.
    virtual std::optional<QString> open_file(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> save_file(const FileDialogRequest& request) = 0;
    // Lets the person set up the printer; false when cancelled.
    virtual bool choose_printer(QPrinter& printer, bool allow_selection) = 0;
    // Shows the window modally and returns when it is hidden or closed.
    virtual int show_modal(QWidget& window) = 0;
    // Hourglass on and off; calls balance.
    virtual void set_busy(bool busy) = 0;
    // Lets pending window events run once.
    virtual void pump_events() = 0;

    virtual QString clipboard_text() const = 0;
    virtual void set_clipboard_text(const QString& text) = 0;
    virtual void clear_clipboard() = 0;

    // The whole screen and the work area, in pixels.
    virtual QSize screen_size() const = 0;
    virtual QRect work_area() const = 0;

    // The local time of day.
    virtual QDateTime now() const = 0;
};

} // namespace zr
