// The prize roulette.
#include "prizes/catalog.h"
#include "prizes/intro.h"
#include "prizes/photos.h"
#include "prizes/pick.h"
#include "stage/mainwin.h"

namespace zelvo {

namespace {

// Automatic stop: 25 steps, 20 ms apart at first and 8 ms slower each step (2.9 s).
constexpr int kAutoSteps = 25;
constexpr int kAutoFirstMs = 20;
constexpr int kAutoSlowingMs = 8;
// Manual stop: every 100 ms until the second press, 100 s at most.
constexpr int kManualSteps = 1000;
constexpr int kManualMs = 100;

const QString kIdleCaption = QStringLiteral("景品選択");
const QString kSelectingCaption = QStringLiteral("選択中！");
const QString kStopCaption = QStringLiteral("ストップ");

QList<int> countValues(const QList<PrizeRow> &rows)
{
    QList<int> counts;
    counts.reserve(rows.size());
    for (const PrizeRow &row : rows)
        counts.append(countValue(row));
    return counts;
}

} // namespace

void MainWin::KeihinSelect()
{
    for (PictureCanvas *h : hitbox)
        h->hide();
    keteibox->hide();
    if (sentakuBtn->text() == kStopCaption) {
        cMax = 1;
        return;
    }
    const int red = pf.random->uniform(0, 16);
    const int green = pf.random->uniform(0, 16);
    const int blue = pf.random->uniform(0, 16);
    back->setFillColor(QColor(10 * red, 10 * green, 10 * blue));
    No->hide();
    kText->setText(QString());
    TitleDraw();
    // Both would write the photo and the caption: the prize draw takes the stage. The opening
    // timer stays off; the next number press restores it as after any prize display.
    if (introductionOnShow(*this)) {
        kTime->setMode(TimerMode::Off);
        kMax = int(kList.size());
    }
    if (kList.isEmpty()) {
        kText->setText(QStringLiteral("景品がありません！"));
        return;
    }
    FindTimer->setMode(TimerMode::Multiple);
    btnset(false);
    startBtn->setEnabled(false);
    if (sousa[22] == 0) {
        cMax = kAutoSteps;
        FindTimer->setPeriod(kAutoFirstMs);
        sentakuBtn->setText(kSelectingCaption);
    } else {
        cMax = kManualSteps;
        FindTimer->setPeriod(kManualMs);
        sentakuBtn->setEnabled(true);
        sentakuBtn->setText(kStopCaption);
    }
    autoTimer->setMode(TimerMode::Off);
    tMax = totalCount(kList);
    kPhoto->show();
    SoundPlay(2);
}

void MainWin::FindTimer_Action()
{
    // A reset that found the folder empty: nothing left to stop on.
    if (kList.isEmpty()) {
        FindTimer->setMode(TimerMode::Off);
        kPhoto->clearBackdrop();
        kText->setText(QStringLiteral("景品がありません！"));
        startBtn->setEnabled(true);
        sentakuBtn->setText(kIdleCaption);
        SoundStop(2);
        return;
    }
    const int sel = pickPrize(sousa[8], countValues(kList), tMax, *pf.random);
    const PrizeRow &picked = kList.at(sel);
    kPhoto->setBackdrop(photoShelf ? photoShelf->photo(picked.pictureIndex) : kp.value(picked.pictureIndex));
    const QString name = displayName(picked);
    --cMax;
    if (sousa[22] == 0)
        FindTimer->setPeriod(FindTimer->period() + kAutoSlowingMs);
    if (cMax > 0)
        return;

    QString text;
    const int count = countValue(picked);
    if (count == 1) {
        text = name + cr + QStringLiteral("終了！");
        kList.removeAt(sel);
        --kMax;
    } else {
        kList[sel].countText = QString::number(qint64(count) - 1);
        text = name + cr + QStringLiteral("残り ") + kList.at(sel).countText;
    }
    kText->setText(text);
    titleboxt[0]->setText(name);
    titleboxt[1]->setText(name);
    SoundPlay(3);
    keteibox->setBackdrop(pictures.get(QStringLiteral("kete.gif")));
    keteibox->show();
    FindTimer->setMode(TimerMode::Off);
    btnset(true);
    startBtn->setEnabled(true);
    sentakuBtn->setText(kIdleCaption);
    SoundStop(2);
}

void MainWin::sentakuBtn_Action()
{
    KeihinSelect();
}

} // namespace zelvo
