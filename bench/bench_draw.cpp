// Costs of the number draw on the GUI thread: one spin step in the worst case, and a
// repaint of the results board. Prints figures; it checks nothing.
#include "app/menubar.h"
#include "platform/manualclock.h"
#include "stage/drawlogic.h"
#include "stage/mainwin.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zelvo;

namespace {

struct Figures
{
    double mean = 0;
    double median = 0;
    double p99 = 0;
    double worst = 0;
};

// Microseconds per run of f.
Figures measure(int runs, const std::function<void()> &f)
{
    std::vector<double> us;
    us.reserve(runs);
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        f();
        us.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::sort(us.begin(), us.end());
    Figures out;
    for (double v : us)
        out.mean += v;
    out.mean /= runs;
    out.median = us[us.size() / 2];
    out.p99 = us[us.size() * 99 / 100];
    out.worst = us.back();
    return out;
}

void print(const char *what, const Figures &f)
{
    std::printf("%-56s mean %8.1f  median %8.1f  p99 %8.1f  worst %8.1f us\n", what, f.mean, f.median, f.p99,
                f.worst);
}

// A stage on a manual clock whose random numbers come from the given source.
struct BenchStage
{
    explicit BenchStage(RandomSource *random)
    {
        Platform p;
        p.timers = &clock;
        p.random = random;
        p.sound = &sound;
        p.movies = &movies;
        p.dialogs = &dialogs;
        p.browser = &browser;
        p.folder = EventFolder(dir.path());
        win = std::make_unique<MainWin>(p, new MenuBar);
        win->show();
        // As after the first press: the number lettering is set.
        win->startBtn->setText(QStringLiteral("スタート"));
        win->mini = 1;
        win->max = 9999;
        win->yoko = 6;
        win->sousa[9] = 50;
        win->Fontset();
        win->TextSizeSet();
    }

    QTemporaryDir dir;
    ManualClock clock;
    test::FakeSoundBackend sound;
    test::FakeMovieBackend movies;
    test::RecordingDialogs dialogs;
    test::RecordingBrowser browser;
    std::unique_ptr<MainWin> win;
};

void fillDrawn(MainWin &w, int count, int max)
{
    w.cList.clear();
    w.P.fill(0);
    w.max = max;
    SeededRandom colours(1);
    for (int n = 1; n <= count; ++n) {
        w.cList.append({QString::number(n), colours.uniform(0, 16) * 14, colours.uniform(0, 16) * 14,
                        colours.uniform(0, 16) * 14});
        w.P[n - 1] = 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("One spin step (plot), range 1-9999 with one number left:\n");
    {
        SystemRandom random;
        BenchStage s(&random);
        s.win->P.fill(1);
        s.win->P[4999] = 0;
        print("plot, system generator", measure(2000, [&] { s.win->plot(); }));
        DrawnFlags &P = s.win->P;
        print("pick alone, system generator",
              measure(2000, [&] { pickUndrawn(P, drawRange(1, 9999), random); }));
        SeededRandom seeded(7);
        print("pick alone, mt19937", measure(2000, [&] { pickUndrawn(P, drawRange(1, 9999), seeded); }));
    }
    {
        // Dice that always land on a drawn number: every try fails and the fallback picks.
        struct Stuck : RandomSource
        {
            int uniform(int lo, int) override { return lo; }
        } stuck;
        BenchStage s(&stuck);
        s.win->P.fill(1);
        s.win->P[4999] = 0;
        print("plot, every try rejected (the bound)", measure(500, [&] { s.win->plot(); }));
    }
    {
        SystemRandom random;
        BenchStage s(&random);
        print("plot, range 1-9999 with nothing drawn", measure(2000, [&] { s.win->plot(); }));
    }

    std::printf("\nResults board, 340 x 557 canvas, 6 per row:\n");
    {
        SystemRandom random;
        BenchStage s(&random);
        QImage target(s.win->result->size(), QImage::Format_ARGB32_Premultiplied);
        auto paint = [&] {
            QPainter g(&target);
            s.win->result->render(&g);
        };
        for (int count : {75, 9999}) {
            fillDrawn(*s.win, count, count == 75 ? 75 : 9999);
            s.win->Disp();
            const QByteArray order = QByteArray::number(count);
            print(("paint, draw order, " + order + " drawn").constData(), measure(300, paint));
            s.win->sousa[23] = 1;
            print(("paint, reverse order, " + order + " drawn").constData(), measure(300, paint));
            s.win->sousa[23] = 0;
            s.win->Dispjun();
            print(("paint, number order, " + order + " drawn").constData(), measure(300, paint));
            print(("Disp (lettering, view, description), " + order + " drawn").constData(),
                  measure(300, [&] { s.win->Disp(); }));
        }
    }
    return 0;
}
