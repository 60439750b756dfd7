// The floor for start-up and memory: a bare Qt window with 64 picture labels and nothing else; with
// "--menu" it also gets a one-entry menu bar, the least text a window can show.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto* canvas = new QWidget;
    canvas->setFixedSize(723, 584);
    QPixmap picture(60, 60);
    picture.fill(QColor(32, 80, 160));
    for (int k = 0; k < 64; ++k) {
        auto* label = new QLabel(canvas);
        label->setGeometry(8 + 72 * (k % 8), 8 + 72 * (k / 8), 60, 60);
        label->setPixmap(picture);
    }
    // Any text at all wakes the font system, whose start-up is most of what a real window adds to the floor.
    if (QApplication::arguments().contains(QStringLiteral("--menu"))) {
        window.menuBar()->addMenu(QStringLiteral("&Game"));
    }
    window.setCentralWidget(canvas);
    window.move(188, 70);
    window.resize(739, 645);
    window.show();
    return app.exec();
}
