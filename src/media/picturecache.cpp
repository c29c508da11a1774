#include "media/picturecache.h"

#include "platform/pictures.h"

#include <QFileInfo>
#include <QPainter>

namespace zelvo {

namespace {

QImage capped(const QImage &image, int side)
{
    if (image.width() <= side && image.height() <= side)
        return image;
    return image.copy(0, 0, std::min(image.width(), side), std::min(image.height(), side));
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
    if (it != m_entries.end() && it->modified == modified && it->size == size)
        return it->image;
    ++m_decodes;
    Entry e{modified, size, prepared(loadPicture(path), kind)};
    m_entries.insert(key, e);
    return e.image;
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
