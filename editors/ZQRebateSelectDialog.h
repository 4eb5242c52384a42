#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class ZQRebateSelectDialog;
}
class QButtonGroup;

// Chooses the Discount/Schedule value of a PLU: a discount of 0..127 percent, or one of the ten
// schedule modes (129..138).
class ZQRebateSelectDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int FirstMode = 129;
    static constexpr int LastMode = 138;

    // value: the cell's current value; unused values show as discount 0.
    explicit ZQRebateSelectDialog(int value, QWidget *parent = nullptr);
    ~ZQRebateSelectDialog() override;

    // The choice: the discount, or the id of the checked mode.
    int value() const;

signals:
    // "Edit": the schedule window should show mode 0..9.
    void editScheduleReq(int mode);

public slots:
    void onDiscountClicked();
    void onDiscountPeriodClicked();
    void onEditClicked();

private:
    std::unique_ptr<Ui::ZQRebateSelectDialog> ui;
    QButtonGroup *m_modes;
};
