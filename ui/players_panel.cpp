// The players' panel: the line that says whose turn it is and a row for each player, where the layout puts them.
#include "players_panel.h"

#include <QFontMetrics>
#include <QLabel>

#include "qt_text.h"
#include "window_layout.h"

namespace pairfinder {

namespace {

constexpr int LineHeight = layout::ScoreRow.Height / 2;
// Between the turn's mark and the name.
constexpr int MarkGap = 3;
// The pairs and attempts are written softer than the names above them, so that each row reads as a name and its line;
// dark enough to be read at more than 7 : 1 on the window's grey.
const QColor ScoreInk(80, 80, 80);

QLabel* PlainLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // A player's name is shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The name as wide as `width` allows in `font`, its end cut with an ellipsis.
QString Fitted(const std::string& name, const QFont& font, int width) {
    return QFontMetrics(font).elidedText(QString::fromStdString(name), Qt::ElideRight, width);
}

}  // namespace

SeatRow::SeatRow(int number, QWidget* parent) : QWidget(parent) {
    const QString n = QString::number(number);
    setObjectName(QStringLiteral("Seat") + n);
    setGeometry(layout::ScoreRow.Left, layout::ScoreRow.Top + (number - 1) * layout::ScoreRowPitch,
                layout::ScoreRow.Width, layout::ScoreRow.Height);
    Mark = PlainLabel(QStringLiteral("SeatMark") + n, this);
    Name = PlainLabel(QStringLiteral("SeatName") + n, this);
    Score = PlainLabel(QStringLiteral("SeatScore") + n, this);
    QPalette soft = Score->palette();
    soft.setColor(QPalette::WindowText, ScoreInk);
    Score->setPalette(soft);
    // The names line up whichever row holds the mark; the pairs and attempts below take the row's whole width, so
    // that the counts of a long game still show whole.
    const int marked = fontMetrics().horizontalAdvance(QtText(TurnMark)) + MarkGap;
    Mark->setGeometry(0, 0, marked, LineHeight);
    Name->setGeometry(marked, 0, width() - marked, LineHeight);
    Score->setGeometry(0, LineHeight, width(), height() - LineHeight);
}

void SeatRow::Show(const Seat& seat, bool toPlay) {
    Mark->setText(toPlay ? QtText(TurnMark) : QString());
    QFont font = this->font();
    font.setBold(toPlay);
    Name->setFont(font);
    Name->setText(Fitted(seat.Name, font, Name->width()));
    Score->setText(QtText(SeatScoreLine(seat)));
    setAccessibleName(QtText(SeatRowSpoken(seat, toPlay)));
    show();
}

void ShowSeats(QWidget& panel, const std::vector<Seat>& seats, int turn) {
    if (seats.size() < 2 || turn < 0 || static_cast<std::size_t>(turn) >= seats.size()) {
        panel.hide();
        return;
    }
    auto* line = panel.findChild<QLabel*>(QStringLiteral("TurnLine"), Qt::FindDirectChildrenOnly);
    if (!line) {
        line = PlainLabel(QStringLiteral("TurnLine"), &panel);
        line->setGeometry(layout::TurnLine.Left, layout::TurnLine.Top, layout::TurnLine.Width,
                          layout::TurnLine.Height);
        for (int number = 1; number <= layout::MostSeats; ++number) new SeatRow(number, &panel);
    }
    // The sentence keeps its words; only the name is cut to make it fit.
    const Seat& toPlay = seats[static_cast<std::size_t>(turn)];
    const int words = line->fontMetrics().horizontalAdvance(QtText(TurnOfSpoken(Seat{})));
    Seat shown = toPlay;
    shown.Name = Fitted(toPlay.Name, line->font(), line->width() - words).toStdString();
    line->setText(QtText(TurnOfSpoken(shown)));
    line->setAccessibleName(QtText(TurnOfSpoken(toPlay)));
    for (int number = 1; number <= layout::MostSeats; ++number) {
        auto* row = panel.findChild<SeatRow*>(QStringLiteral("Seat%1").arg(number), Qt::FindDirectChildrenOnly);
        const auto i = static_cast<std::size_t>(number - 1);
        if (i < seats.size()) {
            row->Show(seats[i], number - 1 == turn);
        } else {
            row->hide();
        }
    }
    panel.show();
}

}  // namespace pairfinder
