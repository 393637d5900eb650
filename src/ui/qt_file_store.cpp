#include "ui/qt_file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

platform::FileStore::Reading QtFileStore::read(const std::string& path, std::size_t limit) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir()) {
        return {Status::Folder, {}, {}};
    }
    if (!info.exists()) {
        return {Status::Missing, {}, {}};
    }
    QFile file(name);
    // Reading stops one byte past the limit: enough to know a file is too large.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        return {Status::Refused,
                {},
                info.isFile() ? file.errorString().toStdString() : "not an ordinary file"};
    }
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError) {
        return {Status::Refused, {}, file.errorString().toStdString()};
    }
    if (static_cast<std::size_t>(bytes.size()) > limit) {
        return {Status::TooLarge, {}, {}};
    }
    return {Status::Read, bytes.toStdString(), {}};
}

std::string QtFileStore::write(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    const auto size = static_cast<qint64>(bytes.size());
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size &&
        file.commit()) {
        return {};
    }
    const std::string reason = file.errorString().toStdString();
    return reason.empty() ? "the file could not be written" : reason;
}
