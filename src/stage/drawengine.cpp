// The number draw: start press, spin, stop, automatic drawing and the external order.
#include "stage/board.h"
#include "stage/drawlogic.h"
#include "stage/mainwin.h"

#include <limits>

namespace zelvo {

namespace {

// The draw state is the start button's caption.
const QString kFirstPress = QStringLiteral("抽選開始");
const QString kStart = QStringLiteral("スタート");
const QString kStop = QStringLiteral("ストップ");
const QString kStopping = QStringLiteral("選択中！");

const QString kAutoOff = QStringLiteral("自動抽選開始");
const QString kAutoOn = QStringLiteral("自動抽選停止");

const QString kOrderFile = QStringLiteral("select.csv");

void completeDraw(MainWin &w)
{
    w.Stimer->setMode(TimerMode::Off);
    w.startBtn->setEnabled(true);
    w.btnset(true);
    w.startBtn->setText(kStart);
    w.SoundStop(0);
    w.SoundPlay(1);

    if (w.sousa[21] == 1 && !w.CyusenList.isEmpty()) {
        const QStringList fields = orderFields(w.CyusenList);
        // A blank field (a trailing comma) prescribes nothing: the spun number stands.
        if (w.cList.size() < fields.size() && !isBlankField(fields.at(w.cList.size()))) {
            const QString &field = fields.at(w.cList.size());
            w.No->setText(field);
            // The label keeps the field as it reads; it letters it on one line.
            static_cast<QLabel *>(w.No)->setText(onOneLine(field));
        }
    }
    const QString shown = w.No->text();
    // A field that is no number of the flags (0, negative, text, above 10001) is recorded
    // as it reads, but flags nothing.
    const int value = drawnValue(shown);
    if (hasFlag(value))
        w.P[value - 1] = 1;
    const QColor colour = w.back->fillColor();
    w.cList.append(DrawnEntry{shown, colour.red(), colour.green(), colour.blue()});
    w.Disp();

    if (w.autoBox->isChecked()) {
        w.autoTimer->setPeriod(std::clamp(w.sousa[12], 1, kAutoPauseMaxSteps) * kAutoPauseStepMs);
        w.autoTimer->setMode(TimerMode::Single);
    }
    const int k = std::clamp(w.pf.random->uniform(0, 3), 0, 3);
    w.hitbox[k]->show();
}

} // namespace

void MainWin::StartBtnpush()
{
    if (No->isHidden()) {
        // Leaving a prize display: the number comes back and the prizes count afresh.
        kPhoto->clearBackdrop();
        kText->setText(QString());
        kTime->setMode(TimerMode::Off);
        opent->setMode(timerModeFrom(OpenTmode));
        No->show();
        kMax = int(kList.size());
    }
    const QString caption = startBtn->text();
    if (caption == kFirstPress) {
        OpenTmode = 0;
        opent->setMode(TimerMode::Off);
        Noop->hide();
        startBtn->setText(kStart);
        if (autoBox->isChecked())
            startBtn->setEnabled(false);
        Fontset();
        TextSizeSet();
        PushSelect();
    } else if (caption == kStop) {
        startBtn->setText(kStopping);
        startBtn->setEnabled(false);
        count = kStopTicks;
        Stimer->setPeriod(kSpinSlowMs);
        SoundStop(0);
    } else if (caption == kStart) {
        PushSelect();
    }
}

void MainWin::PushSelect()
{
    for (PictureCanvas *h : hitbox)
        h->hide();
    keteibox->hide();
    kakuBtn->setChecked(false);
    kakuBtn->setText(QStringLiteral("番号順表示"));
    refreshBoard(*this);

    const DrawRange range = drawRange(mini, max);
    // Counting entries is the rule; the undrawn count also covers external numbers and
    // range edits that left every number of the range flagged with fewer entries.
    if (cList.size() < range.size() && undrawnCount(P, range) > 0) {
        startBtn->setEnabled(true);
        startBtn->setText(kStop);
        TextSizeSet();
        count = sousa[2];
        Stimer->setPeriod(kSpinFirstMs);
        Stimer->setMode(TimerMode::Multiple);
        kPhoto->clearBackdrop();
        TitleDraw();
        btnset(false);
        kText->setText(QString());
        SoundPlay(0);
    } else {
        pf.dialogs->message(this, QStringLiteral("全ての番号を選択しました！"));
        opent->setMode(TimerMode::Multiple);
    }
}

void MainWin::plot()
{
    const int c = pickUndrawn(P, drawRange(mini, max), *pf.random);
    const int red = pf.random->uniform(0, 16) * 14;
    const int green = pf.random->uniform(0, 16) * 14;
    const int blue = pf.random->uniform(0, 16) * 14;
    back->setFillColor(QColor(std::clamp(red, 0, 224), std::clamp(green, 0, 224), std::clamp(blue, 0, 224)));
    // None left (the range was narrowed during the spin): the last number stays up.
    if (c != 0)
        No->setText(QString::number(c));
    if (sousa[1] == 0)
        Stimer->setPeriod(Stimer->period() + kSpinGrowMs);
}

void MainWin::Stimer_Action()
{
    if (sousa[1] != 0 && startBtn->text() == kStop) {
        plot();
        return;
    }
    // A spin length of 0 or less counts down past 0 and waits for the stop press.
    if (count > std::numeric_limits<int>::min())
        --count;
    if (count == 0) {
        completeDraw(*this);
        return;
    }
    if (count == kSlowFromCount)
        Stimer->setPeriod(kSpinSlowMs);
    plot();
}

void MainWin::autoBox_Action()
{
    if (startBtn->text() == kFirstPress)
        return;
    if (autoBox->isChecked()) {
        startBtn->setEnabled(false);
        autoBox->setText(kAutoOn);
        PushSelect();
    } else {
        startBtn->setEnabled(true);
        autoBox->setText(kAutoOff);
    }
}

void MainWin::autoTimer_Action()
{
    PushSelect();
}

void MainWin::btnset(bool enabled)
{
    sentakuBtn->setEnabled(enabled);
    shokaiBtn->setEnabled(enabled);
    kakuBtn->setEnabled(enabled);
}

void MainWin::GetClist()
{
    if (pf.folder.exists(kOrderFile) && !pf.folder.isFolder(kOrderFile)) {
        if (std::optional<QString> text = readTextFile(pf.folder.child(kOrderFile))) {
            CyusenList = *text;
            return;
        }
    }
    // Missing, or nothing that can be read as text: the draw is random.
    CyusenList.clear();
    pf.dialogs->message(this, QStringLiteral("「select.csv」がありません。"));
}

} // namespace zelvo
