#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <functional>

// A label that works as a web link: link colours, underlined while the pointer is over it,
// a pointing hand and a tooltip with the address. A click opens the address with the desktop;
// when that fails the user hears a beep and is told why. It takes the keyboard focus like a
// button, shows it with a focus frame, and Return or Space opens it; assistive technology sees
// a link whose press action opens it.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    // Opens an address; returns a value above OpenFailedLimit on success, otherwise an error
    // code (0 to OpenFailedLimit) that ErrorText explains.
    using Opener = std::function<int(const QString& address)>;
    static constexpr int OpenFailedLimit = 32;

    static const QColor LinkColour;
    static const QColor VisitedColour;
    static const QColor HoverColour;

    explicit HyperlinkLabel(QWidget* parent = nullptr);
    HyperlinkLabel(const QString& address, QWidget* parent = nullptr);

    // An empty address means the label's text is the address; an empty text shows the address.
    void SetAddress(const QString& address);
    QString Address() const;

    bool IsOver() const { return over_; }
    bool IsVisited() const { return visited_; }
    QColor CurrentColour() const;

    // Replace how the address is opened and how a failure beeps (tests).
    void SetOpener(Opener opener) { opener_ = std::move(opener); }
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Opens the address as a click does.
    void Open();

    // The reason shown for an error code of the opener.
    static QString ErrorText(int code);
    // The whole text of the failure message.
    static QString FailureText(int code);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetOver(bool over);
    void RefreshLook();
    void FitToText();
    void ReportFailure(int code);

    bool over_ = false;
    bool visited_ = false;
    QString address_;
    Opener opener_;
    std::function<void()> beep_;
};
