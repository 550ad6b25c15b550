#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Converts dialog-template measures into pixels for the font the dialog really uses: a horizontal
// unit is a quarter of the font's average character width, a vertical unit an eighth of its height. Text then fits the controls whatever the desktop's font.
class DialogUnits {
public:
    explicit DialogUnits(const QWidget& dialog);

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int widthUnits, int heightUnits) const { return QSize(X(widthUnits), Y(heightUnits)); }
    QRect Rect(int x, int y, int widthUnits, int heightUnits) const
    {
        return QRect(X(x), Y(y), X(widthUnits), Y(heightUnits));
    }

private:
    int baseX_;
    int baseY_;
};
