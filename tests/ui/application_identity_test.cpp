// The running program names its desktop entry, so that docks link its window to the launcher and icon.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "application_frame.h"

namespace pairfinder {
namespace {

TEST(ApplicationIdentity, NamesTheDesktopEntryThatIsInstalled) {
    const QFileInfo entry(QStringLiteral(PAIRFINDER_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.exists()) << PAIRFINDER_DESKTOP_ENTRY;
    SetApplicationIdentity();
    // The name goes without ".desktop", as Wayland's application id and the freedesktop rules want it.
    EXPECT_EQ(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), entry.fileName());

    QFile file(entry.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + QGuiApplication::desktopFileName() + u'\n'))
        << "the entry's icon is installed under the same name";
}

}  // namespace
}  // namespace pairfinder
