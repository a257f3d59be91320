#include "type_store.h"

#include "type_description.h"

#include "common/dos_fs.h"
#include "common/file_attributes.h"

namespace zr {

namespace {

const QString type_suffix = QStringLiteral(".flt");

QString description_of(const QString& file_name) {
    return file_name.left(file_name.size() - type_suffix.size());
}

} // namespace

RegisteredTypes TypeStore::load_table() const {
    RegisteredTypes table;
    const Result<QList<DirEntry>> entries = m_fs.enumerate(pattern(), attr::normal);
    if (!entries)
        return table;
    const qsizetype taken = std::min(entries->size(), RegisteredTypes::capacity);
    for (qsizetype i = 0; i < taken; ++i) {
        const DirEntry& entry = entries->at(i);
        if (entry.is_special || entry.size > TypeFile::max_file_size)
            continue;
        const Result<QByteArray> bytes = m_fs.read_file(m_program_dir + entry.name);
        if (!bytes)
            continue;
        const Result<TypeFile> file = TypeFile::parse(*bytes);
        if (file)
            table.append({file->extension, description_of(entry.name), file->icon_key});
    }
    return table;
}

QStringList TypeStore::descriptions() const {
    QStringList names;
    const Result<QList<DirEntry>> entries = m_fs.enumerate(pattern(), attr::normal);
    if (entries)
        for (const DirEntry& entry : *entries)
            names.append(description_of(entry.name));
    return names;
}

Result<TypeFile> TypeStore::read(const QString& description) const {
    const Result<QString> path = file_path(description);
    if (!path)
        return path.error();
    const Result<std::int64_t> length = m_fs.file_length(*path);
    if (!length)
        return length.error();
    if (*length > TypeFile::max_file_size)
        return ErrorCode::bad_file_format;
    const Result<QByteArray> bytes = m_fs.read_file(*path);
    if (!bytes)
        return bytes.error();
    return TypeFile::parse(*bytes);
}

Status TypeStore::register_type(const QString& extension, const QString& description,
                                const QString& program, const QString& icon_key) {
    const Result<QString> path = file_path(description);
    if (!path)
        return path.error();
    const TypeFile file{extension, TypeFile::stored_program(program), icon_key};
    return m_fs.write_file(*path, file.bytes());
}

Status TypeStore::set_icon(const QString& description, const QString& icon_key) {
    Result<TypeFile> file = read(description);
    if (!file)
        return file.error();
    file.value().icon_key = icon_key;
    return m_fs.write_file(*file_path(description), file->bytes());
}

Status TypeStore::remove(const QString& description) {
    const Result<QString> path = file_path(description);
    if (!path)
        return path.error();
    return m_fs.remove_file(*path);
}

Result<QString> TypeStore::file_path(const QString& description) const {
    if (!is_acceptable_type_description(description))
        return ErrorCode::bad_file_name;
    return m_program_dir + description + type_suffix;
}

QString TypeStore::pattern() const {
    return m_program_dir + QStringLiteral("*") + type_suffix;
}

} // namespace zr
