#pragma once

#include "core/CellRule.h"

#include <QStyledItemDelegate>

// A one-line text editor with at most one validator (pattern, integer range or decimal range)
// and an optional length limit. The typed text goes back as text, whatever the validator.
class ZQLineEditDeletate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using Rule = CellRule;

    explicit ZQLineEditDeletate(const Rule &rule, QObject *parent = nullptr);

    const Rule &rule() const { return m_rule; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    Rule m_rule;
};
