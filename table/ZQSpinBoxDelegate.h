#pragma once

#include <QStyledItemDelegate>

// An integer spin box, or a decimal one when decimals is not 0; writes the number back.
class ZQSpinBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ZQSpinBoxDelegate(double min, double max, int decimals, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    double m_min;
    double m_max;
    int m_decimals;
};
