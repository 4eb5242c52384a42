#include "editors/DiscountScheduleDlg.h"

#include "document/ScheduleStore.h"
#include "ui_DiscountScheduleDlg.h"

DiscountScheduleDlg::DiscountScheduleDlg(ScheduleStore *store, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DiscountScheduleDlg>()), m_store(store)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    for (int m = 0; m < ScheduleStore::ModeCount; ++m)
        ui->tabWidget->addTab(QString());
    retranslateTabs();
    m_times = {ui->timeEdit, ui->timeEdit_2, ui->timeEdit_3, ui->timeEdit_4, ui->timeEdit_5};
    m_discounts = {ui->spinBox, ui->spinBox_2, ui->spinBox_3, ui->spinBox_4, ui->spinBox_5};
    for (ScheduleTimeEdit *edit : qAsConst(m_times)) {
        // Starts are kept on the ten minutes; a typed 7:43 becomes 7:50 once the edit is left.
        connect(edit, &QTimeEdit::editingFinished, this, [edit] {
            const QTime t = edit->time();
            edit->setTime(QTime(t.hour(), ScheduleStore::roundedMinute(t.minute())));
        });
    }
    connect(ui->tabWidget, &QTabBar::currentChanged, this, &DiscountScheduleDlg::on_tabWidget_currentChanged);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    showMode(0);
}

DiscountScheduleDlg::~DiscountScheduleDlg() = default;

void DiscountScheduleDlg::retranslateTabs()
{
    for (int m = 0; m < ScheduleStore::ModeCount; ++m)
        ui->tabWidget->setTabText(m, tr("Mode%1").arg(m + 1));
}

void DiscountScheduleDlg::changeEvent(QEvent *event)
{
    // Kept for the whole run: it follows a language chosen while it exists.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTabs();
    }
    QDialog::changeEvent(event);
}

void DiscountScheduleDlg::showMode(int mode)
{
    m_mode = qBound(0, mode, ScheduleStore::ModeCount - 1);
    {
        const QSignalBlocker blocker(ui->tabWidget);
        ui->tabWidget->setCurrentIndex(m_mode);
    }
    loadMode();
}

void DiscountScheduleDlg::on_tabWidget_currentChanged(int index)
{
    storeWindow();
    m_mode = index;
    loadMode();
}

void DiscountScheduleDlg::done(int result)
{
    storeWindow();
    QDialog::done(result);
}

void DiscountScheduleDlg::loadMode()
{
    for (int p = 0; p < ScheduleStore::PeriodsPerMode; ++p) {
        const SchedulePeriod period = m_store->period(m_mode, p);
        m_times[p]->setTime(QTime(qBound(0, int(period.hour), 23), qBound(0, int(period.minute), 59)));
        m_discounts[p]->setValue(100 - period.rate);
    }
}

void DiscountScheduleDlg::storeWindow()
{
    SchedulePeriod periods[ScheduleStore::PeriodsPerMode];
    for (int p = 0; p < ScheduleStore::PeriodsPerMode; ++p) {
        const QTime t = m_times[p]->time();
        periods[p].hour = static_cast<int8_t>(t.hour());
        periods[p].minute = static_cast<int8_t>(ScheduleStore::roundedMinute(t.minute()));
        periods[p].rate = static_cast<int8_t>(100 - m_discounts[p]->value());
    }
    ScheduleStore::orderPeriods(periods);
    for (int p = 0; p < ScheduleStore::PeriodsPerMode; ++p)
        m_store->setPeriod(m_mode, p, periods[p]);
    loadMode();
}
