#include "platform/qt/qt_settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace lun4::platform {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

std::filesystem::path settingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return std::filesystem::path(folder.toStdU16String()) / "ustawienia.ini";
}

QtSettings::QtSettings() : QtSettings(settingsFile()) {}

QtSettings::QtSettings(const std::filesystem::path& file) {
    const QString name = QString::fromStdU16String(file.u16string());
    store_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    if (store_->status() == QSettings::FormatError) {
        // A damaged file is kept for whoever wants to look at it, never read again.
        store_.reset();
        const QString aside = name + QStringLiteral(".uszkodzony");
        QFile::remove(aside);
        QFile::rename(name, aside);
        store_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    }
}

QtSettings::~QtSettings() = default;

std::string QtSettings::value(std::string_view key) const {
    if (const auto kept = values_.find(key); kept != values_.end()) return kept->second;
    const QVariant stored = store_->value(fromUtf8(key));
    return stored.typeId() == QMetaType::QString ? stored.toString().toStdString() : std::string();
}

void QtSettings::setValue(std::string_view key, std::string_view text) {
    values_.insert_or_assign(std::string(key), std::string(text));
    store_->setValue(fromUtf8(key), fromUtf8(text));
    store_->sync();
}

}  // namespace lun4::platform
