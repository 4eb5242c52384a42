#include "table/PluContentCommand.h"

PluContentCommand::PluContentCommand(const QString &text, PluDocument *document, PluDocument::Content before,
                                     PluDocument::Content after)
    : QUndoCommand(text), m_document(document), m_before(std::move(before)), m_after(std::move(after))
{
}

void PluContentCommand::undo()
{
    m_document->setContent(m_before);
}

void PluContentCommand::redo()
{
    m_document->setContent(m_after);
}
