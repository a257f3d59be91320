#pragma once

#include "registered_types.h"
#include "type_file.h"

#include "common/result.h"

#include <QStringList>

namespace zr {

class DosFs;

// The registered types as files in the program directory: one "<description>.flt" each.
class TypeStore {
public:
    TypeStore(DosFs& fs, QString program_dir) : m_fs(fs), m_program_dir(std::move(program_dir)) {}

    // The table for one listing: the first 1024 type files in directory order, each read
    // once; a file that is too large, unreadable or not three lines long takes its place
    // among the 1024 but adds no type.
    RegisteredTypes load_table() const;
    // The descriptions of all type files in directory order; empty when none can be listed.
    QStringList descriptions() const;
    // The type's file; bad_file_name for a description that is no plain file name.
    Result<TypeFile> read(const QString& description) const;

    // Creates or overwrites the type's file, the program stored with a trailing "\".
    // bad_file_name, writing nothing, for a description that is no plain file name.
    Status register_type(const QString& extension, const QString& description,
                         const QString& program, const QString& icon_key);
    // Rewrites line 3 of an existing type file; the file's error when it cannot be read.
    Status set_icon(const QString& description, const QString& icon_key);
    // Deletes the type's file; file_not_found when it is already gone.
    Status remove(const QString& description);

private:
    Result<QString> file_path(const QString& description) const;
    QString pattern() const;

    DosFs& m_fs;
    QString m_program_dir; // ends in "\"
};

} // namespace zr
