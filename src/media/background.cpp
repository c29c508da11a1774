// Theme pictures: window background, board backdrop, character pictures.
#include "media/themefolder.h"
#include "stage/mainwin.h"

namespace zelvo {

namespace {

// The board fill covers this much of the board, whatever the board's size.
const QSize kBoardFillSize(340, 550);

} // namespace

void MainWin::Drawback()
{
    const ThemeFolder folder = ThemeFolder::find(pf.folder, theme);
    if (folder.state() == ThemeFolder::State::Missing) {
        // Once per theme: a resize runs this again, and a box per resize event would bury the stage.
        if (media.reportedMissingTheme != theme) {
            media.reportedMissingTheme = theme;
            pf.dialogs->message(this, QStringLiteral("指定されたテーマフォルダーがありません。"));
        }
        return;
    }
    media.reportedMissingTheme.clear();

    // A file that cannot be decoded counts as missing, in every step.
    auto picture = [&](const QString &name, PictureCache::Kind kind) {
        const QString rel = folder.file(name);
        return rel.isEmpty() ? QImage() : media.pictures.get(pf.folder.child(rel), kind);
    };

    const QImage back = stretchedBackground(
        picture(QStringLiteral("back.jpg"), PictureCache::Kind::Background), view->size());
    view->setBackdrop(back);
    view->setPaintsColor(back.isNull());

    const QImage box = picture(QStringLiteral("box.jpg"), PictureCache::Kind::Plain);
    if (!box.isNull()) {
        result->setBackdrop(box);
    } else if (kbackflag) {
        QImage fill(kBoardFillSize, QImage::Format_RGB32);
        fill.fill(color_r);
        result->setBackdrop(fill);
    } else {
        result->clearBackdrop();
    }

    const QImage chara = picture(QStringLiteral("chara.png"), PictureCache::Kind::Character);
    for (PictureCanvas *h : hitbox)
        h->setBackdrop(chara);
    for (int n = 1; n <= 3; ++n) {
        const QImage own = picture(QStringLiteral("chara%1.png").arg(n), PictureCache::Kind::Character);
        if (!own.isNull())
            hitbox[n]->setBackdrop(own);
    }
    media.pictures.sweep();
}

} // namespace zelvo
