#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

namespace zelvo {

// Theme pictures decoded once per file version, so that a resize only rescales.
class PictureCache
{
public:
    enum class Kind
    {
        Background, // back.jpg: kept at most kMaxBackgroundSide on a side, it is only ever stretched
        Plain,      // box.jpg: shown unscaled
        Character   // chara*.png: white drawn transparent
    };

    // Null when the file is missing or cannot be decoded; a file that failed is not
    // decoded again until it changes.
    QImage get(const QString &path, Kind kind);

    // Forgets the pictures not asked for since the last sweep: those of a theme left behind.
    void sweep();

    // How many files were decoded so far (not served from the cache), and how many are kept.
    int decodes() const { return m_decodes; }
    int kept() const { return int(m_entries.size()); }

    // No window is larger than this; shrinking a bigger source once keeps rescaling fast.
    static constexpr int kMaxBackgroundSide = 4096;
    // A picture shown at its own size is cut at its element's edges; keeping more is waste.
    static constexpr int kMaxShownSide = 4096;

private:
    struct Entry
    {
        QDateTime modified;
        qint64 size = -1;
        QImage image;
        bool used = true;
    };
    QHash<QString, Entry> m_entries;
    int m_decodes = 0;
};

// The background picture: the whole source stretched to exactly size, 32 bits per pixel.
QImage stretchedBackground(const QImage &source, const QSize &size);

} // namespace zelvo
