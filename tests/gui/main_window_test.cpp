#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "core/bufferdoc/solvara_doc_file.h"
#include "core/program/program_defaults.h"
#include "gui/app/document_workspace.h"
#include "gui/app/main_frame.h"
#include "gui/app/solvara_app.h"
#include "gui/model/program_session.h"
#include "gui/model/typed_document_model.h"
#include "gui/widgets/qt_text.h"
#include "support/scripted_questions.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::ScriptedQuestions;
using testing::TemporaryFolder;

constexpr const char* cannotOpenDatabase =
    "Can't open program database file.\nProgram will start with a limited database.";

// A program started as a user with a fresh home folder would start it: its settings file and
// per-user data folder live in a temporary folder.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : runDataHome(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(fromPath(home.path())));
    }
    ~MainWindowTest() override {
        closeDialogs();
        qputenv("XDG_DATA_HOME", runDataHome);
    }

    std::filesystem::path dataFolder() const { return home.path() / "Orvane" / "Solvara"; }
    QString settingsFile() const { return fromPath(home.path() / "Solvara.conf"); }

    // A new run of the program on the same home folder.
    CSolvaraApp& start(const QStringList& files = {}) {
        closeDialogs();
        app.reset();
        store = std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
        app = std::make_unique<CSolvaraApp>(*store, questions);
        app->start(files);
        return *app;
    }
    CMainFrame& window() { return app->mainWindow(); }
    const auto& documents() { return window().workspace().documents(); }

    // The tip of the day and the help window open beside the main window.
    static void closeDialogs() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && qobject_cast<CMainFrame*>(top) == nullptr) top->close();
        }
    }

    QByteArray runDataHome;
    TemporaryFolder home;
    ScriptedQuestions questions;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<CSolvaraApp> app;
};

TEST_F(MainWindowTest, FirstStartOpensANewBufferAndTheTipAndExitWritesTheSettings) {
    start();
    EXPECT_TRUE(questions.log.empty()) << questions.log.front();
    ASSERT_EQ(documents().size(), 1u);
    const auto* design = dynamic_cast<const BufferDocumentModel*>(documents().front().get());
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->title(), "Buffer1");
    EXPECT_EQ(design->core().inputs().pH, 7.0);
    EXPECT_EQ(design->core().concentrationShown(), 0.025);
    EXPECT_EQ(design->core().volumeShown(), 1.0);
    EXPECT_FALSE(design->core().inputs().forceIonicStrength);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "Solvara");
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool tipShown = std::any_of(windows.cbegin(), windows.cend(), [](QWidget* top) {
        return top->isVisible() && top->windowTitle() == "Tip of the day";
    });
    EXPECT_TRUE(tipShown);

    ASSERT_TRUE(window().exitSequence());
    QSettings written(settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(written.value("Settings/DisplayDigits").toInt(), 4);
    EXPECT_TRUE(written.contains("Settings/CurrentTip"));
}

TEST_F(MainWindowTest, ADatabaseFileThatCannotBeReadIsReportedAtStartUp) {
    std::filesystem::create_directories(dataFolder());
    testing::writeFile(dataFolder() / "Solvaradatabase.dat", std::string("\0\0\3\0", 4));
    start();
    EXPECT_EQ(questions.log,
              (std::vector<std::string>{"Wrong version of the buffers database file.",
                                        cannotOpenDatabase}));
    // A chosen file that is not there is no first run: the user is told too.
    questions.log.clear();
    ASSERT_TRUE(window().exitSequence());
    store->setValue("Settings/DatabasePath", fromPath(home.path() / "elsewhere.dat"));
    start();
    EXPECT_EQ(questions.log, std::vector<std::string>{cannotOpenDatabase});
}

TEST_F(MainWindowTest, StartDocumentFollowsTheProgramDefaults) {
    ProgramDefaults defaults;
    defaults.startWith = StartDocument::newpHCalculator;
    ASSERT_TRUE(WriteProgramDefaults(dataFolder() / "config.dat", defaults));
    start();
    ASSERT_EQ(documents().size(), 1u);
    EXPECT_EQ(documents().front()->kind(), DocumentKind::pHCalculation);
    EXPECT_EQ(documents().front()->title(), "pHcalc1");
    EXPECT_EQ(window().menuBarKind(), MenuBarKind::pHCalculatorDocument);
}

TEST_F(MainWindowTest, AFileNamedOnTheCommandLineOpensInsteadOfANewDocument) {
    const std::filesystem::path file = home.path() / "phosphate.buf";
    {
        auto program = makeStarterProgramModel();
        CSolvaraDoc design(*program);
        design.setPH(7.4);
        design.PickBuffer(*program->buffers.FindVariant(
            "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate"));
        writeBufferDocumentFile(design, file);
    }
    start({fromPath(file), fromPath(home.path() / "missing.buf")});
    ASSERT_EQ(documents().size(), 1u);
    EXPECT_EQ(documents().front()->filePath(), file);
    EXPECT_EQ(window().menuBarKind(), MenuBarKind::bufferDocument);
    ASSERT_EQ(questions.log.size(), 1u);
    EXPECT_NE(questions.log[0].find("missing.buf"), std::string::npos) << questions.log[0];
    QSettings written(settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(written.value("Recent File List/File1").toString(),
              QFileInfo(fromPath(file)).absoluteFilePath());
}

TEST_F(MainWindowTest, ExitAsksForDocumentsThenTheDatabaseThenTheDefaults) {
    start();
    auto& design = dynamic_cast<BufferDocumentModel&>(*documents().front());
    design.edit([](CSolvaraDoc& document) { return document.setPH(7.4); });
    ASSERT_TRUE(design.isModified());
    app->session().database().setPasswordDigest("0123456789abcdef0123456789abcdef");
    ProgramDefaults defaults = app->session().program().defaults;
    defaults.pH = 8.0;
    app->session().setDefaults(defaults);
    questions.log.clear();

    // Cancelling a document's question keeps the program running, but the database question
    // has been asked by then.
    questions.yesNoCancel = {Answer::cancel};
    questions.yesNo = {false};
    EXPECT_FALSE(window().exitSequence());
    EXPECT_EQ(questions.log, (std::vector<std::string>{"Save changes to Buffer1?",
                                                       "Save changes to the program database?"}));
    EXPECT_EQ(documents().size(), 1u);

    questions.log.clear();
    questions.yesNoCancel = {Answer::no};
    questions.yesNo = {false, true};
    EXPECT_TRUE(window().exitSequence());
    EXPECT_EQ(questions.log, (std::vector<std::string>{"Save changes to Buffer1?",
                                                       "Save changes to the program database?",
                                                       "Save changes to program defaults?"}));
    ProgramDefaults written;
    ASSERT_TRUE(ReadProgramDefaults(dataFolder() / "config.dat", written));
    EXPECT_EQ(written.pH, 8.0);
}

TEST_F(MainWindowTest, TheHighAndLowPhNoteComesOnceARun) {
    start();
    auto& design = dynamic_cast<BufferDocumentModel&>(*documents().front());
    design.edit([](CSolvaraDoc& document) { return document.setPH(1.5); });
    questions.yesNo = {false};
    window().commands().recipe->trigger();
    window().commands().recipe->trigger();
    ASSERT_EQ(questions.log.size(), 1u);
    EXPECT_EQ(questions.log[0].rfind("High & low pH solutions can be buffered with just\n", 0), 0u);
}

TEST(DocumentWorkspace, AFailedSaveSaysWhyAndKeepsTheDocumentAsItWas) {
    TemporaryFolder folder;
    ScriptedQuestions questions;
    ProgramSession session(questions);
    QMdiArea area;
    std::filesystem::path target;
    DocumentWorkspace workspace(area, session, questions,
                                [&target](const DocumentModel&) { return fromPath(target); });
    DocumentModel& calculation = workspace.newDocument(DocumentKind::pHCalculation);

    target = folder.path() / "taken.phc";
    std::filesystem::create_directories(target);
    EXPECT_FALSE(workspace.saveAs(calculation));
    ASSERT_EQ(questions.log.size(), 1u);
    EXPECT_NE(questions.log[0].find("taken.phc: cannot be saved"), std::string::npos)
        << questions.log[0];
    EXPECT_EQ(calculation.title(), "pHcalc1");
    EXPECT_TRUE(calculation.filePath().empty());

    target = folder.path() / "kept.phc";
    EXPECT_TRUE(workspace.saveAs(calculation));
    EXPECT_EQ(calculation.title(), "kept.phc");
    EXPECT_EQ(calculation.filePath(), target);
    EXPECT_FALSE(calculation.isModified());
}

TEST_F(MainWindowTest, SixDigitsRefreshEveryViewAndSurviveARestart) {
    start();
    window().commands().newpHCalculator->trigger();
    ASSERT_EQ(documents().size(), 2u);
    QSignalSpy bufferRedraws(documents()[0].get(), &DocumentModel::changed);
    QSignalSpy calculationRedraws(documents()[1].get(), &DocumentModel::changed);
    closeDialogs();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    QTest::keyClick(&window(), Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(app->session().displayDigits(), 6);
    EXPECT_EQ(bufferRedraws.size(), 1);
    EXPECT_EQ(calculationRedraws.size(), 1);
    EXPECT_TRUE(window().commands().sixDigits->isChecked());
    EXPECT_FALSE(window().commands().fourDigits->isChecked());

    ASSERT_TRUE(window().exitSequence());
    start();
    EXPECT_EQ(app->session().displayDigits(), 6);
}

TEST_F(MainWindowTest, EachDocumentKindHasItsMenuBar) {
    start();
    auto menuTitles = [this] {
        QStringList titles;
        for (QAction* menu : window().menuBar()->actions()) titles.append(menu->text());
        return titles;
    };
    EXPECT_EQ(menuTitles(), (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));
    EXPECT_TRUE(window().commands().recipe->isEnabled());
    EXPECT_FALSE(window().commands().calculationDetails->isEnabled());

    window().workspace().closeAllWithoutAsking();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window().menuBarKind(), MenuBarKind::noDocument);
    EXPECT_EQ(menuTitles(), (QStringList{"&File", "&View", "&Help"}));
    EXPECT_FALSE(window().commands().save->isEnabled());
    EXPECT_TRUE(documents().empty());
}

}  // namespace
}  // namespace solvara
