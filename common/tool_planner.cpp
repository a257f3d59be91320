#include "tool_planner.h"

#include "command_line_text.h"
#include "drive_info.h"
#include "launch_environment.h"
#include "tool_table.h"

#include <optional>

namespace zr {

namespace {

// What a tool's line says: "/Q/Autotest a:" or "a: Mein Etikett".
struct ToolLine {
    QStringList switches; // lower case, without "/"
    std::optional<QChar> letter;
    QString drive_text;
    QString label;
};

bool is_blank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool starts_with_drive(const QString& word) {
    return word.size() >= 2 && word[1] == u':' && word[0].isLetter() && word[0].unicode() < 128;
}

ToolLine parse_tool_line(const QString& rest) {
    ToolLine line;
    qsizetype position = 0;
    while (position < rest.size()) {
        while (position < rest.size() && is_blank(rest[position]))
            ++position;
        const qsizetype start = position;
        while (position < rest.size() && !is_blank(rest[position]))
            ++position;
        const QString word = rest.mid(start, position - start);
        if (word.isEmpty())
            break;
        if (word.startsWith(u'/')) {
            for (const QString& name : word.split(u'/', Qt::SkipEmptyParts))
                line.switches << name.toLower();
            continue;
        }
        qsizetype label_start = start;
        if (starts_with_drive(word)) {
            line.letter = word[0].toUpper();
            line.drive_text = word.left(2);
            label_start = start + 2;
        }
        line.label = without_surrounding_quotes(rest.mid(label_start).trimmed());
        break;
    }
    return line;
}

} // namespace

ToolPlanner::ToolPlanner(const LaunchEnvironment& environment, const ToolTable& tools)
    : m_environment(environment), m_tools(tools) {}

Result<LaunchPlan> ToolPlanner::plan(const QString& tool, const QString& rest,
                                     const QStringList& arguments) const {
    const QString key = tool.toLower();
    const ToolLine line = parse_tool_line(rest);
    const std::optional<DriveInfo> drive =
        line.letter ? m_environment.drive(*line.letter) : std::nullopt;
    if (ToolTable::needs_removable_drive(key)) {
        if (!drive)
            return ErrorCode::bad_drive;
        if (drive->type != DriveType::removable || drive->device.isEmpty())
            return ErrorCode::path_access;
    }
    const Result<QString> chosen = choose_template(key, line.switches, drive);
    if (!chosen)
        return chosen.error();

    ToolValues values;
    values.drive = line.drive_text;
    values.device = drive ? drive->device : QString();
    values.mount = drive ? drive->host_root : QString();
    values.label = !line.label.isEmpty() ? line.label : (drive ? drive->label : QString());
    values.cwd = m_environment.current_folder();
    values.program_dir = m_environment.executable_folder();
    values.args = arguments;
    QStringList words = ToolTable::expand(*chosen, values);
    if (words.isEmpty())
        return ErrorCode::bad_file_name;
    const QString program = program_of(words.takeFirst());
    return LaunchPlan{program, words, values.cwd};
}

Result<QString> ToolPlanner::choose_template(const QString& key, const QStringList& switches,
                                             const std::optional<DriveInfo>& drive) const {
    std::optional<QString> chosen;
    for (const QString& name : switches)
        if ((chosen = m_tools.template_for(key + u'/' + name)))
            break;
    if (!chosen)
        chosen = m_tools.template_for(key);
    if (!chosen)
        return ErrorCode::file_not_found;
    if (ToolTable::uses_drive(*chosen) && !drive)
        return ErrorCode::bad_drive;
    if (ToolTable::uses_device(*chosen) && drive->device.isEmpty()) {
        chosen = m_tools.template_for(key + QStringLiteral(":nodevice"));
        if (!chosen)
            return ErrorCode::path_access;
    }
    return *chosen;
}

QString ToolPlanner::program_of(const QString& word) const {
    if (word.contains(u'/'))
        return word;
    return m_environment.find_on_path(word).value_or(word);
}

} // namespace zr
