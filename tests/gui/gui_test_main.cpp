#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "support/temporary_folder.h"

// Widgets need an application object; tests run without a display and with the "C" locale so
// that number texts do not depend on the machine. Settings, Qt's own among them (the file
// dialog keeps its state there), go to a folder of the run instead of the real home folder.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const solvara::testing::TemporaryFolder home;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home.path() / "config").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home.path() / "data").string()));
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
