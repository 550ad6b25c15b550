#include "UninstallDialog.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(UninstallDialog, HasNoCloseBoxEnterUninstallsEscCancels)
{
    UninstallDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Uninstall ?"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        QTimer::singleShot(0, &dialog, [&dialog, key] { QTest::keyClick(&dialog, key); });
        EXPECT_EQ(dialog.exec(), result);
    }
}
