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
#include "startup_info.h"

namespace pairfinder {

namespace {

QString ThisProgramsTitle() {
    const std::string platformPath = ProgramFilePath();
    return ApplicationTitle(platformPath.empty() ? QCoreApplication::applicationFilePath()
                                                 : QString::fromStdString(platformPath));
}

void ShowAsStarted(QWidget& window) {
    switch (ShowStateFor(StartupShowCommand())) {
        case StartShowState::Maximised:
            window.showMaximized();
            break;
        case StartShowState::Minimised:
            window.showMinimized();
            break;
        case StartShowState::Normal:
            window.show();
            break;
    }
}

}  // namespace

void ShowErrorBox(const std::string& message) {
    // A drag or press still holding the mouse would keep input away from the box.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    const QPointer<QWidget> previous = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, ThisProgramsTitle(), QString::fromStdString(WithFullStop(message)),
                    QMessageBox::Ok, previous.data());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (previous) previous->activateWindow();
}

int RunApplication(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(artwork::ApplicationIcon());
    SetErrorDisplay(ShowErrorBox);
    Guarded([] {
        TForm1 form1;
        ShowAsStarted(form1);
        QApplication::exec();
    });
    return 0;
}

}  // namespace pairfinder
