#pragma once

#include "common/dos_fs.h"

#include <QDateTime>
#include <gmock/gmock.h>

namespace zr::test {

// A drive layer whose answers each test sets for the calls it cares about.
class MockDosFs : public DosFs {
public:
    MOCK_METHOD(QList<DriveInfo>, drives, (), (const, override));
    MOCK_METHOD(void, refresh_drives, (), (override));
    MOCK_METHOD(std::optional<DriveInfo>, drive, (QChar), (const, override));
    MOCK_METHOD(DriveType, drive_type, (QChar), (const, override));
    MOCK_METHOD(bool, drive_ready, (QChar), (const, override));
    MOCK_METHOD(Result<VolumeInfo>, volume, (QChar), (const, override));
    MOCK_METHOD(Result<QString>, full_path, (const QString&), (const, override));
    MOCK_METHOD(Result<QString>, host_path, (const QString&), (const, override));
    MOCK_METHOD(Result<QString>, host_path_for_reading, (const QString&), (const, override));
    MOCK_METHOD(std::optional<QString>, dos_path, (const QString&), (const, override));
    MOCK_METHOD(QChar, current_drive, (), (const, override));
    MOCK_METHOD(QString, current_directory, (), (const, override));
    MOCK_METHOD(QString, current_directory, (QChar), (const, override));
    MOCK_METHOD(Status, change_drive, (QChar), (override));
    MOCK_METHOD(Status, change_directory, (const QString&), (override));
    MOCK_METHOD(Result<QList<DirEntry>>, enumerate, (const QString&, std::uint32_t),
                (const, override));
    MOCK_METHOD(Result<QStringList>, sorted_folders, (const QString&), (const, override));
    MOCK_METHOD(Result<QStringList>, sorted_files, (const QString&, const QString&),
                (const, override));
    MOCK_METHOD(Result<DirEntry>, entry, (const QString&), (const, override));
    MOCK_METHOD(bool, exists, (const QString&), (const, override));
    MOCK_METHOD(bool, is_folder, (const QString&), (const, override));
    MOCK_METHOD(Result<std::uint32_t>, attributes, (const QString&), (const, override));
    MOCK_METHOD(Status, set_attributes, (const QString&, std::uint32_t), (override));
    MOCK_METHOD(Result<std::int64_t>, file_length, (const QString&), (const, override));
    MOCK_METHOD(Result<QDateTime>, modified, (const QString&), (const, override));
    MOCK_METHOD(Status, set_modified, (const QString&, const QDateTime&), (override));
    MOCK_METHOD(bool, same_file, (const QString&, const QString&), (const, override));
    MOCK_METHOD(bool, may_walk_into, (const QString&), (const, override));
    MOCK_METHOD(Status, make_folder, (const QString&), (override));
    MOCK_METHOD(Status, remove_folder, (const QString&), (override));
    MOCK_METHOD(Status, remove_file, (const QString&), (override));
    MOCK_METHOD(Status, rename, (const QString&, const QString&), (override));
    MOCK_METHOD(Status, copy_file, (const QString&, const QString&), (override));
    MOCK_METHOD(Result<QByteArray>, read_file, (const QString&), (const, override));
    MOCK_METHOD(Status, write_file, (const QString&, const QByteArray&), (override));
    MOCK_METHOD(Status, write_file_atomic, (const QString&, const QByteArray&), (override));
};

} // namespace zr::test
