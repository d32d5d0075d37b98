// Build-time tool: turns the two hand-drawn XPM icons into the PNG sizes a desktop asks for and
// a Windows .ico holding both drawings.
//
//   make_icons <16x16.xpm> <32x32.xpm> <output directory>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QList>
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

// Qt's ico writer stores one image per file; each such file is a 6-byte header, one 16-byte
// directory entry and the image data. Joining them means one header, all entries, all data,
// with each entry's data offset moved.
QByteArray JoinIcoFiles(const QList<QByteArray>& files) {
    constexpr int HeaderSize = 6;
    constexpr int EntrySize = 16;
    constexpr int OffsetField = 12;
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

bool WriteIco(const QList<QImage>& images, const QString& path) {
    QList<QByteArray> files;
    for (const QImage& image : images) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "ico");
        if (!writer.write(image))
            return Fail(path + ": " + writer.errorString());
        files.append(bytes);
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(JoinIcoFiles(files)) < 0)
        return Fail(path + ": " + out.errorString());
    return true;
}

bool MakeIcons(const QString& small, const QString& large, const QDir& out) {
    const QImage image16(small);
    const QImage image32(large);
    if (image16.size() != QSize(16, 16))
        return Fail(small + ": not a 16x16 image");
    if (image32.size() != QSize(32, 32))
        return Fail(large + ": not a 32x32 image");
    if (!WritePng(image16, out.filePath("quorvel-16.png")) ||
        !WritePng(image32, out.filePath("quorvel-32.png")))
        return false;
    // Larger sizes repeat each pixel of the 32x32 drawing, so they stay as crisp as it is.
    for (int size : {48, 64, 128, 256}) {
        const QImage scaled =
            image32.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!WritePng(scaled, out.filePath(QStringLiteral("quorvel-%1.png").arg(size))))
            return false;
    }
    return WriteIco({image16, image32}, out.filePath("quorvel.ico"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: make_icons <16x16.xpm> <32x32.xpm> <output directory>\n", stderr);
        return 2;
    }
    QDir out(arguments[3]);
    if (!out.mkpath(QStringLiteral(".")))
        return Fail(arguments[3] + ": cannot create") ? 0 : 1;
    return MakeIcons(arguments[1], arguments[2], out) ? 0 : 1;
}
