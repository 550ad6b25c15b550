#include "AccessibleControls.h"
#include "DesktopFileCheck.h"
#include "Destination.h"
#include "DestinationDialog.h"
#include "FinishDialog.h"
#include "InstallPackage.h"
#include "ModalScript.h"
#include "PackageFiles.h"
#include "SetupMessages.h"
#include "SetupApp.h"
#include "WelcomePage.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using S = ModalScript;

namespace {

const QString Welcome = "Welcome!";
const QString DestinationPage = "Choose Destination Folder";
const QString Finished = "Setup complete!";
const QString ConfirmExit = "Exit Setup: Setup is not yet done, are you sure you want to exit?";
const QString AskCreate = "Create Folder: Folder does not exist, create it?";

class SetupWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(MenuFolder()).removeRecursively();
        QDir(QDir::home().filePath("Desktop")).removeRecursively();
        manifest_ = ManifestFor(payload_, digests_);
        package_ = WriteTestFile(dir_.filePath("setup"), PackageBytes(payload_), FileKind::Program);
    }

    int RunSetup(std::vector<S::Step> steps)
    {
        S script(std::move(steps));
        const int code = SetupApp(package_, manifest_).Run();
        seen_ = script.Seen();
        return code;
    }

    static QString MenuFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + "/Tilora";
    }
    QStringList Entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Whether the installed game ran in its own folder. A game that was not started gets a second.
    static bool GameStartedIn(const QString& folder, int patience = 5000)
    {
        return QTest::qWaitFor([&] { return QFileInfo::exists(folder + "/started"); }, patience);
    }

    QTemporaryDir dir_;
    const PackageRecords payload_ = {{"Tilora.cnt", ":Title Tilora Help\n"},
                                     {"Tilora.html", "<html></html>"},
                                     {"Tilora", "#!/bin/sh\ntouch started\n"},
                                     {"Tilora.png", QByteArray(5000, 'p')},
                                     {"Uninstaller", "#!/bin/sh\n"}};
    std::vector<QByteArray> digests_;
    PayloadManifest manifest_;
    QString package_;
    QStringList seen_;
};

} // namespace

TEST_F(SetupWizardTest, EveryCancelEndsSetupWithNothingWritten)
{
    const QString target = dir_.filePath("target");
    const S::Step offersDefaultAgain = [&](QWidget* page) {
        EXPECT_EQ(page->findChild<QLineEdit*>("folderEdit")->text(), Destination::DefaultFolder());
        page->findChild<QPushButton*>("cancelButton")->click();
    };
    const struct {
        const char* what;
        std::vector<S::Step> steps;
        QStringList seen;
    } cases[] = {
        {"cancel on Welcome", {S::Click("cancelButton"), S::Answer(QMessageBox::Yes)}, {Welcome, ConfirmExit}},
        {"Escape on Welcome, No, then cancel on the destination",
         {S::Escape(), S::Answer(QMessageBox::No), S::Click("nextButton"), S::Escape(), S::Answer(QMessageBox::Yes)},
         {Welcome, ConfirmExit, Welcome, DestinationPage, ConfirmExit}},
        {"typed folder forgotten after No",
         {S::Click("nextButton"),
          [&](QWidget* page) {
              page->findChild<QLineEdit*>("folderEdit")->setText(target);
              page->findChild<QPushButton*>("cancelButton")->click();
          },
          S::Answer(QMessageBox::No), offersDefaultAgain, S::Answer(QMessageBox::Yes)},
         {Welcome, DestinationPage, ConfirmExit, DestinationPage, ConfirmExit}},
        {"No to creating the folder",
         {S::Click("nextButton"), S::TypeAndNext(target), S::Answer(QMessageBox::No), S::Click("cancelButton"),
          S::Answer(QMessageBox::Yes)},
         {Welcome, DestinationPage, AskCreate, DestinationPage, ConfirmExit}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunSetup(c.steps), 0) << c.what;
        EXPECT_EQ(seen_, c.seen) << c.what;
        EXPECT_FALSE(QFileInfo::exists(target)) << c.what;
        EXPECT_FALSE(QFileInfo::exists(Destination::DefaultFolder())) << c.what;
        EXPECT_FALSE(QFileInfo::exists(MenuFolder())) << c.what;
    }
}

TEST_F(SetupWizardTest, FullInstallIntoAFolderWithASpaceAndQuotes)
{
    ASSERT_TRUE(QDir::home().mkdir("Desktop"));
    const QString folder = QDir::home().filePath("Games/My \"Tilora\" 'games'");
    // Typed from the home folder, with a trailing slash that changes nothing; both levels are made.
    EXPECT_EQ(RunSetup({S::Click("nextButton"), S::TypeAndNext("~/Games/My \"Tilora\" 'games'/"),
                        S::Answer(QMessageBox::Yes), S::Click("finishButton")}),
              0);
    EXPECT_EQ(seen_, (QStringList{Welcome, DestinationPage, AskCreate, Finished}));

    for (const auto& [name, data] : payload_)
        EXPECT_EQ(FileBytes(folder + "/" + name), data) << name.constData();
    EXPECT_TRUE(QFileInfo(folder + "/Tilora").isExecutable());
    EXPECT_FALSE(QFileInfo(folder + "/Tilora.png").isExecutable());

    const QStringList entries = {MenuFolder() + "/Tilora.desktop", MenuFolder() + "/Uninstall.desktop",
                                 QDir::home().filePath("Desktop/Tilora.desktop")};
    for (const QString& entry : entries)
        EXPECT_EQ(DesktopFileProblems(entry), "") << entry.toStdString();
    EXPECT_TRUE(FileBytes(entries[1]).contains("Exec=\"" + QFile::encodeName(folder).replace("\"", "\\\\\"")
                                               + "/Uninstaller\"\n"));
    EXPECT_TRUE(GameStartedIn(folder));
}

TEST_F(SetupWizardTest, LastPageCarriesOutOnlyWhatIsChecked)
{
    ASSERT_TRUE(QDir::home().mkdir("Desktop"));
    const QString folder = dir_.filePath("installed");
    ASSERT_TRUE(QDir().mkdir(folder));
    const S::Step onlyTheMenu = [](QWidget* page) {
        page->findChild<QCheckBox*>("check1005")->setChecked(false);
        page->findChild<QCheckBox*>("check1006")->setChecked(false);
        page->findChild<QPushButton*>("finishButton")->click();
    };
    EXPECT_EQ(RunSetup({S::Click("nextButton"), S::TypeAndNext(folder), onlyTheMenu}), 0);
    EXPECT_EQ(Entries(MenuFolder()), (QStringList{"Tilora.desktop", "Uninstall.desktop"}));
    EXPECT_TRUE(Entries(QDir::home().filePath("Desktop")).isEmpty());
    EXPECT_FALSE(GameStartedIn(folder, 1000));
}

TEST_F(SetupWizardTest, AFileThatCannotBeWrittenEndsSetupWithoutShortcutsOrLaunch)
{
    const QString folder = dir_.filePath("installed");
    // A folder where a file must go cannot be replaced, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(folder + "/Tilora.html/inside"));
    EXPECT_EQ(RunSetup({S::Click("nextButton"), S::TypeAndNext(folder), S::Answer(QMessageBox::Ok),
                        S::Answer(QMessageBox::Ok)}),
              1);
    EXPECT_EQ(seen_, (QStringList{Welcome, DestinationPage, "setup_tests: Error unpacking files",
                                  "setup_tests: Setup could not write all of its files into " + folder
                                      + ". Tilora is not installed completely; no menu entries were made."}));
    // The other files are there; no shortcut, no game started.
    EXPECT_EQ(Entries(folder), (QStringList{"Tilora", "Tilora.cnt", "Tilora.html", "Tilora.png", "Uninstaller"}));
    EXPECT_FALSE(QFileInfo::exists(MenuFolder()));
    EXPECT_FALSE(GameStartedIn(folder, 1000));
}

TEST_F(SetupWizardTest, ADamagedPackageSaysSoBeforeAnyPage)
{
    QByteArray changed = FileBytes(package_);
    changed[40] = changed[40] ^ 1;
    for (const QByteArray& bytes : {FileBytes(package_).chopped(3), changed}) {
        WriteTestFile(package_, bytes);
        EXPECT_EQ(RunSetup({S::Answer(QMessageBox::Ok)}), 1);
        EXPECT_EQ(seen_, QStringList{"setup_tests: The setup file is damaged."});
    }
}

TEST_F(SetupWizardTest, DestinationPageStaysOnAFolderItCannotUse)
{
    const QString file = WriteTestFile(dir_.filePath("a file"), "x");
    const QString shared = dir_.filePath("shared");  // anybody may write it
    QDir().mkpath(shared);
    QFile::setPermissions(shared, QFile::Permissions(0x7777));
    const QString plain = "setup_tests: ";
    const S::Step ok = S::Answer(QMessageBox::Ok);
    const S::Step cancel = S::Click("cancelButton");
    const struct {
        const char* what;
        std::vector<S::Step> steps;
        QStringList seen;
    } cases[] = {
        {"empty", {S::TypeAndNext(""), ok, cancel}, {DestinationPage, plain + SetupMessages::ChooseAFolder, DestinationPage}},
        {"line break",
         {S::TypeAndNext(dir_.filePath("a\nb")), ok, cancel},
         {DestinationPage, plain + SetupMessages::CannotCarry(dir_.filePath("a\nb")), DestinationPage}},
        {"others can write it",
         {S::TypeAndNext(shared + "/Tilora"), ok, cancel},
         {DestinationPage, plain + SetupMessages::NotYourOwn(shared), DestinationPage}},
        {"browsed to a file", {S::Click("browseButton"), ok, cancel}, {DestinationPage, plain + "Invalid folder.", DestinationPage}},
    };
    for (const auto& c : cases) {
        DestinationDialog page(nullptr, [&](QWidget*) { return file; });
        S script(c.steps);
        EXPECT_EQ(page.exec(), QDialog::Rejected) << c.what;
        EXPECT_EQ(script.Seen(), c.seen) << c.what;
    }
    EXPECT_FALSE(QFileInfo::exists(shared + "/Tilora"));

    DestinationDialog page(nullptr, [&](QWidget*) { return dir_.path(); });
    S script({[](QWidget* p) {
        p->findChild<QPushButton*>("browseButton")->click();
        p->findChild<QPushButton*>("nextButton")->click();
    }});
    EXPECT_EQ(page.exec(), QDialog::Accepted);
    EXPECT_EQ(page.Folder(), dir_.path());
}

TEST(SetupPages, EveryControlIsNamedAndAltDTakesTheKeyboardToTheFolder)
{
    DestinationDialog destination(nullptr, {});
    FinishDialog finish(nullptr);
    const std::unique_ptr<QDialog> welcome = MakeWelcomePage(nullptr);
    for (const QDialog* page : {welcome.get(), static_cast<QDialog*>(&destination), static_cast<QDialog*>(&finish)})
        EXPECT_EQ(UnnamedControls(*page), QStringList()) << page->windowTitle().toStdString();

    destination.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&destination));
    destination.findChild<QPushButton*>("nextButton")->setFocus();
    QTest::keyClick(&destination, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), destination.findChild<QLineEdit*>("folderEdit"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name),
              "Destination Folder");
}

TEST(Destination, TypedFoldersBecomeAbsoluteAndCleanWithoutMovingTheCurrentFolder)
{
    const QString current = QDir::currentPath();
    const QString home = QDir::homePath();
    const std::pair<QString, QString> cases[] = {
        {"games/Tilora", current + "/games/Tilora"},
        {"~", home},
        {"~/a/../b/", home + "/b"},
        {"/opt//Tilora/", "/opt/Tilora"},
        {"~other/Tilora", current + "/~other/Tilora"},
    };
    for (const auto& [typed, resolved] : cases)
        EXPECT_EQ(Destination::Resolve(typed), resolved) << typed.toStdString();
    EXPECT_EQ(QDir::currentPath(), current);

    // Offered on a fresh account too, before the data folder exists.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir(data).removeRecursively();
    EXPECT_EQ(Destination::DefaultFolder(), data + "/Tilora");
}

TEST(PackedSetup, CarriesTheGameItsFilesAndTheUninstaller)
{
    InstallPackage package(QStringLiteral(TILORA_DIST_SETUP));
    ASSERT_TRUE(package.BuildDirectory());
    EXPECT_EQ(EntryNames(package), (QStringList{"Uninstaller", "Tilora.png", "Tilora", "Tilora.html", "Tilora.cnt"}));
}
