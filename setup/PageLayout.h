#pragma once

#include "DialogUnits.h"

#include <QString>

class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The setup pages are laid out like their dialog templates: each control at its rectangle in
// dialog units, converted for the font the page really uses.
namespace PageLayout {

// A page with a caption bar and no close box; Escape cancels it.
void SetUpPage(QDialog& page, const QString& caption, const DialogUnits& du, int width, int height);

QPushButton* AddButton(QWidget& parent, const DialogUnits& du, const QString& text, const QRect& units);
QLabel* AddText(QWidget& parent, const DialogUnits& du, const QString& text, const QRect& units);
QGroupBox* AddGroupBox(QDialog& page, const DialogUnits& du, const QString& title, const QRect& units);
// Where a control at units on the page lies in parent, the page or a group box on it. A control
// that is a group box's child takes the box's title as its label, and the box's mnemonic focuses it.
QRect PageRect(const QWidget& parent, const DialogUnits& du, const QRect& units);

// Bitmap 109 in a sunken frame at its own size.
void AddSetupPicture(QDialog& page, const DialogUnits& du, int x, int y);

} // namespace PageLayout
