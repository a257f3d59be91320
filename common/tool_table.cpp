#include "tool_table.h"

#include "command_line_text.h"
#include "settings_store.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace zr {

namespace {

struct BuiltInTool {
    const char* key;
    const char* words;
};

// Kept in step with the list above the class.
const BuiltInTool built_in_tools[] = {
    {"format.com", "mkfs.vfat -c {device}"},
    {"format.com/q", "mkfs.vfat {device}"},
    {"label.exe", "fatlabel -- {device} {label}"},
    {"scandskw.exe", "x-terminal-emulator -e fsck -n {device}"},
    {"scandskw.exe:nodevice", "x-terminal-emulator"},
    {"defrag.exe", "x-terminal-emulator -e whiptail --title Defragmentierung --msgbox "
                   "\"Dieses Dateisystem muss nicht defragmentiert werden.\" 10 60"},
    {"dos.exe", "x-terminal-emulator"},
    {"st5unst.exe", "{program_dir}/uninstall-tool {args}"},
};

const char* const tool_names[] = {"format.com", "label.exe", "scandskw.exe",
                                  "defrag.exe", "dos.exe",   "st5unst.exe"};

std::optional<QString> value_of(QStringView name, const ToolValues& values) {
    if (name == u"drive")
        return values.drive;
    if (name == u"device")
        return values.device;
    if (name == u"mount")
        return values.mount;
    if (name == u"label")
        return values.label;
    if (name == u"cwd")
        return values.cwd;
    if (name == u"program_dir")
        return values.program_dir;
    return std::nullopt;
}

// One pass, so that a value holding "{...}" is never expanded again.
QString put_in(const QString& word, const ToolValues& values) {
    QString result;
    qsizetype position = 0;
    while (position < word.size()) {
        const qsizetype close = word.indexOf(u'}', position);
        if (close < 0) {
            result += QStringView(word).mid(position);
            break;
        }
        const qsizetype open = word.lastIndexOf(u'{', close);
        if (open < position) {
            result += QStringView(word).mid(position, close + 1 - position);
            position = close + 1;
            continue;
        }
        result += QStringView(word).mid(position, open - position);
        const std::optional<QString> value =
            value_of(QStringView(word).mid(open + 1, close - open - 1), values);
        result += value ? *value : QStringView(word).mid(open, close - open + 1).toString();
        position = close + 1;
    }
    return result;
}

bool is_single_placeholder(const QString& word) {
    return word.startsWith(u'{') && word.endsWith(u'}') && word.count(u'{') == 1;
}

} // namespace

ToolTable::ToolTable(const SettingsStore& settings) : m_settings(settings) {}

bool ToolTable::is_tool(const QString& base_name) {
    const QString name = base_name.toLower();
    return std::any_of(std::begin(tool_names), std::end(tool_names),
                       [&](const char* tool) { return name == QLatin1String(tool); });
}

bool ToolTable::needs_removable_drive(const QString& tool) {
    return tool.compare(QLatin1String("format.com"), Qt::CaseInsensitive) == 0;
}

std::optional<QString> ToolTable::template_for(const QString& key) const {
    const QString configured = m_settings.get(QStringLiteral("tools"), key).trimmed();
    if (!configured.isEmpty())
        return configured;
    for (const BuiltInTool& tool : built_in_tools)
        if (key.compare(QLatin1String(tool.key), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(tool.words);
    return std::nullopt;
}

bool ToolTable::uses_drive(const QString& tool_template) {
    return tool_template.contains(QLatin1String("{drive}")) ||
           tool_template.contains(QLatin1String("{mount}")) || uses_device(tool_template);
}

bool ToolTable::uses_device(const QString& tool_template) {
    return tool_template.contains(QLatin1String("{device}"));
}

QStringList ToolTable::expand(const QString& tool_template, const ToolValues& values) {
    QStringList words;
    for (const QString& word : split_words(tool_template)) {
        if (word == u"{args}") {
            words << values.args;
            continue;
        }
        const QString filled = put_in(word, values);
        if (filled.isEmpty() && is_single_placeholder(word))
            continue;
        words << filled;
    }
    return words;
}

} // namespace zr
