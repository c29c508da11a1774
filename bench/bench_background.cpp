// How long the theme background takes: decoding back.jpg once, and recomposing it on a resize.
#include "media/picturecache.h"
#include "support/teststage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

using namespace zelvo;

namespace {

QImage photoLike(QSize size)
{
    // Gradients and noise-free shapes: a JPEG of realistic weight, made here.
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(20, 30, 90));
    g.setColorAt(1, QColor(240, 160, 40));
    p.fillRect(image.rect(), g);
    for (int i = 0; i < 200; ++i) {
        p.setBrush(QColor::fromHsv((i * 37) % 360, 160, 230));
        p.drawEllipse(QPoint((i * 7919) % size.width(), (i * 104729) % size.height()), size.width() / 30,
                      size.width() / 30);
    }
    return image;
}

double msPer(QElapsedTimer &timer, int n)
{
    return double(timer.nsecsElapsed()) / 1e6 / n;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QList<QSize> sources{QSize(1280, 800), QSize(4000, 3000), QSize(8000, 6000)};
    const QList<QSize> windows{QSize(800, 676), QSize(1280, 800), QSize(1920, 1080)};
    constexpr int kResizes = 30;

    std::printf("Drawback with only back.jpg in the theme, milliseconds per call\n");
    std::printf("%-11s %-10s %12s %16s %20s\n", "back.jpg", "window", "first call", "resize (cached)",
                "decoding every time");
    for (QSize source : sources) {
        test::TestStage t;
        QDir().mkpath(t.path(QStringLiteral("theme/bench")));
        const QString jpg = t.path(QStringLiteral("theme/bench/back.jpg"));
        photoLike(source).save(jpg, "JPG", 90);
        QFile def(t.path(QStringLiteral("def.txt")));
        def.open(QIODevice::WriteOnly);
        def.write(test::defText(1, 75, QStringLiteral("T"), QStringLiteral("bench"), 6).toUtf8());
        def.close();

        QElapsedTimer timer;
        MainWin &w = t.open();
        for (QSize window : windows) {
            w.resize(window);
            QApplication::processEvents();
            // A fresh cache: the first call decodes.
            w.media.pictures = PictureCache();
            timer.restart();
            w.Drawback();
            const double firstMs = msPer(timer, 1);

            timer.restart();
            for (int i = 0; i < kResizes; ++i)
                w.Drawback();
            const double cachedMs = msPer(timer, kResizes);

            // What every resize would cost if back.jpg were decoded each time.
            timer.restart();
            for (int i = 0; i < 3; ++i) {
                PictureCache fresh;
                w.view->setBackdrop(
                    stretchedBackground(fresh.get(jpg, PictureCache::Kind::Background), w.view->size()));
            }
            const double uncachedMs = msPer(timer, 3);

            std::printf("%5dx%-5d %4dx%-5d %12.1f %16.2f %20.1f\n", source.width(), source.height(),
                        w.view->width(), w.view->height(), firstMs, cachedMs, uncachedMs);
        }
    }
    return 0;
}
