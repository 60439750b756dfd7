// The game's one window, TForm1: building its controls, menu and picture lists, and its keyboard rules.
#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTimer>
#include <chrono>
#include <optional>
#include <utility>

#include "artwork.h"
#include "card_cell.h"
#include "error_guard.h"
#include "highscore_store.h"
#include "picture_list.h"

namespace pairfinder {

namespace {

constexpr QPoint WindowPosition(188, 70);
constexpr QSize WindowOuterSize(739, 645);
// The extent of the controls: the right edge of the panels and the bottom edge of the last card row.
constexpr QSize CanvasSize(721, 572);

// How long the window manager stays quiet before what it said of the window's frame is settled: longer than
// the burst of reports of one change, too short for the player to see the fitted size come late.
constexpr std::chrono::milliseconds FrameSettleTime(100);

const QColor Purple(128, 0, 128);
const QColor Navy(0, 0, 128);

// The layout gives font heights as character heights without internal leading, which is the em size
// of the font. Qt's pixel size is the em size as well, so the layout's numbers carry over unchanged and
// the glyphs come out as tall as intended whatever face the system substitutes for the named one.
QFont LayoutFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Where MS Sans Serif or Times New Roman is missing (Linux, Wine), the metric-compatible Liberation Sans
// and Liberation Serif stand in: they keep the layout's text widths better than a generic fallback. They are
// asked for by their own names: a font asked for by a name the system lacks first has the system search for
// every face that might stand in for it, the dearest step of the start-up, even when a substitute is named.
QString LayoutFamily(const QString& named, const QString& standIn) {
    return QFontDatabase::hasFamily(named) ? named : standIn;
}

QFont WindowFont() {
    static const QString family =
        LayoutFamily(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    return LayoutFont(family, 11);
}
QFont TimesFont(int pixels, bool bold = false) {
    static const QString family =
        LayoutFamily(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    return LayoutFont(family, pixels, bold);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Labels size themselves to their text: the layout's size is what the named fonts need, and a
// substituted face that runs wider makes the label grow instead of cutting the text.
void FitToText(QLabel* label, QSize layoutSize) {
    label->resize(layoutSize.expandedTo(label->sizeHint()));
}

// A label in the window's font unless the layout names another; a colour that is not valid keeps the
// parent's. A label hidden at start-up is fitted to its text when it is shown (`FitOutcomeLabels`): measuring
// the text loads its font, which start-up need not wait for.
enum class Fit { Now, WhenShown };
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  const std::optional<QFont>& font = std::nullopt, const QColor& colour = QColor(),
                  Fit fit = Fit::Now) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (font) label->setFont(*font);
    if (colour.isValid()) SetTextColour(label, colour);
    // A shown label hides the cards beneath it and takes their clicks.
    label->setAutoFillBackground(true);
    label->move(geometry.topLeft());
    if (fit == Fit::Now) {
        FitToText(label, geometry.size());
    } else {
        label->resize(geometry.size());
    }
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& text, bool checkable = false) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

QMenu* AddMenu(QMenu* parent, const char* name, const QString& text) {
    QMenu* menu = parent->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& text) {
    QMenu* menu = bar->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

HighscoreStorage HighscoreStorage::Registry() {
    return {[](HighscoreTable& table) { pairfinder::LoadHighscores(table); },
            [](const HighscoreTable& table) { pairfinder::StoreHighscores(table); }};
}

TForm1::TForm1(HighscoreStorage storage, QWidget* parent)
    : QMainWindow(parent), Game(*this), Storage(std::move(storage)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Pairfinder"));
    setFont(WindowFont());
    BuildLayout();
    BuildMenu();
    BuildPictureLists();
    ConnectHandlers();
    FrameSettle = new QTimer(this);
    FrameSettle->setSingleShot(true);
    FrameSettle->setInterval(FrameSettleTime);
    connect(FrameSettle, &QTimer::timeout, this, &TForm1::SettleFrame);
    move(WindowPosition);
    resize(WindowOuterSize);
    Handle([this] { OnCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
    Scroller = new QScrollArea(this);
    Scroller->setObjectName(QStringLiteral("ClientArea"));
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setFocusPolicy(Qt::NoFocus);
    // Nothing is anchored: a larger window leaves the layout in the top-left corner.
    Scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Canvas = new QWidget;
    Canvas->setObjectName(QStringLiteral("Canvas"));
    Canvas->setFixedSize(CanvasSize);
    Scroller->setWidget(Canvas);
    setCentralWidget(Scroller);

    for (int k = 1; k <= CellCount; ++k) {
        auto* cell = new CardCell(Canvas);
        cell->setObjectName(QStringLiteral("Image%1").arg(k));
        cell->setGeometry(metrics::CardMargin + metrics::CardPitch * ((k - 1) % metrics::CardColumns),
                          metrics::CardMargin + metrics::CardPitch * ((k - 1) / metrics::CardColumns),
                          metrics::CardSize, metrics::CardSize);
        Images[static_cast<std::size_t>(k - 1)] = cell;
    }

    // The outcome of a finished game, hidden until then.
    lbl_ferdisch = MakeLabel(Canvas, "lbl_ferdisch", QStringLiteral("FERTIG!!"), {136, 104, 289, 73},
                             TimesFont(64, true), Purple, Fit::WhenShown);

    lbl_Name = MakeLabel(Canvas, "lbl_Name", QStringLiteral("Namen für die Highsorce noch schnell eingeben:"),
                         {184, 216, 230, 13}, std::nullopt, QColor(), Fit::WhenShown);

    edt_Name = new QLineEdit(Canvas);
    edt_Name->setObjectName(QStringLiteral("edt_Name"));
    edt_Name->setGeometry(184, 232, 233, 21);

    btn_Save = MakeButton(Canvas, "btn_Save", QStringLiteral("&Save"), {248, 272, 113, 25});

    lbl_Looser = MakeLabel(Canvas, "lbl_Looser", QStringLiteral("Leider reicht es für die Highscore nicht."),
                           {120, 248, 382, 27}, TimesFont(24), Navy, Fit::WhenShown);

    // The name entry must stay reachable over every card and label.
    edt_Name->raise();
    btn_Save->raise();

    Panel1 = MakePanel(Canvas, "Panel1", {592, 328, 129, 241});
    btn_Mix = MakeButton(Panel1, "btn_Mix", QStringLiteral("&MIX IT"), {16, 24, 97, 33});
    Image65 = new QLabel(Panel1);
    Image65->setObjectName(QStringLiteral("Image65"));
    Image65->setGeometry(16, 88, artwork::LogoSize.width(), artwork::LogoSize.height());
    Image65->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image65->setPixmap(artwork::Render(artwork::LogoPath(), artwork::LogoSize, devicePixelRatioF()));
    btn_End = MakeButton(Panel1, "btn_End", QStringLiteral("&END IT"), {16, 184, 97, 33});

    Panel2 = MakePanel(Canvas, "Panel2", {592, 152, 129, 81});
    Panel2->setFont(WindowFont());
    SetTextColour(Panel2, Navy);
    // Panel2 writes in navy, but its labels ask for the ordinary text colour.
    const QColor windowText = palette().color(QPalette::WindowText);
    Label1 =
        MakeLabel(Panel2, "Label1", QStringLiteral("Versuche:"), {16, 8, 84, 23}, TimesFont(21), windowText);
    lbl_Count = MakeLabel(Panel2, "lbl_Count", QStringLiteral("0"), QRect(QPoint(72, 40), CountLabelSize),
                          TimesFont(21), windowText);
    lbl_Count->setLayoutDirection(Qt::LeftToRight);

    setTabOrder(btn_Mix, btn_End);
    setTabOrder(btn_End, edt_Name);
    setTabOrder(edt_Name, btn_Save);
}

void TForm1::BuildMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* game1 = AddMenu(MainMenu1, "Game1", QStringLiteral("&Game"));
    Mixitnew1 = AddItem(game1, "Mixitnew1", QStringLiteral("&Mix it"));
    Ferdisch1 = AddItem(game1, "Ferdisch1", QStringLiteral("&Ferdisch"));

    QMenu* ansicht1 = AddMenu(MainMenu1, "Ansicht1", QStringLiteral("&Ansicht"));
    QMenu* deckblatt = AddMenu(ansicht1, "Deckblatt", QStringLiteral("Deckblatt"));
    QMenu* spieldeck = AddMenu(ansicht1, "Spieldeck", QStringLiteral("Spieldeck"));
    // One item for each picture folder the build found.
    for (int k = 1; k <= artwork::BackCount; ++k) {
        Blatt.push_back(AddItem(deckblatt, QStringLiteral("Blatt%1").arg(k).toLatin1().constData(),
                                QStringLiteral("Deckblatt %1").arg(k), true));
    }
    for (int k = 1; k <= artwork::FaceSetCount; ++k) {
        Deck.push_back(AddItem(spieldeck, QStringLiteral("Deck%1").arg(k).toLatin1().constData(),
                               QStringLiteral("Deck %1").arg(k), true));
    }

    // These lines only display the table; they have no action.
    QMenu* highscore1 = AddMenu(MainMenu1, "Highscore1", QStringLiteral("&Highscore"));
    Erster = AddItem(highscore1, "Erster", QStringLiteral("Erster"));
    Zweiter = AddItem(highscore1, "Zweiter", QStringLiteral("Zweiter"));
    Dritter = AddItem(highscore1, "Dritter", QStringLiteral("Dritter"));
}

void TForm1::BuildPictureLists() {
    const qreal ratio = devicePixelRatioF();
    for (int set = 0; set < artwork::FaceSetCount; ++set) {
        auto* list = new PictureList(artwork::FaceSetPaths(set), ratio, this);
        list->setObjectName(QStringLiteral("MasterList%1").arg(set + 1));
        MasterList.push_back(list);
    }
    FakeList = new PictureList(this);
    FakeList->setObjectName(QStringLiteral("FakeList"));
    DeckblattList = new PictureList(artwork::BackPaths(), ratio, this);
    DeckblattList->setObjectName(QStringLiteral("DeckblattList"));
}

void TForm1::ConnectHandlers() {
    const auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
        connect(sender, signal, this, [this, handler] { Handle([this, handler] { (this->*handler)(); }); });
    };
    on(btn_Mix, &QPushButton::clicked, &TForm1::btn_MixClick);
    on(btn_End, &QPushButton::clicked, &TForm1::btn_EndClick);
    on(btn_Save, &QPushButton::clicked, &TForm1::btn_SaveClick);
    on(Mixitnew1, &QAction::triggered, &TForm1::Mixitnew1Click);
    on(Ferdisch1, &QAction::triggered, &TForm1::Ferdisch1Click);
    // Menu item k feeds BlattClick(k) or DeckClick(k), which Blatt1Click .. Deck4Click name.
    const auto onItem = [this](QAction* item, void (TForm1::*handler)(int), int k) {
        connect(item, &QAction::triggered, this,
                [this, handler, k] { Handle([this, handler, k] { (this->*handler)(k); }); });
    };
    for (std::size_t i = 0; i < Blatt.size(); ++i)
        onItem(Blatt[i], &TForm1::BlattClick, static_cast<int>(i) + 1);
    for (std::size_t i = 0; i < Deck.size(); ++i)
        onItem(Deck[i], &TForm1::DeckClick, static_cast<int>(i) + 1);
}

void TForm1::FitCountLabel() {
    FitToText(lbl_Count, CountLabelSize);
}

void TForm1::FitOutcomeLabels() {
    for (QLabel* label : {lbl_ferdisch, lbl_Name, lbl_Looser}) FitToText(label, label->size());
}

void TForm1::Handle(const std::function<void()>& handler) {
    if (Closed) return;
    Guarded(handler);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Handle([this] { OnClose(); });
    event->accept();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // A key the focused control did not want lands here. A button's letter alone presses it, as long
    // as the player is not typing a name.
    const auto modifiers = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::NoModifier && !edt_Name->hasFocus()) {
        for (QPushButton* button : {btn_Mix, btn_End, btn_Save}) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            if (button->isVisible() && button->isEnabled() && !mnemonic.isEmpty() &&
                mnemonic[0].key() == event->key()) {
                button->click();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window system that frames a window as it shows it has told all there is to tell.
    SettleFrame();
}

// A window manager reports its frame some time after the window is shown, by moving the client area into it.
void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrame();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitFrame();
}

void TForm1::FitFrame() {
    // The window manager tells one change in a burst of reports; it is settled once they have stopped.
    if (isVisible()) FrameSettle->start();
}

void TForm1::SettleFrame() {
    if (!isVisible()) return;
    if (const auto client = Frames.Settle({frameGeometry().size() - size(), size(), windowState()})) {
        resize(*client);
    }
}

}  // namespace pairfinder
