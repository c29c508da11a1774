// The prize introduction: prizes shown one after another.
#include "prizes/intro.h"

#include "prizes/catalog.h"
#include "prizes/photos.h"
#include "stage/mainwin.h"

namespace zelvo {

namespace {

constexpr int kFirstStepMs = 100;
constexpr int kStepMs = 1000;

} // namespace

bool introductionOnShow(const MainWin &w)
{
    return w.kTime->mode() != TimerMode::Off || w.kMax != w.kList.size();
}

void MainWin::shokaiBtn_Action()
{
    // Later presses find the opening timer off already: only the first knows what to restore.
    const bool first = !introductionOnShow(*this);
    kTime->setPeriod(kFirstStepMs);
    if (first)
        OpenTmode = int(opent->mode());
    No->hide();
    Noop->hide();
    for (PictureCanvas *h : hitbox)
        h->hide();
    opent->setMode(TimerMode::Off);
    kPhoto->show();
    TitleDraw();
    autoTimer->setMode(TimerMode::Off);
    autoBox->setChecked(false);
    autoBox->setText(QStringLiteral("自動抽選開始"));
    kTime->setMode(sousa[0] == 0 ? TimerMode::Multiple : TimerMode::Single);
}

void MainWin::kTime_Action()
{
    keteibox->hide();
    kTime->setPeriod(kStepMs);
    const int row = int(kList.size()) - kMax;
    if (kMax > 0 && row >= 0) {
        const PrizeRow &prize = kList.at(row);
        // From the folder, not kp: a photo changed since the load shows as it is now.
        kPhoto->setBackdrop(loadPrizePhoto(prizePhotoPath(pf.folder, prize)));
        kText->setText(displayName(prize) + cr + prize.countText);
        --kMax;
        kPhoto->repaint();
        return;
    }
    kPhoto->clearBackdrop();
    kText->setText(QString());
    kTime->setMode(TimerMode::Off);
    opent->setMode(timerModeFrom(OpenTmode));
    if (opent->mode() == TimerMode::Off)
        No->show();
    else
        Noop->show();
    kMax = int(kList.size());
}

} // namespace zelvo
