#pragma once

#include "table/PluGridChange.h"

#include <QUndoCommand>
#include <functional>

// The undo-stack entry of one user action. The action has already been applied when the entry is
// pushed, so the stack's first redo() does nothing; later ones replay the recorded change.
class PluGridCommand : public QUndoCommand
{
public:
    // afterApply runs after every undo and redo (the document is then modified).
    PluGridCommand(const QString &text, PluTableModel *model, PluGridChange change, std::function<void()> afterApply);

    void undo() override;
    void redo() override;

private:
    PluTableModel *m_model;
    PluGridChange m_change;
    std::function<void()> m_afterApply;
    bool m_applied = true;
};
