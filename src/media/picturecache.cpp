#include "media/picturecache.h"

#include "platform/pictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace zelvo {

namespace {

QImage capped(const QImage &image, int side)
{
    if (image.width() <= side && image.height() <= side)
        return image;
    return image.copy(0, 0, std::min(image.width(), side), std::min(image.height(), side));
}

// A background larger than any window is decoded at a reduced size: a camera's 48-megapixel
// photo then needs neither a second of decoding nor more memory than the decoder allows.
QImage loadBackground(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid())
        return loadPicture(path);
    if (tooLargeToDecode(size))
        return {};
    // Halving steps, which a JPEG decoder takes almost for free.
    int shift = 0;
    while (std::max(size.width(), size.height()) >> shift > PictureCache::kMaxBackgroundSide)
        ++shift;
    if (shift > 0)
        reader.setScaledSize(QSize(std::max(1, size.width() >> shift), std::max(1, size.height() >> shift)));
    return reader.read();
}

QImage prepared(QImage image, PictureCache::Kind kind)
{
    if (image.isNull())
        return image;
    switch (kind) {
    case PictureCache::Kind::Background:
        if (image.width() > PictureCache::kMaxBackgroundSide ||
            image.height() > PictureCache::kMaxBackgroundSide)
            image = image.scaled(PictureCache::kMaxBackgroundSide, PictureCache::kMaxBackgroundSide,
                                 Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return image.convertToFormat(QImage::Format_RGB32);
    case PictureCache::Kind::Plain:
        return capped(image, PictureCache::kMaxShownSide);
    case PictureCache::Kind::Character:
        return whiteToTransparent(capped(image, PictureCache::kMaxShownSide));
    }
    return image;
}

} // namespace

QImage PictureCache::get(const QString &path, Kind kind)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    const QString key = QString::number(int(kind)) + u':' + info.absoluteFilePath();
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    auto it = m_entries.find(key);
    if (it != m_entries.end() && it->modified == modified && it->size == size) {
        it->used = true;
        return it->image;
    }
    ++m_decodes;
    const QImage decoded = kind == Kind::Background ? loadBackground(path) : loadPicture(path);
    Entry e{modified, size, prepared(decoded, kind)};
    m_entries.insert(key, e);
    return e.image;
}

void PictureCache::sweep()
{
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (!it->used) {
            it = m_entries.erase(it);
        } else {
            it->used = false;
            ++it;
        }
    }
}

QImage stretchedBackground(const QImage &source, const QSize &size)
{
    if (source.isNull() || size.isEmpty())
        return {};
    if (source.size() == size)
        return source.convertToFormat(QImage::Format_RGB32);
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace zelvo
