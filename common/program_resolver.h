#pragma once

#include <QString>

#include <optional>

namespace zr {

class LaunchEnvironment;

// Finds the host program a word of a command line names, searching as the system searches:
// a drive path where it points, a bare name in the current folder and then on the search path.
class ProgramResolver {
public:
    explicit ProgramResolver(const LaunchEnvironment& environment);

    // The program with the fallbacks: "name" for "name.exe"/".com"/".bat", and our own
    // programs beside the running executable. Empty when none of them exists.
    std::optional<QString> resolve(const QString& word) const;
    // A file of exactly that name where the word points; empty when there is none.
    std::optional<QString> resolve_exact_file(const QString& word) const;

private:
    enum class Need { program, any_file };
    std::optional<QString> find(const QString& word, Need need) const;
    std::optional<QString> find_beside_executable(const QString& word) const;
    bool fits(const QString& host_path, Need need) const;

    const LaunchEnvironment& m_environment;
};

} // namespace zr
