// What the window tells a screen reader: the cards' grid as a table of cards, each named by what it shows,
// the attempt counter as a status, and an announcer that says what a turn came to.
#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace pairfinder {

// Lets Qt make the window's own accessible interfaces. They are made only when an assistive technology asks
// for them, so a window nobody reads pays nothing but this one call.
void InstallAccessibleInterfaces();

// Tells a screen reader of a change to the object, when one listens: asking costs nothing, while the event
// itself would make the object's accessible interface.
void NotifyReader(QObject& object, QAccessible::Event type);

// Marks a panel as a status whose name is its labels' texts, "Versuche: 7", and tells a listener when that
// changes.
void MarkAsStatus(QWidget& panel);
void StatusChanged(QWidget& panel);

// Says what a press came to, in one piece: the turn, the count and the end of the game, as the rules joined them.
// It is never shown.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void Announce(const QString& text);
    // What was announced last.
    const QString& Said() const { return Announced; }

private:
    QString Announced;
};

}  // namespace pairfinder
