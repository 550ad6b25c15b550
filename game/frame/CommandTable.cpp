#include "CommandTable.h"

#include <QAction>

QString PlainCommandText(const QString& itemText)
{
    const QString words = itemText.section(QLatin1Char('\t'), 0, 0);
    QString plain;
    plain.reserve(words.size());
    for (qsizetype at = 0; at < words.size(); ++at) {
        // "&&" stands for one ampersand; a single one only marks the next letter.
        if (words[at] == QLatin1Char('&') && ++at == words.size())
            break;
        plain += words[at];
    }
    return plain;
}

CommandTable::CommandTable(QObject* owner) : owner_(owner) {}

QAction* CommandTable::Add(int id, const QString& text, const QKeySequence& shortcut,
                           Handler handler, CheckRule checked, EnableRule enabled)
{
    auto* action = new QAction(text, owner_);
    action->setData(id);
    action->setShortcut(shortcut);
    action->setCheckable(static_cast<bool>(checked));
    QObject::connect(action, &QAction::triggered, owner_, [this, id] { Dispatch(id); });
    entries_[id] = Entry{action, std::move(handler), std::move(checked), std::move(enabled)};
    return action;
}

void CommandTable::AddShortcut(int id, const QKeySequence& shortcut)
{
    if (QAction* action = Action(id))
        action->setShortcuts(action->shortcuts() << shortcut);
}

QAction* CommandTable::Action(int id) const
{
    const auto found = entries_.find(id);
    return found == entries_.end() ? nullptr : found->second.Action;
}

QAction* CommandTable::AddAlias(int id, const QString& text, QObject* parent)
{
    auto* action = new QAction(text, parent);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, owner_, [this, id] { Dispatch(id); });
    return action;
}

std::vector<QAction*> CommandTable::Actions() const
{
    std::vector<QAction*> actions;
    for (const auto& [id, entry] : entries_)
        actions.push_back(entry.Action);
    return actions;
}

void CommandTable::Dispatch(int id)
{
    const auto found = entries_.find(id);
    if (found == entries_.end())
        return;
    // A copy: the handler may rebuild things that hold the table's entries.
    const Handler run = found->second.Run;
    ++running_;
    if (run)
        run();
    --running_;
    RefreshChecks();
}

void CommandTable::RefreshChecks()
{
    if (running_ > 0)
        return;
    for (auto& [id, entry] : entries_) {
        if (entry.Checked)
            entry.Action->setChecked(entry.Checked());
        if (entry.Enabled)
            entry.Action->setEnabled(entry.Enabled());
    }
}
