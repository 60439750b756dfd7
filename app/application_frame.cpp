// The application frame: the error display and the run of the one main window.
#include "application_frame.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

#include "artwork.h"
#include "error_guard.h"
#include "frame_rules.h"
#include "main_window.h"

namespace pairfinder {

namespace {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(artwork::Render(artwork::IconPath(), QSize(size, size), 1.0));
    }
    return icon;
}

}  // namespace

void ShowErrorBox(const std::string& message) {
    // A drag or press still holding the mouse would keep input away from the box.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    const QPointer<QWidget> previous = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(QCoreApplication::applicationFilePath()),
                    QString::fromStdString(WithFullStop(message)), QMessageBox::Ok, previous.data());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (previous) previous->activateWindow();
}

int RunApplication(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    SetErrorDisplay(ShowErrorBox);
    Guarded([] {
        TForm1 form1;
        form1.show();
        QApplication::exec();
    });
    return 0;
}

}  // namespace pairfinder
