#include "ToolbarLayout.h"

QString ToolbarToolTip(int command)
{
    if (command == 0)
        return {};
    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (entry.Command == command)
            return QCoreApplication::translate("GameToolbar", entry.ToolTip);
    }
    return {};
}
