#include "scripted_desktop.h"

namespace zr::test {

namespace {

MessageAnswer first_button(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::ok:
    case MessageButtons::ok_cancel:
        return MessageAnswer::ok;
    case MessageButtons::abort_retry_ignore:
        return MessageAnswer::abort;
    case MessageButtons::yes_no_cancel:
    case MessageButtons::yes_no:
        return MessageAnswer::yes;
    case MessageButtons::retry_cancel:
        return MessageAnswer::retry;
    }
    return MessageAnswer::ok;
}

template <typename T> std::optional<T> take(std::deque<T>& queue) {
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

ScriptedDesktop::ScriptedDesktop() : m_now(QDate(2026, 3, 14), QTime(10, 30, 0)) {}

void ScriptedDesktop::answer_messages(std::initializer_list<MessageAnswer> answers) {
    m_message_answers.insert(m_message_answers.end(), answers);
}

void ScriptedDesktop::answer_inputs(std::initializer_list<std::optional<QString>> answers) {
    m_input_answers.insert(m_input_answers.end(), answers);
}

void ScriptedDesktop::answer_files(std::initializer_list<std::optional<QString>> answers) {
    m_file_answers.insert(m_file_answers.end(), answers);
}

void ScriptedDesktop::at_pump(int pump_number, std::function<void()> action) {
    m_pump_actions.insert(pump_number, std::move(action));
}

void ScriptedDesktop::on_show_modal(std::function<int(QWidget&)> handler) {
    m_modal_handler = std::move(handler);
}

void ScriptedDesktop::set_screen(QSize size, QRect work_area) {
    m_screen = size;
    m_work_area = work_area;
}

MessageAnswer ScriptedDesktop::message_box(const QString& text, const QString& title,
                                           MessageButtons buttons, MessageIcon icon) {
    m_messages.append({text, title, buttons, icon});
    return take(m_message_answers).value_or(first_button(buttons));
}

std::optional<QString> ScriptedDesktop::input_box(const QString& prompt, const QString& title,
                                                  const QString& default_text) {
    m_inputs.append({prompt, title, default_text});
    return take(m_input_answers).value_or(std::nullopt);
}

std::optional<QString> ScriptedDesktop::next_file(const FileDialogRequest& request) {
    m_file_dialogs.append(request);
    return take(m_file_answers).value_or(std::nullopt);
}

std::optional<QString> ScriptedDesktop::open_file(const FileDialogRequest& request) {
    return next_file(request);
}

std::optional<QString> ScriptedDesktop::save_file(const FileDialogRequest& request) {
    return next_file(request);
}

bool ScriptedDesktop::choose_printer(QPrinter&, bool) {
    return m_printer_answer;
}

int ScriptedDesktop::show_modal(QWidget& window) {
    ++m_modals;
    return m_modal_handler ? m_modal_handler(window) : 0;
}

void ScriptedDesktop::set_busy(bool busy) {
    m_busy += busy ? 1 : -1;
}

void ScriptedDesktop::pump_events() {
    ++m_pumps;
    advance(m_pump_step);
    if (auto action = m_pump_actions.take(m_pumps))
        action();
}

} // namespace zr::test
