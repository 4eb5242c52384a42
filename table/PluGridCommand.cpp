#include "table/PluGridCommand.h"

PluGridCommand::PluGridCommand(const QString &text, PluTableModel *model, PluGridChange change)
    : QUndoCommand(text), m_model(model), m_change(std::move(change))
{
}

void PluGridCommand::undo()
{
    m_change.undo(m_model);
    m_applied = false;
}

void PluGridCommand::redo()
{
    if (m_applied)
        return;
    m_change.redo(m_model);
    m_applied = true;
}
