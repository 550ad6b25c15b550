#pragma once

// Where the toolbar is and whether it takes room in the main window. The window is sized around
// the board, so whenever the toolbar starts or stops taking room the window must grow or shrink.
enum ToolbarDock { DockTop = 1, DockBottom = 2, DockFloating = 3 };

struct ToolbarPlacement {
    bool Shown = true;
    int Dock = DockTop;

    // The toolbar reached another place. Returns true when the window must be adjusted, that is
    // when the toolbar starts or stops taking room: a move into or out of the floating state.
    bool MoveTo(int newDock);

    // The toolbar was shown or hidden. Returns true when the window must be adjusted: a floating
    // toolbar never takes room, so showing or hiding it does not resize.
    bool SetShown(bool visible);

    // True while the toolbar takes room in the window: shown and docked at the top or the bottom.
    bool TakesRoom() const;

    // How much the window's height changes when adjusting for the toolbar: +room while the toolbar
    // takes room, -room otherwise.
    int HeightChange(int room) const;
};
