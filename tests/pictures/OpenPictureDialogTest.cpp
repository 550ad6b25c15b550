#include "AccessibleControls.h"
#include "OpenPictureDialog.h"
#include "PreviewFiles.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using TestArchives::WriteZip;
using TestPictures::WriteFile;

class OpenPictureDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(WriteFile(Path("a.BMP"), SolidBmp(Qt::red)));
        ASSERT_TRUE(WriteFile(Path("notes.txt"), "text"));
        ASSERT_TRUE(WriteFile(Path("photo.Jpeg"), "not decoded here"));
        ASSERT_TRUE(WriteZip(Path("three.zip"), {{"1.bmp", SolidBmp(Qt::blue)},
                                                     {"2.bmp", SolidBmp(Qt::green)},
                                                     {"3.bmp", SolidBmp(Qt::yellow)}}));
        dialog.setDirectory(dir.path());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    template <typename T> T* Find(const char* name) const
    {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // What the file list shows, once it has read the folder.
    QStringList ListedNames() const
    {
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QStringList names;
        (void)QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) >= 3; }, 3000);
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        names.sort();
        return names;
    }
    QColor PaneCentre() const
    {
        auto* pane = Find<QWidget>("previewPane");
        return pane->grab().toImage().pixelColor(pane->width() / 2, pane->height() / 2);
    }
    void Select(const QString& name) { emit dialog.currentChanged(Path(name)); }

    QTemporaryDir dir;
    OpenPictureDialog dialog;
};

TEST_F(OpenPictureDialogTest, StartsWithPreviewOnAndNoArchiveControls)
{
    EXPECT_EQ(dialog.nameFilters(),
              QStringList{"Supported files (*.BMP;*.GIF;*.JPG;*.ZIP;*.JPEG;*.PNG;*.WEBP;*.TIF;*.TIFF)"});
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_TRUE(Find<QCheckBox>("previewCheck")->isChecked());
    EXPECT_FALSE(Find<QPushButton>("previousButton")->isVisible());
    EXPECT_FALSE(Find<QPushButton>("nextButton")->isVisible());
    EXPECT_EQ(Find<QLabel>("counterLabel")->text(), "");
    EXPECT_EQ(UnnamedControls(dialog), QStringList());
}

TEST_F(OpenPictureDialogTest, ListsSupportedFilesInAnyCaseAlsoAfterTheFilterIsChosenAgain)
{
    EXPECT_EQ(ListedNames(), (QStringList{"a.BMP", "photo.Jpeg", "three.zip"}));

    // The person picks the one filter from the drop-down list again.
    auto* filters = Find<QComboBox>("fileTypeCombo");
    filters->showPopup();
    QAbstractItemView* items = filters->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(items->window()));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(items->model()->index(0, 0)).center());
    EXPECT_TRUE(dialog.findChild<QFileSystemModel*>()->nameFilters().contains("*.jpeg"));
    EXPECT_EQ(ListedNames(), (QStringList{"a.BMP", "photo.Jpeg", "three.zip"}));
}

TEST_F(OpenPictureDialogTest, ChoosingTheListedPictureSelectsIt)
{
    ASSERT_TRUE(ListedNames().contains("a.BMP"));
    QSignalSpy changes(&dialog, &QFileDialog::currentChanged);
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    list->setCurrentIndex(dialog.findChild<QFileSystemModel*>()->index(Path("a.BMP")));
    ASSERT_GE(changes.count(), 1);
    EXPECT_EQ(PaneCentre(), QColor(Qt::red));
}

TEST_F(OpenPictureDialogTest, PaneShowsThePictureOnlyWhilePreviewIsOn)
{
    Select("a.BMP");
    EXPECT_EQ(PaneCentre(), QColor(Qt::red));
    Find<QCheckBox>("previewCheck")->click();
    EXPECT_NE(PaneCentre(), QColor(Qt::red));
    Find<QCheckBox>("previewCheck")->click();
    EXPECT_EQ(PaneCentre(), QColor(Qt::red));
}

TEST_F(OpenPictureDialogTest, OkAfterSteppingReportsThePictureOnShow)
{
    Select("three.zip");
    auto* next = Find<QPushButton>("nextButton");
    EXPECT_TRUE(next->isVisible());
    EXPECT_EQ(Find<QLabel>("counterLabel")->text(), "1 of 3");
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>("counterLabel")->text(), "3 of 3");
    EXPECT_EQ(PaneCentre(), QColor(Qt::yellow));
    EXPECT_EQ(Find<QWidget>("previewPane")->accessibleDescription(), "three.zip, picture 3 of 3");

    dialog.selectFile(Path("three.zip"));
    Find<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Open)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FileTitle(), "three.zip");
    const PictureSource chosen = dialog.Chosen();
    EXPECT_EQ(chosen.Path, QFileInfo(Path("three.zip")).absoluteFilePath());
    EXPECT_EQ(chosen.Type, PictureSource::Kind::ArchiveMember);
    EXPECT_EQ(chosen.ZipIndex, 3);
    EXPECT_EQ(chosen.ZipCount, 3);
}

TEST_F(OpenPictureDialogTest, CancelLeavesNothingChosen)
{
    Select("three.zip");
    dialog.selectFile(Path("three.zip"));
    dialog.reject();
    EXPECT_EQ(dialog.FileTitle(), "");
    EXPECT_EQ(dialog.Chosen().Path, "");
}
