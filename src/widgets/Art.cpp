#include "Art.h"

#include <QImage>
#include <QImageReader>
#include <future>
#include <map>
#include <sys/mman.h>
#include <utility>

namespace vlnobrod::art {

namespace {

// A large picture's memory, taken from the system in one go: written row by row it would
// otherwise be handed over a page at a time, one page fault each (some 470 for the menu's
// background). Null when the system has none to give; the reader then makes its own.
QImage PicturePlace(const QSize& size, QImage::Format format) {
    constexpr qsizetype Large = 256 * 1024;
    if (!size.isValid() || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        return {};
    const qsizetype bytesPerLine = qsizetype{size.width()} * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine * size.height());
    if (static_cast<qsizetype>(bytes) < Large)
        return {};
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED)
        return {};
    const auto release = [](void* info) {
        const auto* place = static_cast<std::pair<void*, std::size_t>*>(info);
        munmap(place->first, place->second);
        delete place;
    };
    return QImage(static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine, format,
                  release, new std::pair<void*, std::size_t>(memory, bytes));
}

QImage Decode(const QString& name) {
    // Read as the PNG it is: a reader left to guess would first ask every image plugin
    // whether it can read the file, loading them all (and their libraries) at start-up.
    QImageReader reader(QStringLiteral(":/art/") + name + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    QImage decoded = PicturePlace(reader.size(), reader.imageFormat());
    if (!reader.read(&decoded))
        return {};
    return decoded;
}

// Pictures being decoded on another thread, by name; only the GUI thread asks and takes.
std::map<QString, std::future<QImage>>& Ahead() {
    static std::map<QString, std::future<QImage>> ahead;
    return ahead;
}

} // namespace

void DecodeAhead(const QString& name) {
    auto& ahead = Ahead();
    if (!ahead.contains(name))
        ahead.emplace(name, std::async(std::launch::async, Decode, name));
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
    // converted copy beside it (the menu's background alone is 1.9 MB).
    return QPixmap::fromImage(std::move(decoded));
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
