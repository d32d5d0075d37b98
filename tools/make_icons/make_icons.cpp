// Build-time tool: makes the PNG sizes a desktop asks for, 16 and 32 from the two hand-drawn XPM
// icons and the larger ones from the scalable drawing of the same flag, and a Windows .ico holding
// both XPM drawings and the 48 and 256 pixel renderings, which Windows shows on screens of high
// density and in its large icon views.
//
//   make_icons <16x16.xpm> <32x32.xpm> <scalable.svg> <output directory>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

bool Fail(const QString& message) {
    std::fprintf(stderr, "make_icons: %s\n", qPrintable(message));
    return false;
}

bool WritePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    return writer.write(image) || Fail(path + ": " + writer.errorString());
}

constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;
constexpr int OffsetField = 12;

// Qt's ico writer stores one image per file; each such file is a 6-byte header, one 16-byte
// directory entry and the image data. Joining them means one header, all entries, all data,
// with each entry's data offset moved.
QByteArray JoinIcoFiles(const QList<QByteArray>& files) {
    QByteArray header(HeaderSize, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2); // type: icon
    qToLittleEndian<quint16>(static_cast<quint16>(files.size()), header.data() + 4);
    QByteArray entries;
    QByteArray data;
    const qsizetype dataStart = HeaderSize + EntrySize * files.size();
    for (const QByteArray& file : files) {
        QByteArray entry = file.mid(HeaderSize, EntrySize);
        const quint32 offset = qFromLittleEndian<quint32>(entry.constData() + OffsetField);
        qToLittleEndian<quint32>(static_cast<quint32>(dataStart + data.size()),
                                 entry.data() + OffsetField);
        entries += entry;
        data += file.mid(offset);
    }
    return header + entries + data;
}

// Windows reads the 256-pixel image as PNG data, a fifteenth of the bitmap Qt would write; its
// directory entry gives the width and height of 256 as 0.
QByteArray PngIcoFile(const QByteArray& png) {
    QByteArray file(HeaderSize + EntrySize, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2); // type: icon
    qToLittleEndian<quint16>(1, file.data() + 4); // one image
    char* entry = file.data() + HeaderSize;
    qToLittleEndian<quint16>(1, entry + 4);  // colour planes
    qToLittleEndian<quint16>(32, entry + 6); // bits per pixel
    qToLittleEndian<quint32>(static_cast<quint32>(png.size()), entry + 8);
    qToLittleEndian<quint32>(HeaderSize + EntrySize, entry + OffsetField);
    return file + png;
}

bool WriteIco(const QList<QImage>& images, const QString& path) {
    QList<QByteArray> files;
    for (const QImage& image : images) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const bool png = image.width() >= 256;
        QImageWriter writer(&buffer, png ? "png" : "ico");
        if (!writer.write(image))
            return Fail(path + ": " + writer.errorString());
        files.append(png ? PngIcoFile(bytes) : bytes);
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(JoinIcoFiles(files)) < 0)
        return Fail(path + ": " + out.errorString());
    return true;
}

// Drawn at each size from the vectors, the larger icons stay sharp where an enlarged 32x32 drawing
// would show its pixels as blocks.
QImage Rendered(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

bool MakeIcons(const QString& small, const QString& large, const QString& scalable,
               const QDir& out) {
    const QImage image16(small);
    const QImage image32(large);
    if (image16.size() != QSize(16, 16))
        return Fail(small + ": not a 16x16 image");
    if (image32.size() != QSize(32, 32))
        return Fail(large + ": not a 32x32 image");
    if (!WritePng(image16, out.filePath("quorvel-16.png")) ||
        !WritePng(image32, out.filePath("quorvel-32.png")))
        return false;
    QSvgRenderer renderer(scalable);
    if (!renderer.isValid())
        return Fail(scalable + ": not a drawing that can be rendered");
    QList<QImage> ico{image16, image32};
    for (int size : {48, 64, 128, 256}) {
        const QImage image = Rendered(renderer, size);
        if (!WritePng(image, out.filePath(QStringLiteral("quorvel-%1.png").arg(size))))
            return false;
        if (size == 48 || size == 256)
            ico.append(image);
    }
    return WriteIco(ico, out.filePath("quorvel.ico"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fputs("usage: make_icons <16x16.xpm> <32x32.xpm> <scalable.svg> <output directory>\n",
                   stderr);
        return 2;
    }
    QDir out(arguments[4]);
    if (!out.mkpath(QStringLiteral(".")))
        return Fail(arguments[4] + ": cannot create") ? 0 : 1;
    return MakeIcons(arguments[1], arguments[2], arguments[3], out) ? 0 : 1;
}
