#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

// A drop-down list of fixed texts; the chosen text goes back in the display role.
class ZQComboBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ZQComboBoxDelegate(const QStringList &items, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QStringList m_items;
};
