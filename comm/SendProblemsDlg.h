#pragma once

#include "comm/SendCheck.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SendProblemsDlg;
}

// Lists what stopped a transfer before it started: one line per cell with its row, column,
// value and the rule it breaks. A double-click on a cell's line closes the list with that cell
// chosen, so the caller can show it in the grid.
class SendProblemsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit SendProblemsDlg(const QVector<SendProblem> &problems, QWidget *parent = nullptr);
    ~SendProblemsDlg() override;

    // Makes the list a question before an action (an import): the summary, a button that
    // accepts ("Import the good rows") and Close as "Cancel". A double-click chooses nothing.
    void offerAction(const QString &summary, const QString &actionText);

    // The questions before a send that would empty a scale or leave its messages out; false
    // when the operator said No to one (each defaults to No).
    static bool confirmSend(QWidget *parent, const TransferSnapshot &snapshot, int job, bool changesOnly = false);

    // The problem double-clicked, or nullptr when the list was closed.
    const SendProblem *chosen() const { return m_chosen >= 0 ? &m_problems.at(m_chosen) : nullptr; }

private:
    void choose(int index);

    std::unique_ptr<Ui::SendProblemsDlg> ui;
    QVector<SendProblem> m_problems;
    int m_chosen = -1;
    bool m_offersAction = false;
};
