// The form in which a player composes an own deck from photos.
#include "deck_composer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "board_size.h"
#include "error_guard.h"
#include "window_layout.h"
#include "own_deck.h"
#include "picture_list.h"
#include "qt_text.h"

namespace pairfinder {

namespace {

// The form shows each picture as large as the cards of the 6 × 6 board, so that a screen of 32 of them still
// shows several at once.
constexpr int ShownSide = layout::CardSideOf(BoardSizes[2]);

// A photo refused, named by its file: "„urlaub.jpg“: Die Datei ist leer."
QString Refused(const QString& file, const QString& why) {
    return Words(QT_TRANSLATE_NOOP("Pairfinder", "„%1“: %2")).arg(file, why);
}

}  // namespace

DeckComposer::DeckComposer(QStringList files, OwnDeckStore store, QWidget* parent)
    : QDialog(parent), Files(std::move(files)), Store(std::move(store)) {
    Build();
    // One photo a turn of the event loop: the progress is drawn and Abbrechen is heard between any two photos.
    Step->start();
}

DeckComposer::DeckComposer(const deck::OwnDeck& opened, std::vector<QByteArray> jpegs, OwnDeckStore store,
                           QWidget* parent)
    : QDialog(parent), DeckName(opened.Name), Store(std::move(store)) {
    Build();
    for (std::size_t i = 0; i < jpegs.size() && i < opened.Pictures.size(); ++i) {
        Photos.push_back({QString::fromStdString(opened.Pictures[i].File), {std::move(jpegs[i]), {}}});
        OpenedNames.push_back(opened.Pictures[i].Name);
    }
    ShowNames();
}

void DeckComposer::Build() {
    setObjectName(QStringLiteral("DeckComposer"));
    setWindowTitle(Words(Title));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    Pages = new QStackedWidget(this);
    layout->addWidget(Pages);

    auto* importing = new QWidget(Pages);
    auto* importingLayout = new QVBoxLayout(importing);
    ProgressText = new QLabel(importing);
    ProgressText->setObjectName(QStringLiteral("ProgressText"));
    Progress = new QProgressBar(importing);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setRange(0, static_cast<int>(Files.size()));
    Progress->setValue(0);
    Progress->setAccessibleName(Words(QT_TRANSLATE_NOOP("Pairfinder", "Fotos gelesen")));
    importingLayout->addWidget(ProgressText);
    importingLayout->addWidget(Progress);
    importingLayout->addStretch();
    Pages->addWidget(importing);

    auto* naming = new QWidget(Pages);
    NamesPage = new QVBoxLayout(naming);
    Summary = new QLabel(naming);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);
    Summary->setTextFormat(Qt::PlainText);
    NamesPage->addWidget(Summary);
    Pages->addWidget(naming);

    Buttons = new QDialogButtonBox(this);
    TakeButton = Buttons->addButton(Words(Take), QDialogButtonBox::AcceptRole);
    TakeButton->setObjectName(QStringLiteral("Take"));
    TakeButton->setEnabled(false);
    QPushButton* cancel = Buttons->addButton(Words(Cancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    // Enter takes the deck only once there is one to take; until then it presses nothing.
    cancel->setAutoDefault(false);
    TakeButton->setAutoDefault(false);
    layout->addWidget(Buttons);
    connect(TakeButton, &QPushButton::clicked, this, [this] { TakeDeck(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    Step = new QTimer(this);
    Step->setSingleShot(true);
    Step->setInterval(0);
    connect(Step, &QTimer::timeout, this, [this] { ImportNext(); });
    connect(this, &QDialog::finished, Step, &QTimer::stop);
    resize(560, 600);
}

void DeckComposer::ImportNext() {
    if (Next >= Files.size()) {
        ShowNames();
        return;
    }
    const QString& file = Files[Next];
    ProgressText->setText(Words(QT_TRANSLATE_NOOP("Pairfinder", "Foto %1 von %2: %3"))
                              .arg(Next + 1)
                              .arg(Files.size())
                              .arg(QFileInfo(file).fileName()));
    PhotoImportResult result = Importer.Import(file);
    if (result.Photo) {
        Photos.push_back({file, std::move(*result.Photo)});
    } else {
        Refusals.push_back(Refused(QFileInfo(file).fileName(), result.Refusal));
    }
    Progress->setValue(++Next);
    Step->start();
}

void DeckComposer::ShowNames() {
    QStringList said = Refusals;
    const std::string countFault = deck::PictureCountFault(static_cast<int>(Photos.size()));
    if (!countFault.empty()) said.push_back(QtText(countFault));
    Summary->setText(said.join(QLatin1Char('\n')));
    Summary->setVisible(!said.isEmpty());

    auto* scroller = new QScrollArea(Summary->parentWidget());
    scroller->setWidgetResizable(true);
    auto* rows = new QWidget(scroller);
    auto* grid = new QGridLayout(rows);
    for (std::size_t i = 0; i < Photos.size(); ++i) {
        const int row = static_cast<int>(i);
        const QString number = QString::number(row + 1);
        auto* picture = new QLabel(rows);
        picture->setFixedSize(ShownSide, ShownSide);
        picture->setPixmap(
            OwnCardPicture(QImage::fromData(Photos[i].Photo.Jpeg, "JPEG"), ShownSide, devicePixelRatioF()));
        // The picture is what the field's label names; a reader needs no second word for it.
        picture->setAccessibleName(Words(QT_TRANSLATE_NOOP("Pairfinder", "Bild %1")).arg(number));
        // The mark before the number: Alt with it reaches the field.
        auto* label = new QLabel(Words(QT_TRANSLATE_NOOP("Pairfinder", "Bild &%1")).arg(number), rows);
        auto* field = new QLineEdit(rows);
        field->setObjectName(QStringLiteral("Name") + number);
        field->setAccessibleName(Words(QT_TRANSLATE_NOOP("Pairfinder", "Name für Bild %1")).arg(number));
        field->setText(QtText(i < OpenedNames.size()
                                  ? OpenedNames[i]
                                  : deck::OfferedName(QFileInfo(Photos[i].File).fileName().toStdString())));
        label->setBuddy(field);
        auto* fault = new QLabel(rows);
        fault->setObjectName(QStringLiteral("Fault") + number);
        fault->setStyleSheet(QStringLiteral("color: #a00000;"));
        fault->setWordWrap(true);
        fault->setTextFormat(Qt::PlainText);
        grid->addWidget(picture, row, 0);
        grid->addWidget(label, row, 1);
        grid->addWidget(field, row, 2);
        grid->addWidget(fault, row, 3);
        Fields.push_back(field);
        Faults.push_back(fault);
        // Enter in a field takes the deck, as the form's default button would.
        connect(field, &QLineEdit::returnPressed, this, [this] { TakeDeck(); });
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    scroller->setWidget(rows);
    // Tab brings the field it reaches into view, as a player reaching it by keys expects.
    connect(qApp, &QApplication::focusChanged, scroller, [scroller](QWidget*, QWidget* now) {
        if (now && scroller->widget()->isAncestorOf(now)) scroller->ensureWidgetVisible(now);
    });
    NamesPage->addWidget(scroller, 1);
    Pages->setCurrentIndex(1);

    TakeButton->setEnabled(countFault.empty());
    if (!Fields.empty()) Fields.front()->setFocus(Qt::OtherFocusReason);
}

void DeckComposer::TakeDeck() {
    if (!TakeButton->isEnabled()) return;
    std::vector<std::string> names;
    for (const QLineEdit* field : Fields) names.push_back(field->text().toStdString());
    const std::vector<std::string> faults = deck::NameFaults(names);
    QLineEdit* firstWrong = nullptr;
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const QString fault = QtText(faults[i]);
        Faults[i]->setText(fault);
        Fields[i]->setAccessibleDescription(fault);
        if (!fault.isEmpty() && !firstWrong) firstWrong = Fields[i];
    }
    if (firstWrong) {
        firstWrong->setFocus(Qt::OtherFocusReason);
        return;
    }

    deck::OwnDeck deck{DeckName, {}};
    std::vector<QByteArray> jpegs;
    for (std::size_t i = 0; i < Photos.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        deck.Pictures.push_back({QStringLiteral("bild-%1.jpg").arg(number, 2, 10, QLatin1Char('0')).toStdString(),
                                 deck::NormalName(names[i])});
        jpegs.push_back(Photos[i].Photo.Jpeg);
    }
    // A deck that cannot be stored is said in the error box; the form stays, with everything typed, and the deck
    // stored before is still the one that plays.
    Guarded([&] {
        Store.Replace(deck, jpegs);
        accept();
    });
}

}  // namespace pairfinder
