#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

class SettingsStore;

// What a tool template's placeholders stand for.
struct ToolValues {
    QString drive;       // {drive}: the drive argument as the line gives it, "a:"
    QString device;      // {device}: block device or image behind the drive
    QString mount;       // {mount}: the drive's host folder
    QString label;       // {label}: the label the line gives, else the drive's configured one
    QString cwd;         // {cwd}: the current folder
    QString program_dir; // {program_dir}: the folder of the running executable
    QStringList args;    // {args}: the line's arguments, each one word
};

// The host commands that stand in for the operating system's tools of the system.
//
// Section "tools" of the settings overrides a template: key = the tool's name in lower case,
// value = the words of the command. A template is split into words at blanks outside double
// quotes before anything is put in, so a label or a name is always exactly one word. A word
// that is only a placeholder and comes out empty is left out; a word "{args}" stands for all
// arguments of the line. A variant key applies first when it matches:
// "<tool>/<switch>" when the line carries that switch, "<tool>:nodevice" when the drive has
// no device.
//
//   format.com            mkfs.vfat -c {device}
//   format.com/q          mkfs.vfat {device}
//   label.exe             fatlabel -- {device} {label}
//   scandskw.exe          x-terminal-emulator -e fsck -n {device}
//   scandskw.exe:nodevice x-terminal-emulator
//   defrag.exe            x-terminal-emulator -e whiptail --msgbox "..." 10 60
//   dos.exe               x-terminal-emulator
//   st5unst.exe           {program_dir}/uninstall-tool {args}
//
// format.com works only on a removable drive (type 2) with a device, whatever its template.
class ToolTable {
public:
    explicit ToolTable(const SettingsStore& settings);

    // Whether a program's base name (any case) is one of the tools.
    static bool is_tool(const QString& base_name);
    // Whether the tool may only act on a removable drive that has a device.
    static bool needs_removable_drive(const QString& tool);
    // The settings' template for the key, else the built-in one; empty when neither exists.
    std::optional<QString> template_for(const QString& key) const;
    // Whether the template takes anything from a drive.
    static bool uses_drive(const QString& tool_template);
    static bool uses_device(const QString& tool_template);
    // The template's words with the values put in.
    static QStringList expand(const QString& tool_template, const ToolValues& values);

private:
    const SettingsStore& m_settings;
};

} // namespace zr
