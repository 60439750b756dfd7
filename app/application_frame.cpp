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
    // Qt's SVG icon engine renders the icon only at the sizes the desktop asks for, not at start-up.
    QApplication::setWindowIcon(QIcon(artwork::IconPath()));
    SetErrorDisplay(ShowErrorBox);
    Guarded([] {
        TForm1 form1;
        form1.show();
        QApplication::exec();
    });
    return 0;
}

}  // namespace pairfinder
