#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace zelvo {

// The area of the prize photo canvas: photos show unscaled from their top-left corner.
inline constexpr QSize kPrizePhotoSize(280, 200);

// The part of a photo the stage can show, at most its top-left 280 × 200 pixels. A JPEG is
// decoded only down to row 200, so a camera image costs a fraction of a full decode and
// memory for the corner alone. Null when the file is missing, no picture or far too large.
QImage loadPrizePhoto(const QString &path);

// Decodes a catalogue's photos in a worker thread and hands each one to the GUI thread,
// so a folder of large photos does not hold up the opening. A photo asked for before the
// worker has delivered it is decoded there and then, so what the stage shows never depends
// on how far the worker has come.
class PhotoShelf : public QObject
{
public:
    PhotoShelf() = default;
    ~PhotoShelf() override;

    // Fills *into, resized to one empty entry per path, as photos arrive. An earlier load
    // still running is abandoned. into must outlive the shelf or the next load.
    void load(QList<QImage> *into, const QStringList &paths);
    // Entry index of the list, decoded now if it has not arrived yet.
    QImage photo(int index);
    // Photos not decoded yet.
    int pending() const { return m_pending; }

private:
    struct Job
    {
        QStringList paths;
        std::atomic<bool> cancelled{false};
    };

    void deliver(const Job *job, int index, const QImage &image);
    void stopWorker();

    QList<QImage> *m_into = nullptr;
    QStringList m_paths;
    std::vector<bool> m_ready;
    int m_pending = 0;
    std::shared_ptr<Job> m_job;
    std::thread m_worker;
};

} // namespace zelvo
