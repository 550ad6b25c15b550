#pragma once

#include <QString>
#include <QWidget>

// The painted window that fills the screen behind the installer's and the uninstaller's dialogs:
// a blue-to-black gradient with the program's title in white over a black shadow. It owns the
// pages and confirmations; closing it ends the program with exit code 0.
class BackgroundWindow : public QWidget {
    Q_OBJECT
public:
    // `title` is the painted text, e.g. "Tilora Setup".
    explicit BackgroundWindow(const QString& title, QWidget* parent = nullptr);

    // Puts the window at its normal place on the primary screen and shows it maximized.
    void ShowMaximized();

    // Its normal place: 632 x 450 pixels, centred across a screen `screenWidth` wide, 50 from the top.
    static QRect NormalRect(int screenWidth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString title_;
};
