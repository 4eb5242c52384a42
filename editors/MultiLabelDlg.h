#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class MultiLabelDlg;
}
class QButtonGroup;

// Chooses the label of a PLU: one of ten label buttons, each a bit mask code (A0 = 1 ... D1 = 128,
// E0 = 3, E1 = 12); clicking the chosen button again chooses none (code 0).
class MultiLabelDlg : public QDialog
{
    Q_OBJECT
public:
    // code: the cell's current code; a code no button carries stays as it is until a click.
    explicit MultiLabelDlg(int code, QWidget *parent = nullptr);
    ~MultiLabelDlg() override;

    int code() const { return m_code; }

public slots:
    void onButtonGroupClicked(int id);

private:
    std::unique_ptr<Ui::MultiLabelDlg> ui;
    QButtonGroup *m_group;
    int m_code;
};
