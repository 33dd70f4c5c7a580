#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

// Widgets need an application object; tests run without a display and with the "C" locale so
// that number texts do not depend on the machine.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
