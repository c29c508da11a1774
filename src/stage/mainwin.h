#pragma once

#include "app/stagestate.h"
#include "media/mediastate.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "stage/widgets.h"

#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <memory>

class QAction;
class QMenuBar;
class QPainter;

namespace zelvo {

class MenuBar;
class PhotoShelf;

// The stage: the main window that owns the stage state, every stage element, the
// loaded sounds and all stage timers. Its methods are spread over the files of the
// subsystem they belong to (draw engine, board, media, prizes, controls).
class MainWin : public QMainWindow, public StageState
{
    Q_OBJECT
public:
    MainWin(Platform platform, MenuBar *menuBar);
    ~MainWin() override;

    Platform pf;

    // --- stage elements, in stacking order ---
    StageView *view = nullptr;
    OvalWidget *back = nullptr;
    StageLabel *kText = nullptr;
    PictureCanvas *kPhoto = nullptr;
    StageLabel *No = nullptr;
    PictureCanvas *keteibox = nullptr;
    std::array<PictureCanvas *, 4> hitbox{};
    StageLabel *Noop = nullptr;
    std::array<StageLabel *, 2> titleboxt{};
    BoardCanvas *result = nullptr;
    QWidget *ContBox = nullptr;
    QPushButton *startBtn = nullptr;
    QPushButton *sentakuBtn = nullptr;
    QPushButton *fullBtn = nullptr;
    QPushButton *autoBox = nullptr;
    QPushButton *kakuBtn = nullptr;
    QPushButton *shokaiBtn = nullptr;
    QPushButton *setBtn = nullptr;
    StageLabel *cwright = nullptr;
    QPushButton *soundBtn = nullptr;
    std::unique_ptr<MoviePlayer> mvp;
    MenuBar *MenuBar1 = nullptr;

    // --- timers ---
    std::unique_ptr<Timer> opent;
    std::unique_ptr<Timer> Stimer;
    std::unique_ptr<Timer> autoTimer;
    std::unique_ptr<Timer> FindTimer;
    std::unique_ptr<Timer> kTime;
    std::unique_ptr<Timer> eventTimer;

    // --- loaded sounds and pictures ---
    std::array<std::shared_ptr<Sound>, 5> msound{};
    AppPictures pictures;
    MediaState media;
    // Decodes the prize photos into kp off the GUI thread (prizes/photos.h).
    std::shared_ptr<PhotoShelf> photoShelf;
    // Board lettering set by TextSizeSet; empty family until the first start press.
    QFont boardFont;
    double boardTextSize = 0;
    bool boardLetteringSet = false;

    // The window's own properties that belong to the stage state.
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor &color);
    bool isFullScreenFlag() const;
    void setFullScreenFlag(bool on);
    bool menuBarShown() const;
    void setMenuBarShown(bool on);

    // --- start-up, settings file (app/) ---
    void Event_Open();
    void opent_Action();
    void LoadDef();
    WriteResult SaveDef();

    // --- layout and lettering (stage/lettering.cpp) ---
    void Event_Resized();
    void Fontset();
    void TextSizeSet();
    void TitleDraw();
    void TextPosSet();

    // --- draw engine (stage/drawengine.cpp) ---
    void StartBtnpush();
    void PushSelect();
    void plot();
    void Stimer_Action();
    void autoBox_Action();
    void autoTimer_Action();
    void btnset(bool enabled);
    void GetClist();

    // --- results board (stage/board.cpp) ---
    void Disp();
    void Dispjun();
    void kakuBtn_Action();
    void Cls();
    // The paint event of result: the view that kakuBtn names, from the drawn list and flags.
    void result_Paint(QPainter &g);

    // --- menus, keys, full screen (stage/controls.cpp) ---
    void fullBtn_Action();
    void fullsmenu_Action();
    void intmenu_Action();
    void howto_Action();
    void howmake_Action();
    void howmail_Action();
    void setBtn_Action();
    void DefWinShow();
    bool KeyDown(const QString &key);
    void MouseMove(int x, int y);

    // --- theme pictures, sound, movie, messages (media/) ---
    void Drawback();
    void SoundSet();
    void SoundPlay(int index);
    void SoundStop(int index);
    void soundBtn_Action();
    // Loops the background music, if any, at its volume (set on every start).
    void MusicStart();
    void MovieSet(const QString &name);
    // A movie key ("y" "u" "i" "o" "p"): shows the theme's movie, or ends the one on show.
    void MovieKey(const QString &key);
    void mvp_Open();
    void mvp_Stop();
    void LoadMess();
    void Dispmessage(const QString &key);
    void eventTimer_Action();

    // --- prizes (prizes/) ---
    void LoadKeihin();
    void SetKP();
    QString Cnvmoji(const QString &text);
    void KeihinSelect();
    void FindTimer_Action();
    void sentakuBtn_Action();
    void shokaiBtn_Action();
    void kTime_Action();

    // Whether the open event has run (the stage is up).
    bool opened() const { return m_opened; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStage();
    void buildControlPanel();
    void buildTimers();
    void attachMenuHandlers();

    bool m_opened = false;
};

} // namespace zelvo
