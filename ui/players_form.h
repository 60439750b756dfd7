// The form in which the players of a game together name themselves, and choose how the computer plays against one
// of them; the rules judge the names, and each fault stands beside its field.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "players.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace pairfinder {

class PlayersForm : public QDialog {
    Q_OBJECT

public:
    // Offers the names, level and pace of `offered`, for its company.
    explicit PlayersForm(const PlayersChoice& offered, QWidget* parent = nullptr);

    // The form's answer as the rules take it (PlayersText); empty until the form was taken.
    const std::string& Answer() const { return Taken; }

    // The people's fields in the order they play.
    const std::vector<QLineEdit*>& NameFields() const { return Fields; }

private:
    // Says beside each field what is wrong with it; with nothing wrong, takes the form.
    void Take();

    PlayersChoice Offered;
    std::string Taken;
    std::vector<QLineEdit*> Fields;
    std::vector<QLabel*> Faults;
    QComboBox* Strength = nullptr;
    QComboBox* Speed = nullptr;
};

}  // namespace pairfinder
