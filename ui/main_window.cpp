// The game's one window, TForm1: building its controls, menu and picture lists, and its keyboard rules.
#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <chrono>
#include <optional>
#include <utility>

#include "accessible_window.h"
#include "artwork.h"
#include "card_cell.h"
#include "card_grid.h"
#include "choices.h"
#include "error_guard.h"
#include "highscore_store.h"
#include "picture_list.h"
#include "qt_text.h"
#include "window_layout.h"

namespace pairfinder {

namespace {

// How long the window manager stays quiet before what it said of the window's frame is settled: longer than
// the burst of reports of one change, too short for the player to see the fitted size come late.
constexpr std::chrono::milliseconds FrameSettleTime(100);

QRect Geometry(const layout::Rect& rect) {
    return {rect.Left, rect.Top, rect.Width, rect.Height};
}

// Where MS Sans Serif or Times New Roman is missing (Linux, Wine), the metric-compatible Liberation Sans
// and Liberation Serif stand in: they keep the layout's text widths better than a generic fallback. They are
// asked for by their own names: a font asked for by a name the system lacks first has the system search for
// every face that might stand in for it, the dearest step of the start-up, even when a substitute is named.
QString LayoutFamily(layout::Face face) {
    const layout::FaceNames names = layout::NamesOf(face);
    return QFontDatabase::hasFamily(QtText(names.Named)) ? QtText(names.Named) : QtText(names.StandIn);
}

// The layout gives font heights as character heights without internal leading, which is the em size
// of the font. Qt's pixel size is the em size as well, so the layout's numbers carry over unchanged and
// the glyphs come out as tall as intended whatever face the system substitutes for the named one.
QFont LayoutFont(const layout::Font& layoutFont) {
    static const QString window = LayoutFamily(layout::Face::Window);
    static const QString times = LayoutFamily(layout::Face::Times);
    QFont font(layoutFont.Family == layout::Face::Window ? window : times);
    font.setPixelSize(layoutFont.Pixels);
    font.setBold(layoutFont.Bold);
    return font;
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

// A control's font and text colour as the layout gives them; what it does not give is the parent's.
void Dress(QWidget* widget, const layout::Control& control, const QColor& windowText) {
    if (control.TextFont) widget->setFont(LayoutFont(*control.TextFont));
    if (control.TextInk.From == layout::Ink::WindowText) SetTextColour(widget, windowText);
    if (control.TextInk.From == layout::Ink::Own) {
        const layout::Rgb& rgb = control.TextInk.Colour;
        SetTextColour(widget, QColor(rgb.Red, rgb.Green, rgb.Blue));
    }
    if (control.LeftToRight) widget->setLayoutDirection(Qt::LeftToRight);
}

// A label hidden at start-up (an outcome label) is fitted to its text when it is shown (`FitOutcomeLabels`):
// measuring the text loads its font, which start-up need not wait for.
QLabel* MakeLabel(QWidget* parent, const layout::Control& control, const QColor& windowText) {
    // The count's "0" is a number, no word.
    auto* label = new QLabel(control.ShowsAttempts ? QtText(control.Caption) : Words(control.Caption), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A text the game sets may hold a player's name, which is shown as typed.
    if (control.Wraps) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    Dress(label, control, windowText);
    // A shown label hides the cards beneath it and takes their clicks.
    label->setAutoFillBackground(true);
    label->move(control.Geometry.Left, control.Geometry.Top);
    const QSize size(control.Geometry.Width, control.Geometry.Height);
    if (control.ShownWhen != layout::Outcome::None) {
        label->resize(size);
    } else {
        FitToText(label, size);
    }
    return label;
}

QPushButton* MakeButton(QWidget* parent, const layout::Control& control) {
    auto* button = new QPushButton(Words(control.Caption), parent);
    button->setGeometry(Geometry(control.Geometry));
    button->setAutoDefault(false);
    return button;
}

QFrame* MakePanel(QWidget* parent, const layout::Control& control, const QColor& windowText) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(Geometry(control.Geometry));
    Dress(panel, control, windowText);
    return panel;
}

QLabel* MakeLogo(QWidget* parent, const layout::Control& control, qreal ratio) {
    auto* logo = new QLabel(parent);
    logo->setGeometry(Geometry(control.Geometry));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setPixmap(artwork::Render(artwork::LogoPath(), logo->size(), ratio));
    return logo;
}

QAction* AddItem(QMenu* menu, const QString& name, const QString& text, bool checkable = false) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

}  // namespace

HighscoreStorage HighscoreStorage::Registry() {
    return {[](HighscoreTable& table, const BoardSize& board) { pairfinder::LoadHighscores(table, board); },
            [](const HighscoreTable& table, const BoardSize& board) { pairfinder::StoreHighscores(table, board); },
            [] { return LoadBoardChoice(); }, [](const BoardSize& board) { StoreBoardChoice(board); },
            [] { return LoadOwnDeckChoice(); }, [](bool inUse) { StoreOwnDeckChoice(inUse); },
            [] { return LoadPlayersChoice(); }, [](const PlayersChoice& choice) { StorePlayersChoice(choice); },
            [] { return LoadLanguageChoice(); }, [](std::string_view code) { StoreLanguageChoice(code); }};
}

TForm1::TForm1(HighscoreStorage storage, SecondsClock clock, LanguagesAsked languages)
    : Game(*this, std::move(clock)), Storage(std::move(storage)), Asked(std::move(languages)) {
    setObjectName(QStringLiteral("Form1"));
    InstallAccessibleInterfaces();
    setWindowTitle(QtText(layout::Title));
    setFont(LayoutFont(layout::WindowFont));
    BuildLayout();
    BuildMenu();
    BuildPictureLists();
    ConnectHandlers();
    FrameSettle = new QTimer(this);
    FrameSettle->setSingleShot(true);
    FrameSettle->setInterval(FrameSettleTime);
    connect(FrameSettle, &QTimer::timeout, this, &TForm1::SettleFrame);
    move(layout::WindowPosition.X, layout::WindowPosition.Y);
    resize(layout::WindowOuterSize.Width, layout::WindowOuterSize.Height);
    setAcceptDrops(true);
    // German is in play before the rules put another language in play.
    SpeakIn(Languages[0].Code);
    Handle([this] { OnCreate(); });
}

TForm1::~TForm1() {
    // The words and the locale go with the window: one opened after it starts in German, as the rules expect.
    if (Catalogue) {
        QCoreApplication::removeTranslator(Catalogue);
        SetWordsLookup({});
    }
    QLocale::setDefault(LocaleBefore);
}

void TForm1::BuildLayout() {
    BuildClientArea();
    PlaceControls();
    PlaceCells();
    KeepEntriesOnTop();
    BindControls();
    for (std::size_t i = 1; i < layout::TabOrder.size(); ++i)
        setTabOrder(Placed.value(QtText(layout::TabOrder[i - 1])), Placed.value(QtText(layout::TabOrder[i])));
    setTabOrder(Placed.value(QtText(layout::TabOrder.back())), Grid);
    Speaker = new Announcer(Canvas);
}

void TForm1::BuildClientArea() {
    Scroller = new QScrollArea(this);
    Scroller->setObjectName(QStringLiteral("ClientArea"));
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setFocusPolicy(Qt::NoFocus);
    // Nothing is anchored: a larger window leaves the layout in the top-left corner.
    Scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Canvas = new QWidget;
    Canvas->setObjectName(QStringLiteral("Canvas"));
    Canvas->setFixedSize(layout::ClientSize.Width, layout::ClientSize.Height);
    Scroller->setWidget(Canvas);
    setCentralWidget(Scroller);
}

// The grid is made after the controls, so that it comes after them in the keyboard's order, and lies beneath
// them all.
void TForm1::PlaceCells() {
    Grid = new CardGrid(Canvas);
    Grid->lower();
}

// Every control of the layout table, in its order, each under its parent.
void TForm1::PlaceControls() {
    const QColor windowText = palette().color(QPalette::WindowText);
    for (const layout::Control& control : layout::Controls) {
        QWidget* parent = control.Parent.empty() ? Canvas : Placed.value(QtText(control.Parent));
        QWidget* widget = nullptr;
        switch (control.Type) {
            case layout::Kind::Label:
                widget = MakeLabel(parent, control, windowText);
                break;
            case layout::Kind::Edit:
                widget = new QLineEdit(parent);
                widget->setGeometry(Geometry(control.Geometry));
                break;
            case layout::Kind::Button:
                widget = MakeButton(parent, control);
                break;
            case layout::Kind::Panel:
                widget = MakePanel(parent, control, windowText);
                break;
            case layout::Kind::Logo:
                widget = MakeLogo(parent, control, devicePixelRatioF());
                break;
        }
        widget->setObjectName(QtText(control.Name));
        // The players' list shows only while two or more play together.
        if (control.ShowsPlayers) widget->hide();
        Placed.insert(widget->objectName(), widget);
    }
}

// The name entry must stay reachable over every card and label.
void TForm1::KeepEntriesOnTop() {
    for (const layout::Control& control : layout::Controls) {
        if (control.Parent.empty() &&
            (control.Type == layout::Kind::Edit || control.Type == layout::Kind::Button))
            Placed.value(QtText(control.Name))->raise();
    }
}

void TForm1::BindControls() {
    lbl_ferdisch = Control<QLabel>("lbl_ferdisch");
    lbl_Name = Control<QLabel>("lbl_Name");
    edt_Name = Control<QLineEdit>("edt_Name");
    lbl_Looser = Control<QLabel>("lbl_Looser");
    lbl_Count = Control<QLabel>(layout::AttemptsLabel().Name);
    // A screen reader reads the prompt as the entry's label, and the count with its caption as one status.
    lbl_Name->setBuddy(edt_Name);
    MarkAsStatus(*Control<QWidget>(layout::AttemptsLabel().Parent));
}

void TForm1::BuildMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QHash<QString, QMenu*> menus;
    for (const layout::MenuEntry& entry : layout::Menu) {
        const QString name = QtText(entry.Name);
        QMenu* parent = menus.value(QtText(entry.Parent));
        switch (entry.Purpose) {
            case layout::Role::Menu: {
                QMenu* menu =
                    parent ? parent->addMenu(Words(entry.Caption)) : MainMenu1->addMenu(Words(entry.Caption));
                menu->setObjectName(name);
                menus.insert(name, menu);
                Captions.push_back({menu->menuAction(), &entry, 0});
                break;
            }
            case layout::Role::Item:
                Commands.push_back({AddItem(parent, name, Words(entry.Caption)), entry.Does, 0});
                Captions.push_back({Commands.back().Item, &entry, 0});
                break;
            case layout::Role::Display:
                Places.push_back(AddItem(parent, name, Words(entry.Caption)));
                Captions.push_back({Places.back(), &entry, 0});
                break;
            case layout::Role::Heading:
                // Display only, and shown only once ShowHighscoreMenu has something for it to say.
                Tabelle1 = AddItem(parent, name, Words(entry.Caption));
                Tabelle1->setEnabled(false);
                Tabelle1->setVisible(false);
                break;
            case layout::Role::Check:
                EigenesDeck1 = AddItem(parent, name, Words(entry.Caption), true);
                Commands.push_back({EigenesDeck1, entry.Does, 0});
                Captions.push_back({EigenesDeck1, &entry, 0});
                break;
            case layout::Role::Separator:
                parent->addSeparator()->setObjectName(name);
                break;
            case layout::Role::Choice: {
                // One checkable item per picture the build found or per board, in menu order.
                std::vector<QAction*>& group = ChoiceItems(entry.Does);
                for (int k = 1; k <= pictures::ChoiceCount(entry.Does); ++k) {
                    group.push_back(AddItem(parent, name + QString::number(k),
                                            QtText(layout::ChoiceCaption(entry, k)), true));
                    Commands.push_back({group.back(), entry.Does, k});
                    Captions.push_back({group.back(), &entry, k});
                }
                break;
            }
        }
    }
}

std::vector<QAction*>& TForm1::ChoiceItems(layout::Command choice) {
    switch (choice) {
        case layout::Command::ChooseBack:
            return Blatt;
        case layout::Command::ChooseBoard:
            return Feld;
        case layout::Command::ChoosePlayers:
            return Spieler;
        case layout::Command::ChooseLanguage:
            return Sprachen;
        default:
            return Deck;
    }
}

void TForm1::BuildPictureLists() {
    const qreal ratio = devicePixelRatioF();
    for (int set = 0; set < artwork::FaceSetCount; ++set) {
        auto* list = new PictureList(pictures::FaceSets[static_cast<std::size_t>(set)], CardView::Face, ratio, this);
        list->setObjectName(QStringLiteral("MasterList%1").arg(set + 1));
        MasterList.push_back(list);
    }
    FakeList = new PictureList(this);
    FakeList->setObjectName(QStringLiteral("FakeList"));
    DeckblattList = new PictureList(pictures::Backs, CardView::Hidden, ratio, this);
    DeckblattList->setObjectName(QStringLiteral("DeckblattList"));
}

// Each button and menu item does what the layout table says it does.
void TForm1::ConnectHandlers() {
    for (const layout::Control& control : layout::Controls) {
        if (control.Does == layout::Command::None) continue;
        auto* button = Control<QPushButton>(control.Name);
        auto* takes = control.Takes.empty() ? nullptr : Control<QLineEdit>(control.Takes);
        connect(button, &QPushButton::clicked, this, [this, command = control.Does, takes] {
            Handle([this, command, takes] {
                Game.Run(command, 0, takes ? takes->text().toStdString() : std::string());
            });
        });
    }
    for (const MenuCommand& item : Commands) {
        connect(item.Item, &QAction::triggered, this,
                [this, item] { Handle([this, item] { Game.Run(item.Does, item.Number); }); });
    }
    // The score is said wherever the keyboard is in the window.
    auto* scoreKey = new QShortcut(QKeySequence(QtText(layout::ScoreKey)), this);
    connect(scoreKey, &QShortcut::activated, this,
            [this] { Handle([this] { Game.Run(layout::Command::SayScore); }); });
}

void TForm1::ShowWordsAnew() {
    for (const MenuCaption& caption : Captions) {
        caption.Item->setText(caption.Number > 0 ? QtText(layout::ChoiceCaption(*caption.Entry, caption.Number))
                                                 : Words(caption.Entry->Caption));
    }
    for (const layout::Control& control : layout::Controls) {
        if (control.Caption.empty() || control.ShowsAttempts) continue;
        if (auto* button = Control<QPushButton>(control.Name)) button->setText(Words(control.Caption));
        auto* label = Control<QLabel>(control.Name);
        if (!label) continue;
        label->setText(Words(control.Caption));
        // Fitted anew from the layout's size, so that a shorter text gives back the cards a longer one covered; an
        // outcome label is fitted when it is shown.
        const QSize size(control.Geometry.Width, control.Geometry.Height);
        label->resize(size);
        if (control.ShownWhen == layout::Outcome::None || label->isVisible()) FitToText(label, size);
    }
    StatusChanged(*lbl_Count->parentWidget());
    // A reader asks the cards and their grid for their words when it next reads them; it is told they changed.
    NotifyReader(*Grid, QAccessible::NameChanged);
    NotifyReader(*Grid, QAccessible::DescriptionChanged);
    for (int p = 0; p < layout::CellCount; ++p) NotifyReader(Cell(p), QAccessible::NameChanged);
}

void TForm1::FitCountLabel() {
    // The attempt label's size in the layout, for "0"; it grows and shrinks with its number.
    static constexpr layout::Rect Count = layout::AttemptsLabel().Geometry;
    FitToText(lbl_Count, {Count.Width, Count.Height});
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
    // A key the focused control did not want lands here: a button's letter alone presses it, as long as the
    // player is not typing into a text entry.
    const auto modifiers = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool typing = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    if (modifiers == Qt::NoModifier && !typing && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        const char letter = static_cast<char>('a' + (event->key() - Qt::Key_A));
        for (const layout::Control& control : layout::Controls) {
            if (!layout::LetterAlonePresses(control.Type) ||
                layout::AcceleratorOf(Tr(std::string(control.Caption).c_str())) != letter)
                continue;
            auto* button = Control<QPushButton>(control.Name);
            if (button->isVisible() && button->isEnabled()) {
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
