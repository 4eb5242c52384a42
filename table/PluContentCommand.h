#pragma once

#include "document/PluDocument.h"

#include <QUndoCommand>

// The undo-stack entry of a whole-table replacement: the grid and the side stores before and
// after, swapped in one piece. The rows are shared copies, so a step costs one grid, not two.
class PluContentCommand : public QUndoCommand
{
public:
    PluContentCommand(const QString &text, PluDocument *document, PluDocument::Content before,
                      PluDocument::Content after);

    void undo() override;
    void redo() override;

private:
    PluDocument *m_document;
    PluDocument::Content m_before;
    PluDocument::Content m_after;
};
