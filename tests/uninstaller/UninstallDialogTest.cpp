#include "DialogUnits.h"
#include "UninstallDialog.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(UninstallDialog, AsksOnceWithoutACloseBoxEnterUninstallsEscCancels)
{
    UninstallDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Uninstall ?"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    const DialogUnits du(dialog);
    EXPECT_EQ(dialog.size(), du.Size(226, 66));
    EXPECT_EQ(dialog.UninstallButton()->geometry(), du.Rect(147, 39, 50, 14));
    EXPECT_EQ(dialog.CancelButton()->geometry(), du.Rect(29, 39, 50, 14));

    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        QTimer::singleShot(0, &dialog, [&dialog, key] { QTest::keyClick(&dialog, key); });
        EXPECT_EQ(dialog.exec(), result);
    }
}
