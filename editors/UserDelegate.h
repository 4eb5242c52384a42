#pragma once

#include <QStyledItemDelegate>

// The package type code editor: up to five digits.
class UserDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit UserDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
