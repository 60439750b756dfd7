// Grabs the window in the states a player sees (start, a face, a failed pair, a found pair, the finish, the
// loser's label, every menu, and each smaller board in play and finished) as PNG files, so that a change to how the window is built can be shown to leave
// every pixel as it was. tools/window-grabs runs it with the clock held still, so the deal is the same.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "board_walk.h"
#include "card_cell.h"
#include "main_window.h"

namespace {

using pairfinder::TForm1;

// A grab of a window that never came on the screen would compare as a change; stop instead.
void Expose(QWidget& widget) {
    if (QTest::qWaitForWindowExposed(&widget)) return;
    std::fprintf(stderr, "window_grabs: %s did not come on the screen\n", qPrintable(widget.objectName()));
    std::exit(1);
}

class Grabber {
public:
    explicit Grabber(QString folder) : Folder(std::move(folder)) {}

    void Grab(QWidget& widget, const QString& name) {
        QApplication::processEvents();
        widget.grab().save(Folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // Every menu of the bar and every submenu, opened as a player opens them.
    void GrabMenus(TForm1& form, const QString& stem) {
        for (QMenu* menu : form.menuBar()->findChildren<QMenu*>()) {
            menu->popup(form.mapToGlobal(QPoint(0, 0)));
            Expose(*menu);
            Grab(*menu, stem + QLatin1Char('-') + menu->objectName());
            menu->hide();
        }
    }

private:
    QString Folder;
};

pairfinder::CardCell* Cell(TForm1& form, int p) {
    return form.findChild<pairfinder::CardCell*>(QStringLiteral("Image%1").arg(p + 1));
}

void Click(TForm1& form, int p) {
    QTest::mouseClick(Cell(form, p), Qt::LeftButton);
}

void ClearBoard(TForm1& form, int misses) {
    for (int i = 0; i < misses; ++i) {
        const int first = pairfinder::testing::HiddenCard(form.Board());
        Click(form, first);
        Click(form, pairfinder::testing::StrangerTo(form.Board(), first));
    }
    for (int p = 0; p < form.Board().CardCount; ++p) {
        if (form.Board().Matched[static_cast<std::size_t>(p)]) continue;
        const int partner = pairfinder::testing::PartnerOf(form.Board(), p);
        const bool open = form.Board().FaceUp[static_cast<std::size_t>(p)] != 0;
        Click(form, open ? partner : p);
        Click(form, open ? p : partner);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_grabs FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    Grabber grabber(folder);

    {
        TForm1 form;
        form.show();
        Expose(form);
        grabber.Grab(form, QStringLiteral("start"));
        grabber.GrabMenus(form, QStringLiteral("start"));
        const int first = pairfinder::testing::HiddenCard(form.Board());
        Click(form, first);
        grabber.Grab(form, QStringLiteral("one-face"));
        Click(form, pairfinder::testing::StrangerTo(form.Board(), first));
        grabber.Grab(form, QStringLiteral("failed-pair"));
        const int next = pairfinder::testing::HiddenCard(form.Board());
        Click(form, next);
        Click(form, pairfinder::testing::PartnerOf(form.Board(), next));
        grabber.Grab(form, QStringLiteral("found-pair"));
        ClearBoard(form, 0);
        grabber.Grab(form, QStringLiteral("finished"));
        auto* name = form.findChild<QLineEdit*>(QStringLiteral("edt_Name"));
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClicks(name, QStringLiteral("Grabbe"));
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btn_Save")), Qt::LeftButton);
        grabber.Grab(form, QStringLiteral("saved"));
        grabber.GrabMenus(form, QStringLiteral("saved"));
    }
    {
        // Two more results fill the table, so a game of many misses misses it.
        for (int game = 0; game < 2; ++game) {
            TForm1 form;
            form.show();
            Expose(form);
            ClearBoard(form, 0);
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btn_Save")), Qt::LeftButton);
        }
        TForm1 form;
        form.show();
        Expose(form);
        ClearBoard(form, 3);
        grabber.Grab(form, QStringLiteral("loser"));
    }
    // Each smaller board, chosen from the menu; the full board's grabs above are taken before any is chosen, as
    // the choice is kept for the next start.
    for (const pairfinder::BoardSize& board : pairfinder::BoardSizes) {
        if (board == pairfinder::FullBoard) continue;
        TForm1 form;
        form.show();
        Expose(form);
        const QString stem = QStringLiteral("board-%1-").arg(board.Pairs);
        form.findChild<QAction*>(QStringLiteral("Feld%1").arg(pairfinder::MenuNumberOf(board)))->trigger();
        grabber.Grab(form, stem + QStringLiteral("start"));
        const int first = pairfinder::testing::HiddenCard(form.Board());
        Click(form, first);
        Click(form, pairfinder::testing::StrangerTo(form.Board(), first));
        grabber.Grab(form, stem + QStringLiteral("failed-pair"));
        const int next = pairfinder::testing::HiddenCard(form.Board());
        Click(form, next);
        Click(form, pairfinder::testing::PartnerOf(form.Board(), next));
        grabber.Grab(form, stem + QStringLiteral("found-pair"));
        ClearBoard(form, 0);
        grabber.Grab(form, stem + QStringLiteral("finished"));
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btn_Save")), Qt::LeftButton);
        grabber.GrabMenus(form, stem + QStringLiteral("saved"));
    }
    return 0;
}
