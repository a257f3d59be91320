#include "program_resolver.h"

#include "command_line_text.h"
#include "launch_environment.h"

namespace zr {

namespace {
// The programs of ours that an installation may only have beside the running executable.
bool has_copy_beside_executable(const QString& stem) {
    return stem == u"zrtask" || stem == u"zrguide" || stem == u"volgraph";
}
} // namespace

ProgramResolver::ProgramResolver(const LaunchEnvironment& environment)
    : m_environment(environment) {}

std::optional<QString> ProgramResolver::resolve(const QString& word) const {
    if (auto found = find(word, Need::program))
        return found;
    const QString stem = without_program_extension(word);
    if (stem != word)
        if (auto found = find(stem, Need::program))
            return found;
    return find_beside_executable(word);
}

std::optional<QString> ProgramResolver::resolve_exact_file(const QString& word) const {
    return find(word, Need::any_file);
}

std::optional<QString> ProgramResolver::find(const QString& word, Need need) const {
    if (word.isEmpty())
        return std::nullopt;
    if (is_drive_path(word)) {
        const std::optional<QString> host = m_environment.to_host(word);
        if (host && fits(*host, need))
            return host;
        return std::nullopt;
    }
    const QString local = m_environment.current_folder() + u'/' + word;
    if (fits(local, need))
        return local;
    if (word.contains(u'/'))
        return std::nullopt;
    return m_environment.find_on_path(word);
}

std::optional<QString> ProgramResolver::find_beside_executable(const QString& word) const {
    const QString stem = without_program_extension(dos_base_name(word)).toLower();
    if (!has_copy_beside_executable(stem))
        return std::nullopt;
    const QString beside = m_environment.executable_folder() + u'/' + stem;
    if (m_environment.is_executable(beside))
        return beside;
    return std::nullopt;
}

bool ProgramResolver::fits(const QString& host_path, Need need) const {
    return need == Need::program ? m_environment.is_executable(host_path)
                                 : m_environment.exists(host_path);
}

} // namespace zr
