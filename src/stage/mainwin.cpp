#include "stage/mainwin.h"

#include "app/menubar.h"
#include "stage/layout.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTextBoundaryFinder>

namespace zelvo {

namespace {

// Opening animation period.
constexpr int kOpeningTickMs = 500;

QPushButton *makeButton(QWidget *parent, const QString &caption, const QRect &rect, double size,
                        bool toggle = false)
{
    auto *b = new QPushButton(caption, parent);
    b->setGeometry(rect);
    b->setFont(pixelFont(QString(), size, b));
    b->setCheckable(toggle);
    // Keys belong to the stage: a focused button would take Return and space for itself.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

StageLabel *makeLabel(QWidget *parent, const QString &text, const QRect &rect, double size,
                      const QColor &color, bool bold = false)
{
    auto *l = new StageLabel(parent);
    l->setGeometry(rect);
    l->setFont(pixelFont(QString(), size, l, bold));
    l->setAlignment(Qt::AlignCenter);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    l->setText(text);
    return l;
}

// The characters of a text as a reader sees them (an emoji or a kana with its mark is one).
QStringList characters(const QString &text)
{
    QStringList out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        if (end > start)
            out.append(text.mid(start, end - start));
        start = end;
    }
    return out;
}

} // namespace

MainWin::MainWin(Platform platform, MenuBar *menuBar) : pf(std::move(platform)), MenuBar1(menuBar)
{
    setWindowTitle(QStringLiteral("Zelvo"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(64, 64);
    if (MenuBar1)
        setMenuBar(MenuBar1);

    buildStage();
    buildControlPanel();
    buildTimers();
    attachMenuHandlers();

    const int menuHeight = MenuBar1 ? MenuBar1->sizeHint().height() : 0;
    resize(kDesignWidth, kDesignHeight + menuHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
    qApp->installEventFilter(this);
}

MainWin::~MainWin()
{
    qApp->removeEventFilter(this);
}

void MainWin::buildStage()
{
    view = new StageView(this);
    view->setObjectName(QStringLiteral("stage"));
    view->setFocusPolicy(Qt::StrongFocus);
    view->installEventFilter(this);
    setCentralWidget(view);

    back = new OvalWidget(view);
    back->setGeometry(14, 15, 420, 420);
    back->setAccessibleName(QStringLiteral("抽選ステージ"));

    // Carried by the stage oval: positions relative to it.
    kText = makeLabel(back, QString(), QRect(0, 313, 420, 107), 28, Qt::white, true);
    kText->setWordWrap(true);
    kText->setAccessibleDescription(QStringLiteral("景品名"));
    kPhoto = new PictureCanvas(back);
    kPhoto->setGeometry(68, 107, 280, 200);
    kPhoto->setAccessibleName(QStringLiteral("景品写真"));
    kPhoto->hide();
    No = makeLabel(back, QStringLiteral("15"), QRect(0, 98, 420, 315), 200, Qt::white);
    No->setAccessibleDescription(QStringLiteral("抽選番号"));
    No->hide();
    keteibox = new PictureCanvas(back);
    keteibox->setGeometry(107, 5, 204, 123);
    keteibox->setAccessibleName(QStringLiteral("決定"));
    keteibox->hide();
    auto makeHitbox = [&] {
        auto *h = new PictureCanvas(back);
        h->setGeometry(90, 292, 240, 130);
        h->setAccessibleName(QStringLiteral("キャラクター"));
        h->setAttribute(Qt::WA_TransparentForMouseEvents);
        h->hide();
        return h;
    };
    hitbox[0] = makeHitbox();
    hitbox[3] = makeHitbox();
    Noop = makeLabel(back, QStringLiteral("S"), QRect(7, 93, 408, 319), 200, Qt::white);
    Noop->setAccessibleDescription(QStringLiteral("オープニング"));
    hitbox[1] = makeHitbox();
    hitbox[2] = makeHitbox();

    titleboxt[0] = makeLabel(view, QStringLiteral("イベント名"), QRect(0, 592, 800, 84), 80, Qt::black);
    titleboxt[0]->setAccessibleDescription(QStringLiteral("イベント名（影）"));
    result = new BoardCanvas(view);
    result->setGeometry(454, 14, 340, 557);
    result->setAccessibleName(QStringLiteral("抽選結果"));
    result->painter = [this](QPainter &g) { result_Paint(g); };
    titleboxt[1] = makeLabel(view, QStringLiteral("イベント名"), QRect(-6, 592, 800, 84), 80, Qt::white);
    titleboxt[1]->setAccessibleDescription(QStringLiteral("イベント名"));
}

void MainWin::buildControlPanel()
{
    ContBox = new QWidget(view);
    ContBox->setObjectName(QStringLiteral("ContBox"));
    ContBox->setGeometry(14, 441, 420, 130);
    ContBox->setAccessibleName(QStringLiteral("操作パネル"));

    // Carried by the control panel: positions relative to it.
    startBtn = makeButton(ContBox, QStringLiteral("抽選開始"), QRect(10, 8, 310, 50), 16);
    startBtn->setObjectName(QStringLiteral("startBtn"));
    sentakuBtn = makeButton(ContBox, QStringLiteral("景品選択"), QRect(10, 72, 224, 32), 16);
    sentakuBtn->setObjectName(QStringLiteral("sentakuBtn"));
    // The two presses the audience waits for get a bevel of their own, apart from the small buttons.
    const QString bevel =
        QStringLiteral("QPushButton { border: 1px solid #8a8f99; border-radius: 8px; color: #1f2430;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:0.5 "
                       "#eef0f4, stop:1 #d5d9e1); }"
                       "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
                       "#d5d9e1, stop:1 #f4f5f8); }"
                       "QPushButton:disabled { color: #9aa0aa; border-color: #b8bcc4; }");
    startBtn->setStyleSheet(bevel);
    sentakuBtn->setStyleSheet(bevel);
    fullBtn = makeButton(ContBox, QString(), QRect(355, 80, 24, 24), 11);
    fullBtn->setAccessibleName(QStringLiteral("フルスクリーン"));
    autoBox = makeButton(ContBox, QStringLiteral("自動抽選開始"), QRect(327, 8, 80, 24), 12, true);
    kakuBtn = makeButton(ContBox, QStringLiteral("番号順表示"), QRect(327, 34, 80, 24), 12, true);
    kakuBtn->setEnabled(false);
    shokaiBtn = makeButton(ContBox, QStringLiteral("景品紹介"), QRect(240, 72, 80, 32), 12);
    setBtn = makeButton(ContBox, QString(), QRect(327, 80, 24, 24), 11);
    setBtn->setAccessibleName(QStringLiteral("設定"));
    cwright = makeLabel(ContBox,
                        QStringLiteral("Zelvo %1  ビンゴ抽選プログラム").arg(QStringLiteral(ZELVO_VERSION)),
                        QRect(3, 113, 415, 17), 11, QColor(0xcc, 0xcc, 0xcc));
    soundBtn = makeButton(ContBox, QString(), QRect(383, 80, 24, 24), 11);
    soundBtn->setAccessibleName(QStringLiteral("サウンド"));
    for (QPushButton *b : {fullBtn, setBtn, soundBtn})
        b->setIconSize(QSize(20, 20));
    setBtn->setIcon(QIcon(QPixmap::fromImage(pictures.get(QStringLiteral("deflogo.png")))));

    connect(startBtn, &QPushButton::clicked, this, [this] { StartBtnpush(); });
    connect(sentakuBtn, &QPushButton::clicked, this, [this] { sentakuBtn_Action(); });
    connect(fullBtn, &QPushButton::clicked, this, [this] { fullBtn_Action(); });
    connect(autoBox, &QPushButton::clicked, this, [this] { autoBox_Action(); });
    connect(kakuBtn, &QPushButton::clicked, this, [this] { kakuBtn_Action(); });
    connect(shokaiBtn, &QPushButton::clicked, this, [this] { shokaiBtn_Action(); });
    connect(setBtn, &QPushButton::clicked, this, [this] { setBtn_Action(); });
    connect(soundBtn, &QPushButton::clicked, this, [this] { soundBtn_Action(); });

    mvp = pf.movies->createPlayer(view);
    mvp->widget()->setGeometry(356, 223, 151, 96);
    mvp->widget()->hide();
    mvp->onStopped = [this] { mvp_Stop(); };
    mvp_Open();
}

void MainWin::buildTimers()
{
    opent = pf.timers->createTimer(kOpeningTickMs, TimerMode::Single);
    opent->setAction([this] { opent_Action(); });
    Stimer = pf.timers->createTimer(1000, TimerMode::Off);
    Stimer->setAction([this] { Stimer_Action(); });
    autoTimer = pf.timers->createTimer(1000, TimerMode::Off);
    autoTimer->setAction([this] { autoTimer_Action(); });
    FindTimer = pf.timers->createTimer(1000, TimerMode::Off);
    FindTimer->setAction([this] { FindTimer_Action(); });
    kTime = pf.timers->createTimer(1000, TimerMode::Off);
    kTime->setAction([this] { kTime_Action(); });
    eventTimer = pf.timers->createTimer(1000, TimerMode::Off);
    eventTimer->setAction([this] { eventTimer_Action(); });
}

void MainWin::attachMenuHandlers()
{
    if (!MenuBar1)
        return;
    auto attach = [this](const char16_t *name, void (MainWin::*handler)()) {
        if (QAction *a = MenuBar1->item(QString::fromUtf16(name)))
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    attach(u"defmenu", &MainWin::DefWinShow);
    attach(u"fullsmenu", &MainWin::fullsmenu_Action);
    attach(u"intmenu", &MainWin::intmenu_Action);
    attach(u"howto", &MainWin::howto_Action);
    attach(u"howmake", &MainWin::howmake_Action);
    attach(u"howmail", &MainWin::howmail_Action);
    if (QAction *quit = MenuBar1->item(QStringLiteral("FileQuit")))
        connect(quit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
}

QColor MainWin::backgroundColor() const
{
    return view->backgroundColor();
}

void MainWin::setBackgroundColor(const QColor &color)
{
    view->setBackgroundColor(color);
}

bool MainWin::isFullScreenFlag() const
{
    return windowState().testFlag(Qt::WindowFullScreen);
}

void MainWin::setFullScreenFlag(bool on)
{
    if (on == isFullScreenFlag())
        return;
    setWindowState(on ? (windowState() | Qt::WindowFullScreen) : (windowState() & ~Qt::WindowFullScreen));
}

bool MainWin::menuBarShown() const
{
    return MenuBar1 && !MenuBar1->isHidden();
}

void MainWin::setMenuBarShown(bool on)
{
    if (MenuBar1)
        MenuBar1->setVisible(on);
}

void MainWin::Event_Open()
{
    startF = 1;
    LoadDef();
    LoadKeihin();
    LoadMess();
    mvflag = false;
    cr = QString(QChar(13));
    if (MenuBar1) {
        if (QAction *full = MenuBar1->item(QStringLiteral("fullsmenu")))
            full->setChecked(isFullScreenFlag());
    }
    Drawback();
    TitleDraw();
    count = 1;
    fullBtn->setIcon(QIcon(QPixmap::fromImage(
        pictures.get(isFullScreenFlag() ? QStringLiteral("snfull.gif") : QStringLiteral("sfull.gif")))));
    if (sFlag) {
        // The loader has usually started the music: looping it again leaves it running.
        if (msound[4] && !msound[4]->isPlaying())
            MusicStart();
        soundBtn->setIcon(QIcon(QPixmap::fromImage(pictures.get(QStringLiteral("s_on.gif")))));
    } else {
        soundBtn->setIcon(QIcon(QPixmap::fromImage(pictures.get(QStringLiteral("s_off.gif")))));
    }
    m_opened = true;
    Event_Resized();
}

void MainWin::opent_Action()
{
    if (startF == 1) {
        opent->setMode(TimerMode::Multiple);
        startF = 0;
    }
    const int a = pf.random->uniform(0, 16);
    const int b = pf.random->uniform(0, 16);
    const int c = pf.random->uniform(0, 16);
    back->setFillColor(QColor(14 * a, 14 * b, 14 * c));

    const QStringList s = characters(terop + QStringLiteral(" "));
    // A count left outside the title (after a spin, or a title shortened meanwhile) starts over.
    if (count < 1 || count > s.size())
        count = 1;
    Noop->setText(s.at(count - 1));
    if (count == s.size())
        count = 1;
    else
        ++count;
}

void MainWin::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_opened)
        Event_Open();
}

void MainWin::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty())
        KeyDown(event->text());
    QMainWindow::keyPressEvent(event);
}

bool MainWin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view && event->type() == QEvent::Resize && m_opened)
        Event_Resized();
    if (event->type() == QEvent::MouseMove && isFullScreenFlag() && isActiveWindow()) {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint p = mapFromGlobal(me->globalPosition().toPoint());
        MouseMove(p.x(), p.y());
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zelvo
