#pragma once

#include <QDialog>
#include <memory>

class QStandardItemModel;

namespace Ui {
class ZQWeightUnitSetDialog;
}

// "Unit value set": the text by which imported files name each of the 13 weight units,
// stored in the group "WeightIDSet". No two units may share a text.
class ZQWeightUnitSetDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ZQWeightUnitSetDialog(QWidget *parent = nullptr);
    ~ZQWeightUnitSetDialog() override;

    QStandardItemModel *model() const { return m_model; }

public slots:
    void onClickokBtn();

private:
    std::unique_ptr<Ui::ZQWeightUnitSetDialog> ui;
    QStandardItemModel *m_model;
};
