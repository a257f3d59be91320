#pragma once

#include "common/desktop.h"

#include <QList>
#include <QMap>

#include <deque>
#include <functional>

namespace zr::test {

// The desktop of the tests: answers from a script, records what was shown, and keeps a clock
// of its own that moves only when the test or an event pump moves it.
class ScriptedDesktop final : public Desktop {
public:
    struct Message {
        QString text;
        QString title;
        MessageButtons buttons;
        MessageIcon icon;
    };
    struct Input {
        QString prompt;
        QString title;
        QString default_text;
    };

    ScriptedDesktop();

    // --- the script ---
    // Answers for the next message boxes, in order; without one a box takes its first button.
    void answer_messages(std::initializer_list<MessageAnswer> answers);
    // Answers for the next input boxes; an empty optional cancels.
    void answer_inputs(std::initializer_list<std::optional<QString>> answers);
    // Answers for the next file dialogs, open and save alike; an empty optional cancels.
    void answer_files(std::initializer_list<std::optional<QString>> answers);
    // Runs the action when the given event pump (counted from 1) happens.
    void at_pump(int pump_number, std::function<void()> action);
    // Decides what a modal window does; without it show_modal returns 0 at once.
    void on_show_modal(std::function<int(QWidget&)> handler);
    void set_printer_answer(bool accept) { m_printer_answer = accept; }

    // --- the clock and the screen ---
    void set_now(const QDateTime& now) { m_now = now; }
    void advance(qint64 milliseconds) { m_now = m_now.addMSecs(milliseconds); }
    // How far every event pump moves the clock (100 ms unless set).
    void set_pump_step(qint64 milliseconds) { m_pump_step = milliseconds; }
    void set_screen(QSize size, QRect work_area);

    // --- what happened ---
    const QList<Message>& messages() const { return m_messages; }
    const QList<Input>& inputs() const { return m_inputs; }
    const QList<FileDialogRequest>& file_dialogs() const { return m_file_dialogs; }
    int pump_count() const { return m_pumps; }
    int busy_depth() const { return m_busy; }
    int modal_count() const { return m_modals; }

    // --- Desktop ---
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
    QString clipboard_text() const override { return m_clipboard; }
    void set_clipboard_text(const QString& text) override { m_clipboard = text; }
    void clear_clipboard() override { m_clipboard.clear(); }
    QSize screen_size() const override { return m_screen; }
    QRect work_area() const override { return m_work_area; }
    QDateTime now() const override { return m_now; }

private:
    std::optional<QString> next_file(const FileDialogRequest& request);

    std::deque<MessageAnswer> m_message_answers;
    std::deque<std::optional<QString>> m_input_answers;
    std::deque<std::optional<QString>> m_file_answers;
    QMap<int, std::function<void()>> m_pump_actions;
    std::function<int(QWidget&)> m_modal_handler;
    bool m_printer_answer = false;

    QList<Message> m_messages;
    QList<Input> m_inputs;
    QList<FileDialogRequest> m_file_dialogs;
    int m_pumps = 0;
    int m_busy = 0;
    int m_modals = 0;

    QDateTime m_now;
    qint64 m_pump_step = 100;
    QSize m_screen{1024, 768};
    QRect m_work_area{0, 0, 1024, 738};
    QString m_clipboard;
};

} // namespace zr::test
