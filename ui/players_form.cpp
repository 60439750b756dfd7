// The players' form: a field per person, and against the computer its level and pace, taken by Enter.
#include "players_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt_text.h"

namespace pairfinder {

namespace {

// The field takes more than the rules allow, so that a name too long is said beside it rather than cut unseen.
constexpr int FieldLength = 4 * LongestPlayerName;

// A fault is read in the colour of an error, and never in it alone: its words stand beside the field.
const QColor FaultInk(160, 0, 0);

template <std::size_t N>
QComboBox* Choices(const std::array<std::string_view, N>& captions, int current, std::string_view label,
                   QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (std::string_view caption : captions) box->addItem(Words(caption));
    box->setCurrentIndex(current);
    box->setAccessibleName(Words(label));
    return box;
}

}  // namespace

PlayersForm::PlayersForm(const PlayersChoice& offered, QWidget* parent) : QDialog(parent), Offered(offered) {
    setObjectName(QStringLiteral("PlayersForm"));
    setWindowTitle(Words(PlayersFormCaption));
    setModal(true);

    auto* grid = new QGridLayout(this);
    const int people = PeopleOf(offered.Who);
    for (int i = 0; i < people; ++i) {
        const QString number = QString::number(i + 1);
        const QString label = QtText(PlayerFieldLabel(offered.Who, i));
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("PlayerName") + number);
        field->setMaxLength(FieldLength);
        // A name as long as the rules allow shows whole.
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (LongestPlayerName + 6));
        field->setAccessibleName(label);
        const auto seat = static_cast<std::size_t>(i);
        if (seat < offered.Names.size()) field->setText(QtText(offered.Names[seat]));
        auto* caption = new QLabel(label, this);
        caption->setTextFormat(Qt::PlainText);
        caption->setBuddy(field);
        auto* fault = new QLabel(this);
        fault->setObjectName(QStringLiteral("PlayerFault") + number);
        fault->setTextFormat(Qt::PlainText);
        QPalette ink = fault->palette();
        ink.setColor(QPalette::WindowText, FaultInk);
        fault->setPalette(ink);
        grid->addWidget(caption, i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(fault, i, 2);
        Fields.push_back(field);
        Faults.push_back(fault);
    }
    if (offered.Who == Company::Computer) {
        Strength = Choices(LevelCaptions, static_cast<int>(offered.Strength), LevelLabel, this);
        Strength->setObjectName(QStringLiteral("Strength"));
        Speed = Choices(PaceCaptions, static_cast<int>(offered.Speed), PaceLabel, this);
        Speed->setObjectName(QStringLiteral("Speed"));
        int row = people;
        for (auto [box, label] : {std::pair{Strength, LevelLabel}, std::pair{Speed, PaceLabel}}) {
            auto* caption = new QLabel(Words(label), this);
            caption->setBuddy(box);
            grid->addWidget(caption, row, 0);
            grid->addWidget(box, row++, 1);
        }
    }
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* take = buttons->addButton(Words(PlayersFormTake), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("Take"));
    QPushButton* cancel = buttons->addButton(Words(PlayersFormCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    // Enter takes the form from any field; Escape leaves it, as the dialog's own keys do.
    cancel->setAutoDefault(false);
    take->setDefault(true);
    connect(take, &QPushButton::clicked, this, [this] { Take(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(buttons, grid->rowCount(), 0, 1, 3);

    if (!Fields.empty()) {
        Fields.front()->setFocus(Qt::OtherFocusReason);
        // The name offered is typed over, as a player who tabs into it expects.
        Fields.front()->selectAll();
    }
}

void PlayersForm::Take() {
    PlayersChoice choice = Offered;
    choice.Names.clear();
    for (const QLineEdit* field : Fields) choice.Names.push_back(field->text().toStdString());
    const std::vector<std::string> faults = PlayerNameFaults(choice.Names);
    QLineEdit* firstWrong = nullptr;
    for (std::size_t i = 0; i < Fields.size() && i < faults.size(); ++i) {
        const QString fault = QtText(faults[i]);
        Faults[i]->setText(fault);
        Fields[i]->setAccessibleDescription(fault);
        if (!fault.isEmpty() && !firstWrong) firstWrong = Fields[i];
    }
    if (firstWrong) {
        // The form widens to the faults beside the fields, each on one line.
        adjustSize();
        firstWrong->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Strength) choice.Strength = static_cast<Level>(Strength->currentIndex());
    if (Speed) choice.Speed = static_cast<Pace>(Speed->currentIndex());
    Taken = PlayersText(choice);
    accept();
}

}  // namespace pairfinder
