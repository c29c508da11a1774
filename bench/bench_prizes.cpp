// How long loading the prize catalogue holds up the stage, how long its photos take to
// arrive, and what they cost in memory: a handful of stage-sized photos, then many
// camera-sized ones.  Usage: bench_prizes [number of large photos, 300 by default]
#include "platform/pictures.h"
#include "prizes/catalog.h"
#include "prizes/photos.h"
#include "support/teststage.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace zelvo;
using namespace zelvo::test;

namespace {

long statusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Starts a new peak of resident memory (Linux); returns the resident memory now.
long resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
    return statusKb("VmRSS:");
}

// A photo with some detail, so the encoder works as on a real one.
QByteArray jpegPhoto(const QSize &size, bool progressive)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(250, 200, 120));
    g.setColorAt(1, QColor(40, 90, 160));
    p.fillRect(image.rect(), g);
    QRandomGenerator random(7);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromRgb(random.generate() | 0xff000000));
        p.setPen(Qt::NoPen);
        const int w = size.width() / 20;
        p.drawEllipse(random.bounded(size.width()), random.bounded(size.height()), w, w * 2 / 3);
    }
    p.end();
    for (int y = 0; y < image.height(); y += 2) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] ^= random.generate() & 0x070707;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

void fillFolder(TestStage &t, int count, const QByteArray &photo)
{
    QDir().mkpath(t.path(QStringLiteral("item")));
    const QString first = t.path(QStringLiteral("item/000-景品000_2.jpg"));
    QFile f(first);
    f.open(QIODevice::WriteOnly);
    f.write(photo);
    f.close();
    for (int i = 1; i < count; ++i)
        QFile::copy(first, t.path(QStringLiteral("item/%1-景品%1_2.jpg").arg(i, 3, 10, QChar(u'0'))));
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

struct LoadFigures
{
    double blockedMs = 0;    // LoadKeihin on the GUI thread
    double deliveredMs = 0;  // until the worker has handed over every photo
    double longestGapMs = 0; // the GUI thread's longest pause meanwhile
    long rssGrowthKb = 0;
};

LoadFigures measureLoad(MainWin &w)
{
    LoadFigures f;
    const long before = statusKb("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    w.LoadKeihin();
    f.blockedMs = ms(clock.nsecsElapsed());

    // A 5 ms tick stands for the opening animation: how late does it come?
    qint64 last = clock.nsecsElapsed();
    qint64 gap = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        gap = std::max(gap, now - last);
        last = now;
    });
    tick.start();
    while (w.photoShelf->pending() > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    tick.stop();
    f.deliveredMs = ms(clock.nsecsElapsed());
    f.longestGapMs = ms(gap);
    f.rssGrowthKb = statusKb("VmRSS:") - before;
    return f;
}

void printLoad(const char *what, const LoadFigures &f)
{
    std::printf(
        "%-44s blocked %8.1f ms   all photos in %8.1f ms   longest GUI pause %6.1f ms   memory +%7.1f MB\n",
        what, f.blockedMs, f.deliveredMs, f.longestGapMs, double(f.rssGrowthKb) / 1024);
}

template <typename F> double meanMs(int runs, F &&f)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < runs; ++i)
        f();
    return ms(clock.nsecsElapsed()) / runs;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int many = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;

    std::printf("Prize catalogue (%s)\n\n", qPrintable(QDir::tempPath()));

    {
        TestStage t;
        MainWin &w = t.open();
        fillFolder(t, 6, jpegPhoto(kPrizePhotoSize, false));
        printLoad("6 photos of 280 x 200", measureLoad(w));
        printLoad("6 photos of 280 x 200, again (reset)", measureLoad(w));
    }

    const QSize camera(4000, 3000);
    const QByteArray baseline = jpegPhoto(camera, false);
    const QByteArray progressive = jpegPhoto(camera, true);
    {
        TestStage t;
        MainWin &w = t.open();
        fillFolder(t, many, baseline);
        std::printf("\n%d photos of %d x %d, %.1f MB each (baseline JPEG)\n", many, camera.width(),
                    camera.height(), double(baseline.size()) / (1024 * 1024));
        const long peakBefore = resetPeak();
        printLoad("load", measureLoad(w));
        printLoad("reset after the photos are in", measureLoad(w));
        QElapsedTimer clock;
        clock.start();
        w.LoadKeihin();
        w.LoadKeihin();
        std::printf("%-44s %8.1f ms\n", "two resets while the worker decodes", ms(clock.nsecsElapsed()));
        while (w.photoShelf->pending() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::printf("%-44s %8.1f MB (resident before: %.1f MB)\n", "peak resident memory while loading",
                    double(statusKb("VmHWM:")) / 1024, double(peakBefore) / 1024);

        const QString name = QStringLiteral("123-景品123_2.jpg");
        std::printf("%-44s %8.2f ms\n", "Cnvmoji of one name (dum.txt round trip)",
                    meanMs(100, [&] { w.Cnvmoji(name); }));
        const QString one = t.path(QStringLiteral("item/000-景品000_2.jpg"));
        std::printf("%-44s %8.2f ms\n", "one photo, top-left 280 x 200",
                    meanMs(20, [&] { loadPrizePhoto(one); }));
        std::printf("%-44s %8.2f ms  (%.1f MB each)\n", "one photo decoded whole, for comparison",
                    meanMs(3, [&] { loadPicture(one); }),
                    double(camera.width()) * camera.height() * 4 / (1024 * 1024));
    }
    {
        TestStage t;
        t.writeBytes(QStringLiteral("item/1-P_1.jpg"), progressive);
        const QString one = t.path(QStringLiteral("item/1-P_1.jpg"));
        std::printf("\n%-44s %8.2f ms  (%.1f MB file)\n", "one progressive 4000 x 3000, top-left corner",
                    meanMs(5, [&] { loadPrizePhoto(one); }), double(progressive.size()) / (1024 * 1024));
    }
    return 0;
}
