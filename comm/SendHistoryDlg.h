#pragma once

#include "comm/SendJournal.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;

// Communication > Send history: the send journal, newest first, filtered by scale, period and
// result, and exported as CSV.
class SendHistoryDlg : public QDialog
{
    Q_OBJECT
public:
    explicit SendHistoryDlg(QWidget *parent = nullptr);
    // Reads the journal again with the filter as set; false (and the reason shown) when it cannot.
    bool reload();
    const QVector<SendJournal::Entry> &entries() const { return m_entries; }

private:
    void exportCsv();

    QComboBox *m_scale;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QCheckBox *m_failedOnly;
    QTableWidget *m_table;
    QLabel *m_count;
    QVector<SendJournal::Entry> m_entries;
};
