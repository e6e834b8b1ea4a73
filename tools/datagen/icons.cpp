// The program's icon for the desktop: PNG files in the sizes a freedesktop icon theme keeps
// (hicolor), and one Windows icon file holding several sizes for the shortcut and the
// program file. The mark is the window's own: a teal tile with three rising bars.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "generator.h"

namespace datagen {
namespace {

QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
    p.fillPath(tile, QColor(38, 112, 122));
    const double unit = size / 16.0;
    const double heights[3] = {4, 7, 10};
    for (int i = 0; i < 3; ++i) {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(unit * (4 + 3 * i), unit * (12.5 - heights[i]), unit * 1.8,
                                  unit * heights[i]),
                           unit * 0.9, unit * 0.9);
        p.fillPath(bar, Qt::white);
    }
    return image;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void put16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 v) {
    put16(out, int(v & 0xFFFF));
    put16(out, int(v >> 16));
}

// An icon file whose images are PNG streams, which every Windows since Vista reads.
QByteArray icoFile(const std::initializer_list<int>& sizes) {
    QList<QByteArray> images;
    for (int size : sizes) images.append(png(iconImage(size)));
    QByteArray out;
    put16(out, 0);
    put16(out, 1);  // an icon
    put16(out, int(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    int i = 0;
    for (int size : sizes) {
        out.append(char(size >= 256 ? 0 : size));  // 0 stands for 256
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0));  // no palette
        out.append(char(0));
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, quint32(images[i].size()));
        put32(out, offset);
        offset += quint32(images[i].size());
        ++i;
    }
    for (const QByteArray& image : images) out.append(image);
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    *error = QStringLiteral("cannot write ") + path;
    return false;
}

}  // namespace

bool writeIcons(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot make ") + folder;
        return false;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (!writeFile(folder + QStringLiteral("/lun4-%1.png").arg(size), png(iconImage(size)), error)) {
            return false;
        }
    }
    return writeFile(folder + QStringLiteral("/lun4.ico"), icoFile({16, 24, 32, 48, 256}), error);
}

}  // namespace datagen
