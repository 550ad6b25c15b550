#include "PreviewPane.h"

#include "OffscreenSurface.h"
#include "Picture.h"

#include <QPainter>

PreviewPane::PreviewPane(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setObjectName(QStringLiteral("previewPane"));
}

void PreviewPane::Show(const Picture* picture)
{
    picture_ = picture;
    update();
}

void PreviewPane::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (picture_ == nullptr)
        return;
    const QRect inside = contentsRect();
    if (inside.isEmpty())
        return;

    QPainter painter(this);
    OffscreenSurface surface(painter, rect());
    surface.SetMargins(inside.left(), inside.top(), width() - inside.right() - 1,
                       height() - inside.bottom() - 1);
    // A picture that failed to load draws nothing, so the pane shows its plain background.
    surface.Painter().fillRect(0, 0, inside.width(), inside.height(), palette().base());
    // Stretched to the whole inside: the pane shows the picture, not its proportions.
    picture_->Draw(&surface.Painter(), 0, 0, inside.width(), inside.height(), 0, 0,
                   picture_->GetWidth(), picture_->GetHeight());
    surface.End();
}
