#include "icon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <vector>

#include "art.h"

namespace datagen {
namespace {

constexpr int kSizes[] = {16, 32, 48};

QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    programMark(p, QRectF(0.5, 0.5, size - 1, size - 1), colour::accent, Qt::white);
    return image;
}

void put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One image as an icon holds it: a bitmap header of twice the height (the colour rows and
// the mask's), the blue, green, red and alpha rows from the bottom, then the mask, all clear
// (the alpha decides).
QByteArray iconEntry(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    const int maskRow = ((w + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, quint32(w * h * 4 + maskRow * h));
    for (int i = 0; i < 4; ++i) put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            out.append(char(qAlpha(c)));
        }
    }
    out.append(QByteArray(maskRow * h, '\0'));
    return out;
}

}  // namespace

QByteArray programIcon() {
    std::vector<QByteArray> entries;
    for (int size : kSizes) entries.push_back(iconEntry(iconImage(size)));
    QByteArray out;
    put16(out, 0);
    put16(out, 1);  // an icon
    put16(out, quint16(entries.size()));
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        out.append(char(kSizes[i])).append(char(kSizes[i])).append('\0').append('\0');
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(entries[i].size()));
        put32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& entry : entries) out.append(entry);
    return out;
}

bool writeProgramIcon(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(programIcon()) < 0 || !file.flush()) {
        if (error) *error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return true;
}

bool writeDesktopIcons(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("cannot make ") + folder;
        return false;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder + QStringLiteral("/lun4-%1.png").arg(size);
        if (!iconImage(size).save(path, "PNG")) {
            if (error) *error = QStringLiteral("cannot write ") + path;
            return false;
        }
    }
    return true;
}

}  // namespace datagen
