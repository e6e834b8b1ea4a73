#pragma once
// The run folder being written: Windows bitmaps, JPEG pages under their own extension, and
// the bitmaps kept in memory so that later pictures can be composed over earlier ones.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <array>

namespace datagen {

// 24 bits per pixel, bottom-up rows padded to 4 bytes, no colour table.
QByteArray encodeBmp24(const QImage& image);

// Normal, hover and pressed images of one button.
using ButtonImages = std::array<QImage, 3>;

class Output {
  public:
    explicit Output(QString root);

    // Creates every folder the program expects, also the empty examinee folder.
    bool makeFolders();
    void bmp(const QString& relativePath, const QImage& image);
    // Writes base + "_n.bmp", "_o.bmp", "_p.bmp".
    void button(const QString& relativeBase, const ButtonImages& images);
    // A baseline JFIF file, whatever the extension (".asd" pages, ".jpg" aids).
    void jpeg(const QString& relativePath, const QImage& image);

    // A bitmap written earlier in this run (empty when there is none).
    QImage image(const QString& relativePath) const { return kept_.value(relativePath); }
    const QString& root() const { return root_; }
    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }
    int fileCount() const { return files_; }

  private:
    void write(const QString& relativePath, const QByteArray& bytes);

    QString root_;
    QString error_;
    QHash<QString, QImage> kept_;
    int files_ = 0;
};

}  // namespace datagen
