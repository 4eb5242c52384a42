#pragma once

#include <QDialog>
#include <QVector>
#include <memory>

namespace Ui {
class DiscountScheduleDlg;
}
class QSpinBox;
class ScheduleStore;
class ScheduleTimeEdit;

// The ten discount schedule modes of the document, one tab each, five periods of a start time
// and a discount. The window's values reach the store when another tab is chosen and when the
// window closes, in order of their start times and on the ten minutes.
class DiscountScheduleDlg : public QDialog
{
    Q_OBJECT
public:
    explicit DiscountScheduleDlg(ScheduleStore *store, QWidget *parent = nullptr);
    ~DiscountScheduleDlg() override;

    // Shows mode 0..9 as the store holds it now.
    void showMode(int mode);
    int currentMode() const { return m_mode; }

    void done(int result) override;

    // Named after its widget but connected explicitly, so the form's by-name wiring leaves it.
    void on_tabWidget_currentChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateTabs();
    void loadMode();
    void storeWindow();

    std::unique_ptr<Ui::DiscountScheduleDlg> ui;
    ScheduleStore *m_store;
    QVector<ScheduleTimeEdit *> m_times;
    QVector<QSpinBox *> m_discounts;
    int m_mode = 0;
};
