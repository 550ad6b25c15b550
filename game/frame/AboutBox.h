#pragma once

#include <QDialog>

class HyperlinkLabel;

// The small modal box of the Help menu: the game's picture, its name, version and credits,
// and a link to the maker's web site. OK, Escape and the close box all close it.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    static const char* const Caption;
    static const char* const ProductLine;
    static const char* const CreditLine;
    static const char* const WebSite;

    explicit AboutBox(QWidget* parent = nullptr);

    HyperlinkLabel* Link() const { return link_; }

private:
    HyperlinkLabel* link_;
};
