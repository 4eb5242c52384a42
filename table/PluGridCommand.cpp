#include "table/PluGridCommand.h"

PluGridCommand::PluGridCommand(const QString &text, PluTableModel *model, PluGridChange change,
                               std::function<void()> afterApply)
    : QUndoCommand(text), m_model(model), m_change(std::move(change)), m_afterApply(std::move(afterApply))
{
}

void PluGridCommand::undo()
{
    m_change.undo(m_model);
    m_applied = false;
    if (m_afterApply)
        m_afterApply();
}

void PluGridCommand::redo()
{
    if (m_applied)
        return;
    m_change.redo(m_model);
    m_applied = true;
    if (m_afterApply)
        m_afterApply();
}
