#include "ini_settings_store.h"

#include "common/ini_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zr {

namespace {

QStringList split_file_lines(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Holds an exclusive lock on the store's lock file for as long as it lives.
class WriteLock {
public:
    explicit WriteLock(const QString& store_path) {
        const QByteArray lock_path = QFile::encodeName(store_path + QStringLiteral(".lock"));
        m_fd = ::open(lock_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~WriteLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace

QString default_settings_file_path() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Zonderel/Zonderel 4.1.ini");
}

IniSettingsStore::IniSettingsStore() : IniSettingsStore(default_settings_file_path()) {}

IniSettingsStore::IniSettingsStore(QString file_path) : m_path(std::move(file_path)) {}

QStringList IniSettingsStore::read_lines() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return split_file_lines(file.readAll());
}

QString IniSettingsStore::get(const QString& section, const QString& key,
                              const QString& fallback) const {
    return ini::find_value(read_lines(), section, key).value_or(fallback);
}

QStringList IniSettingsStore::keys(const QString& section) const {
    return ini::section_keys(read_lines(), section);
}

bool IniSettingsStore::put(const QString& section, const QString& key, const QString& value) {
    if (section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')) ||
        section.contains(QLatin1Char('\n')) || key.contains(QLatin1Char('\n')) ||
        value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return false;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    const WriteLock lock(m_path);
    if (!lock.held())
        return false;
    const QStringList lines = ini::with_value(read_lines(), section, key, value);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

} // namespace zr
