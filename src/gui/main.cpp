#include <QApplication>
#include <QSettings>

#include "gui/app/installer_switch.h"
#include "gui/app/main_frame.h"
#include "gui/app/message_box_questions.h"
#include "gui/app/solvara_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setApplicationName(QStringLiteral("Solvara"));
    QApplication::setDesktopFileName(QStringLiteral("com.orvane.Solvara"));
    QSettings store(QStringLiteral("Orvane"), QStringLiteral("Solvara"));

    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() == 1) {
        if (const auto installer = solvara::installerSwitchOf(arguments.front()))
            return solvara::runInstallerSwitch(*installer, store);
    }

    solvara::MessageBoxQuestions questions;
    solvara::CSolvaraApp app(store, questions);
    app.start(arguments);
    questions.setParent(&app.mainWindow());
    return QApplication::exec();
}
