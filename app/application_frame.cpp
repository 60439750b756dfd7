// The application frame: the error display and the run of the one main window.
#include "application_frame.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "artwork.h"
#include "display_check.h"
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

// Qt ends the process with abort() and a core dump when no platform connection can be opened, for example
// when DISPLAY names a server that is not running. While the application starts, its messages are held
// back: a fatal one becomes one line for the player and exit code 1, and otherwise they are passed on.
class StartupMessages {
public:
    StartupMessages() { Previous = qInstallMessageHandler(&Hold); }
    ~StartupMessages() {
        qInstallMessageHandler(Previous);
        // Qt hands back its own default handler when no other was installed, so there is always one.
        for (const HeldMessage& held : Held) {
            Previous(held.Type, QMessageLogContext(nullptr, 0, nullptr, held.Category.constData()),
                     held.Text);
        }
        Held.clear();
    }
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

private:
    struct HeldMessage {
        QtMsgType Type;
        QByteArray Category;
        QString Text;
    };

    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtFatalMsg) {
            Held.push_back({type, QByteArray(context.category), text});
            return;
        }
        bool noConnection = false;
        for (const HeldMessage& held : Held) {
            noConnection = noConnection || held.Text.contains(QStringLiteral("connect to display"));
        }
        if (noConnection) {
            std::fprintf(stderr,
                         "pairfinder: no display to open the window on: cannot connect to DISPLAY=%s\n",
                         qgetenv("DISPLAY").constData());
        } else {
            std::fprintf(stderr, "pairfinder: cannot open the window: %s\n", qPrintable(text.simplified()));
        }
        std::fflush(stderr);
        std::_Exit(1);
    }

    static inline QtMessageHandler Previous = nullptr;
    static inline std::vector<HeldMessage> Held;
};

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

void SetApplicationIdentity() {
    // Docks and task bars find the launcher and its icon by this name; on Wayland it is the only link.
    QGuiApplication::setDesktopFileName(QStringLiteral(PAIRFINDER_APP_ID));
}

int RunApplication(int& argc, char** argv) {
    if (const std::string reason = MissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "pairfinder: %s\n", reason.c_str());
        return 1;
    }
    if (const std::string platform = DefaultQtPlatform();
        !platform.empty() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    }
    std::optional<StartupMessages> startup(std::in_place);
    QApplication application(argc, argv);
    startup.reset();
    SetApplicationIdentity();
    // Windows finds the icon, in all its sizes, among the program's resources.
    if (!ProgramFileCarriesIcon()) QApplication::setWindowIcon(artwork::ApplicationIcon());
    SetErrorDisplay(ShowErrorBox);
    Guarded([] {
        TForm1 form1;
        ShowAsStarted(form1);
        // Started with a deck file, as the desktop and Windows' Explorer start it to open one.
        if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1)
            form1.OpenDeckFileLater(arguments.at(1));
        QApplication::exec();
    });
    return 0;
}

}  // namespace pairfinder
