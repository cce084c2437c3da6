#include "Art.h"

#include <QImage>
#include <QImageReader>
#include <cstring>
#include <future>
#include <map>
#include <sys/mman.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace vlnobrod::art {

namespace {

// Pictures of this size and more are decoded into memory of their own (the menu's background).
constexpr qsizetype LargePicture = 256 * 1024;

struct Mapping {
    void* start;
    std::size_t bytes;
};

void Unmap(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->bytes);
    delete mapping;
}

// A large opaque picture is decoded into memory taken from the system in one go (written
// row by row it would otherwise arrive a page at a time, a page fault each: some 470 for the
// menu's background), then packed in place to three bytes a pixel and the freed quarter is
// given back: the background keeps 1.4 MB instead of 1.9 MB, and never two copies at once.
QImage DecodeLarge(QImageReader& reader, const QSize& size) {
    const int width = size.width();
    const int height = size.height();
    const qsizetype fullLine = qsizetype{width} * 4;
    const auto bytes = static_cast<std::size_t>(fullLine * height);
    void* start = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (start == MAP_FAILED) {
        QImage decoded;
        return reader.read(&decoded) ? decoded : QImage();
    }
    auto* base = static_cast<uchar*>(start);
    {
        QImage full(base, width, height, fullLine, QImage::Format_RGB32);
        const bool read = reader.read(&full);
        if (!read || full.constBits() != base || full.format() != QImage::Format_RGB32) {
            // Unread, or read into memory the reader made itself.
            munmap(start, bytes);
            return read ? full : QImage();
        }
    }
    // Each packed row ends before the unread part of its own row and of every row after it.
    const qsizetype packedLine = (qsizetype{width} * 3 + 3) & ~qsizetype{3};
    for (int y = 0; y < height; ++y) {
        const uchar* from = base + y * fullLine;
        uchar* to = base + y * packedLine;
        for (int x = 0; x < width; ++x, from += 4, to += 3) {
            QRgb pixel;
            std::memcpy(&pixel, from, sizeof pixel);
            to[0] = static_cast<uchar>(qRed(pixel));
            to[1] = static_cast<uchar>(qGreen(pixel));
            to[2] = static_cast<uchar>(qBlue(pixel));
        }
    }
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t kept =
        (static_cast<std::size_t>(packedLine * height) + page - 1) / page * page;
    if (kept < bytes)
        munmap(base + kept, bytes - kept);
    return QImage(base, width, height, packedLine, QImage::Format_RGB888, Unmap,
                  new Mapping{start, kept});
}

QImage Decode(const QString& name) {
    // Read as the PNG it is: a reader left to guess would first ask every image plugin
    // whether it can read the file, loading them all (and their libraries) at start-up.
    QImageReader reader(QStringLiteral(":/art/") + name + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (size.isValid() && reader.imageFormat() == QImage::Format_RGB32 &&
        qsizetype{size.width()} * size.height() * 4 >= LargePicture)
        return DecodeLarge(reader, size);
    QImage decoded;
    return reader.read(&decoded) ? decoded : QImage();
}

// Pictures being decoded on another thread, by name; only the GUI thread asks and takes.
std::map<QString, std::future<QImage>>& Ahead() {
    static std::map<QString, std::future<QImage>> ahead;
    return ahead;
}

} // namespace

void DecodeAhead(const QString& name) {
    auto& ahead = Ahead();
    if (ahead.contains(name))
        return;
    try {
        ahead.emplace(name, std::async(std::launch::async, Decode, name));
    } catch (const std::system_error&) {
        // No thread to be had: the picture is decoded when it is asked for.
    }
}

QPixmap Picture(const QString& name) {
    QImage decoded;
    auto& ahead = Ahead();
    if (const auto it = ahead.find(name); it != ahead.end()) {
        decoded = it->second.get();
        ahead.erase(it);
    } else {
        decoded = Decode(name);
    }
    if (decoded.isNull())
        return {};
    // Handed over in place: the pixmap takes the decoded picture's memory rather than a
    // converted copy beside it; a packed picture stays packed.
    const Qt::ImageConversionFlags flags =
        decoded.format() == QImage::Format_RGB888 ? Qt::NoFormatConversion : Qt::AutoColor;
    return QPixmap::fromImage(std::move(decoded), flags);
}

QFont HeavyFont(double points) {
    QFont f(QStringLiteral("Arial Black"));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Black);
    f.setPointSizeF(points);
    return f;
}

QCursor HandCursor() {
    // Decoded once and shared by every control that shows it (a window has dozens). Kept
    // to the end of the program: a cursor must not outlive the display it was made for.
    static const QCursor* const hand = [] {
        const QPixmap picture = Picture(QStringLiteral("cursor_hand"));
        if (picture.isNull())
            return new QCursor(Qt::PointingHandCursor);
        // The fingertip is the hot spot.
        return new QCursor(picture, 8, 2);
    }();
    return *hand;
}

} // namespace vlnobrod::art
