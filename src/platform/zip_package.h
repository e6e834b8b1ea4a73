#pragma once
// The few zip operations a word processor's package needs: listing the files of a package
// written by Qt's document writer, and writing a package back. Files are written stored
// (uncompressed), which every reader of packages accepts and the first file of an
// OpenDocument package ("mimetype") has to be anyway.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace lun4::platform {

struct ZipEntry {
    QString name;
    QByteArray data;
};

// The files of a zip archive in their order, stored or deflated; nothing when the bytes are
// not a zip archive this can read.
std::optional<std::vector<ZipEntry>> readZip(const QByteArray& archive);

// A zip archive of `entries` in their order, every file stored.
QByteArray writeZip(const std::vector<ZipEntry>& entries);

}  // namespace lun4::platform
