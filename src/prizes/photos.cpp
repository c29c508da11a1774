#include "prizes/photos.h"

#include "platform/pictures.h"

#include <QImageReader>
#include <QMetaObject>

namespace zelvo {

QImage loadPrizePhoto(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    // The stage shows the stored pixels from the top-left corner, as the operator made them.
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid()) {
        // Even a clipped read of a format that cannot decode a part (PNG) decodes it whole.
        if (tooLargeToDecode(size))
            return {};
        // Only the part inside the picture: a reader that cannot clip would pad the rest.
        reader.setClipRect(QRect(QPoint(0, 0), kPrizePhotoSize).intersected(QRect(QPoint(0, 0), size)));
        return reader.read();
    }
    const QImage whole = reader.read();
    if (whole.isNull())
        return whole;
    return whole.copy(QRect(QPoint(0, 0), kPrizePhotoSize).intersected(whole.rect()));
}

PhotoShelf::~PhotoShelf()
{
    stopWorker();
}

void PhotoShelf::stopWorker()
{
    if (m_job)
        m_job->cancelled = true;
    // The worker stops after the photo it is on; it never touches the shelf's lists.
    if (m_worker.joinable())
        m_worker.join();
    m_job.reset();
}

void PhotoShelf::load(QList<QImage> *into, const QStringList &paths)
{
    stopWorker();
    m_into = into;
    m_paths = paths;
    m_into->clear();
    m_into->resize(paths.size());
    m_ready.assign(size_t(paths.size()), false);
    m_pending = int(paths.size());
    if (paths.isEmpty())
        return;

    auto job = std::make_shared<Job>();
    job->paths = paths;
    m_job = job;
    m_worker = std::thread([this, job] {
        for (qsizetype i = 0; i < job->paths.size(); ++i) {
            if (job->cancelled)
                return;
            const QImage image = loadPrizePhoto(job->paths.at(i));
            if (job->cancelled)
                return;
            // Queued to the shelf's thread; dropped by Qt should the shelf be gone by then.
            QMetaObject::invokeMethod(
                this, [this, job, i, image] { deliver(job.get(), int(i), image); }, Qt::QueuedConnection);
        }
    });
}

void PhotoShelf::deliver(const Job *job, int index, const QImage &image)
{
    if (job != m_job.get() || !m_into || index >= m_into->size() || m_ready[size_t(index)])
        return;
    (*m_into)[index] = image;
    m_ready[size_t(index)] = true;
    --m_pending;
}

QImage PhotoShelf::photo(int index)
{
    if (!m_into || index < 0 || index >= m_into->size() || index >= m_paths.size())
        return {};
    if (!m_ready[size_t(index)]) {
        (*m_into)[index] = loadPrizePhoto(m_paths.at(index));
        m_ready[size_t(index)] = true;
        --m_pending;
    }
    return m_into->at(index);
}

} // namespace zelvo
