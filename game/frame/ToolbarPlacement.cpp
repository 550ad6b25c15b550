#include "ToolbarPlacement.h"

bool ToolbarPlacement::MoveTo(int newDock)
{
    const bool tookRoom = TakesRoom();
    Dock = newDock;
    return TakesRoom() != tookRoom;
}

bool ToolbarPlacement::SetShown(bool visible)
{
    const bool tookRoom = TakesRoom();
    Shown = visible;
    return TakesRoom() != tookRoom;
}

bool ToolbarPlacement::TakesRoom() const
{
    return Shown && Dock != DockFloating;
}

int ToolbarPlacement::HeightChange(int room) const
{
    return TakesRoom() ? room : -room;
}
