#pragma once

#include "table/PluGridChange.h"

#include <QUndoCommand>

// The undo-stack entry of one user action. The action has already been applied when the entry is
// pushed, so the stack's first redo() does nothing; later ones replay the recorded change.
class PluGridCommand : public QUndoCommand
{
public:
    PluGridCommand(const QString &text, PluTableModel *model, PluGridChange change);

    void undo() override;
    void redo() override;

private:
    PluTableModel *m_model;
    PluGridChange m_change;
    bool m_applied = true;
};
