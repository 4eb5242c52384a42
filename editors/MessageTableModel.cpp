#include "editors/MessageTableModel.h"

#include "document/MessageStore.h"

MessageTableModel::MessageTableModel(MessageStore *store, QObject *parent) : QAbstractTableModel(parent), m_store(store)
{
}

int MessageTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MessageStore::LinesPerMessage;
}

int MessageTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MessageStore::MessageCount;
}

QVariant MessageTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_store->line(index.column(), index.row());
}

bool MessageTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    if (text == m_store->line(index.column(), index.row()))
        return true;
    m_store->setLine(index.column(), index.row(), text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags MessageTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? QAbstractTableModel::flags(index) | Qt::ItemIsEditable : Qt::NoItemFlags;
}

QVariant MessageTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return tr("Line %1").arg(section + 1);
    return section + 1;
}

void MessageTableModel::reload()
{
    beginResetModel();
    endResetModel();
}
