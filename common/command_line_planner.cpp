#include "command_line_planner.h"

#include "command_line_text.h"
#include "launch_environment.h"
#include "tool_table.h"

#include <QDir>

namespace zr {

namespace {

// Our own programs read the rest of their line as the system hands it over.
bool is_own_program(const QString& base_name) {
    const QString stem = without_program_extension(base_name).toLower();
    return stem == u"zrtask" || stem == u"zrguide" || stem == u"volgraph" || stem == u"zrmain" ||
           stem == u"uninstall";
}

bool is_explorer(const QString& base_name) {
    return without_program_extension(base_name).compare(u"explorer", Qt::CaseInsensitive) == 0;
}

bool is_command_interpreter(const QString& base_name) {
    return base_name.compare(u"command.com", Qt::CaseInsensitive) == 0;
}

// The rest after the one blank that separates it from the word before.
QString rest_after(const QString& line, qsizetype end_of_word) {
    if (end_of_word < line.size() && line[end_of_word] == u' ')
        ++end_of_word;
    return line.mid(end_of_word);
}

} // namespace

CommandLinePlanner::CommandLinePlanner(const LaunchEnvironment& environment, const ToolTable& tools)
    : m_environment(environment), m_resolver(environment), m_tool_planner(environment, tools) {}

Result<LaunchPlan> CommandLinePlanner::plan(const QString& command_line) const {
    const ProgramAndRest parts = split_program(command_line);
    if (parts.program.isEmpty())
        return ErrorCode::file_not_found;
    const QString base_name = dos_base_name(parts.program);
    if (is_explorer(base_name))
        return plan_explorer(parts.rest);
    if (is_command_interpreter(base_name))
        return plan_command_interpreter(parts.rest);
    if (ToolTable::is_tool(base_name) && !m_resolver.resolve_exact_file(parts.program))
        return m_tool_planner.plan(base_name, parts.rest, host_arguments(parts.rest));
    return plan_program(parts.program, parts.rest);
}

CommandLinePlanner::ProgramAndRest CommandLinePlanner::split_program(const QString& line) const {
    qsizetype start = 0;
    while (start < line.size() && line[start] == u' ')
        ++start;
    if (start < line.size() && line[start] == u'"') {
        qsizetype close = line.indexOf(u'"', start + 1);
        if (close < 0)
            close = line.size();
        return {line.mid(start + 1, close - start - 1), rest_after(line, close + 1)};
    }
    // As the system searches: the shortest prefix ending at a blank that names a program, so
    // that a folder name with a blank needs no quotes.
    qsizetype first_blank = -1;
    for (qsizetype end = start; end <= line.size(); ++end) {
        if (end < line.size() && line[end] != u' ')
            continue;
        if (end == start)
            continue;
        if (first_blank < 0)
            first_blank = end;
        const QString prefix = line.mid(start, end - start);
        if (is_special_name(dos_base_name(prefix)) || m_resolver.resolve(prefix))
            return {prefix, rest_after(line, end)};
    }
    if (first_blank < 0)
        return {};
    return {line.mid(start, first_blank - start), rest_after(line, first_blank)};
}

bool CommandLinePlanner::is_special_name(const QString& base_name) const {
    return is_explorer(base_name) || is_command_interpreter(base_name) ||
           ToolTable::is_tool(base_name);
}

Result<LaunchPlan> CommandLinePlanner::plan_command_interpreter(const QString& rest) const {
    const QString trimmed = rest.trimmed();
    const bool runs_command = trimmed.startsWith(QLatin1String("/c"), Qt::CaseInsensitive) &&
                              (trimmed.size() == 2 || trimmed[2] == u' ');
    if (runs_command)
        return plan(trimmed.mid(3));
    return m_tool_planner.plan(QStringLiteral("dos.exe"), rest, host_arguments(rest));
}

Result<LaunchPlan> CommandLinePlanner::plan_explorer(const QString& rest) const {
    const QString target = without_surrounding_quotes(rest.trimmed());
    const QString folder = m_environment.current_folder();
    const QString argument =
        target.isEmpty() ? folder : (is_web_address(target) ? target : host_argument(target));
    return LaunchPlan{QStringLiteral("xdg-open"), {argument}, folder};
}

Result<LaunchPlan> CommandLinePlanner::plan_program(const QString& word,
                                                    const QString& rest) const {
    const std::optional<QString> program = m_resolver.resolve(word);
    if (!program)
        return ErrorCode::file_not_found;
    if (!is_own_program(dos_base_name(word)))
        return LaunchPlan{*program, host_arguments(rest), m_environment.current_folder()};
    QStringList arguments;
    if (!rest.isEmpty())
        arguments << rest;
    return LaunchPlan{*program, arguments, own_program_folder(word)};
}

// Our programs take the folder they start in as the program directory when the settings name
// none, so they start in the folder the line names them in.
QString CommandLinePlanner::own_program_folder(const QString& word) const {
    if (is_drive_path(word)) {
        const QString dos_folder = word.left(word.lastIndexOf(u'\\') + 1);
        if (const std::optional<QString> folder = m_environment.to_host(dos_folder))
            if (m_environment.exists(*folder))
                return *folder;
    }
    return m_environment.current_folder();
}

QStringList CommandLinePlanner::host_arguments(const QString& rest) const {
    QStringList arguments;
    for (const QString& word : split_words(rest))
        arguments << host_argument(word);
    return arguments;
}

// A file name always reaches the program as an absolute path, so it can never be read as an
// option ("-rf" becomes "/abs/-rf").
QString CommandLinePlanner::host_argument(const QString& word) const {
    if (word.isEmpty() || is_web_address(word))
        return word;
    if (is_drive_path(word))
        return m_environment.to_host(word).value_or(word);
    if (word.startsWith(u'/'))
        return word;
    const QString local = m_environment.current_folder() + u'/' + word;
    if (m_environment.exists(local))
        return QDir::cleanPath(local);
    return word;
}

} // namespace zr
