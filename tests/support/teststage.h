#pragma once

#include "platform/manualclock.h"
#include "platform/random.h"
#include "app/menubar.h"
#include "stage/mainwin.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <memory>

namespace zelvo::test {

// A stage on a manual clock, scripted dice, recording sound, movie, dialogs and browser,
// over a fresh event folder. Write the folder's files, then open() the window.
class TestStage
{
public:
    TestStage();
    ~TestStage();

    // A file in the event folder; text is written as CP932.
    void writeText(const QString &relative, const QString &text);
    void writeBytes(const QString &relative, const QByteArray &bytes);
    // Copies a file or folder from tests/data (or any absolute path) into the event folder.
    void copyIn(const QString &from, const QString &relative);
    QString path(const QString &relative = QString()) const;

    // Creates the window (the opening timer starts here) and, with show, opens it.
    MainWin &open(bool show = true);
    MainWin &win() { return *m_win; }

    // Advances the manual clock by ms, firing every due timer in order.
    void advance(qint64 ms) { clock.advance(ms); }

    ManualClock clock;
    ScriptedRandom dice;
    FakeSoundBackend sound;
    FakeMovieBackend movies;
    RecordingDialogs dialogs;
    RecordingBrowser browser;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWin> m_win;
};

// A def.txt of 48 lines with the given head and option entries (others 0).
QString defText(int mini, int max, const QString &terop, const QString &theme, int yoko,
                std::initializer_list<std::pair<int, int>> sousa = {});

} // namespace zelvo::test
