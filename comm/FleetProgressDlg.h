#pragma once

#include <QDialog>

class FleetSend;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// One progress window for a send to many scales: a row per scale with its name, state, packets,
// a bar and the result in words; "Retry failed" and "Cancel all"; a summary at the end. Owns the
// send it shows (as the single progress dialog owns its worker) and starts it when shown.
class FleetProgressDlg : public QDialog
{
    Q_OBJECT
public:
    FleetProgressDlg(FleetSend *fleet, const QString &title, QWidget *parent = nullptr);
    ~FleetProgressDlg() override;

    FleetSend *fleet() const { return m_fleet; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void refresh();
    void onFinished();

    FleetSend *m_fleet;
    QTableWidget *m_table;
    QLabel *m_summary;
    QPushButton *m_retry;
    QPushButton *m_cancel;
    QPushButton *m_close;
    QTimer *m_timer;
    bool m_started = false;
};
