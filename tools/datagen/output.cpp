#include "output.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

namespace datagen {
namespace {

void put16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray encodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(stride) * quint32(h);
    QByteArray out;
    out.reserve(int(54 + pixelBytes));
    // BITMAPFILEHEADER
    out.append("BM", 2);
    put32(out, 54 + pixelBytes);
    put32(out, 0);
    put32(out, 54);
    // BITMAPINFOHEADER: positive height means bottom-up rows.
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // BI_RGB
    put32(out, pixelBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    QByteArray row(stride, '\0');
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* d = row.data();
        for (int x = 0; x < w; ++x) {
            *d++ = char(qBlue(line[x]));
            *d++ = char(qGreen(line[x]));
            *d++ = char(qRed(line[x]));
        }
        out.append(row);
    }
    return out;
}

Output::Output(QString root) : root_(std::move(root)) {}

bool Output::makeFolders() {
    QDir dir(root_);
    for (const char* sub : {"Data/BMP/Zad", "Data/BMP/Klu", "Data/BMP/Pom", "Pomoce", "pacjenci"}) {
        if (!dir.mkpath(QString::fromLatin1(sub))) {
            error_ =
                QStringLiteral("cannot create folder %1/%2").arg(root_, QString::fromLatin1(sub));
            return false;
        }
    }
    return true;
}

void Output::write(const QString& relativePath, const QByteArray& bytes) {
    if (failed()) return;
    const QString path = root_ + QLatin1Char('/') + relativePath;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        error_ = QStringLiteral("cannot write %1").arg(path);
        return;
    }
    ++files_;
}

void Output::bmp(const QString& relativePath, const QImage& image) {
    kept_.insert(relativePath, image);
    write(relativePath, encodeBmp24(image));
}

void Output::button(const QString& relativeBase, const ButtonImages& images) {
    bmp(relativeBase + QStringLiteral("_n.bmp"), images[0]);
    bmp(relativeBase + QStringLiteral("_o.bmp"), images[1]);
    bmp(relativeBase + QStringLiteral("_p.bmp"), images[2]);
}

void Output::jpeg(const QString& relativePath, const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        error_ = QStringLiteral("cannot encode %1: %2").arg(relativePath, writer.errorString());
        return;
    }
    write(relativePath, buffer.data());
}

}  // namespace datagen
