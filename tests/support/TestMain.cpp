// Common main for every test program: an offscreen application, and a private, empty profile,
// data folder and temporary folder for each run, so that no test reads or writes the player's
// real options.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
    qputenv("HOME", home.path().toUtf8());
    // Temporary files too, so that a test that leaves one behind leaves it in its own folder.
    QDir(home.path()).mkdir("tmp");
    qputenv("TMPDIR", (home.path() + "/tmp").toUtf8());

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
