#include "ToolbarLayout.h"

QString ToolbarToolTip(int command)
{
    if (command == 0)
        return {};
    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (entry.Command == command)
            return QString::fromLatin1(entry.ToolTip);
    }
    return {};
}
