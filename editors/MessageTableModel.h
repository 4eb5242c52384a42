#pragma once

#include <QAbstractTableModel>

class MessageStore;

// The message store as the message window's grid: 16 rows (the lines) by 20000 columns (the
// messages, headed by their numbers). Edits go straight into the store.
class MessageTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit MessageTableModel(MessageStore *store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The store changed behind the model's back (an import, a new document).
    void reload();

private:
    MessageStore *m_store;
};
