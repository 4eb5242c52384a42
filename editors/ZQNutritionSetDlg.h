#pragma once

#include "document/NutritionElementFile.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class ZQNutritionSetDlg;
}
class QStandardItemModel;

// The nutrition values of one PLU: which elements its label shows, with their content and
// percentage of the reference value. Saved to the PLU file's per-PLU store.
class ZQNutritionSetDlg : public QDialog
{
    Q_OBJECT
public:
    ZQNutritionSetDlg(const QString &pluName, const QString &pluFile, const QString &lfCode, QWidget *parent = nullptr);
    ~ZQNutritionSetDlg() override;

    // The element numbers of the table's rows in row order, each followed by a comma.
    QString selectionString() const;

    void onClickAddBtn();
    void onClickDeleteBtn();
    void on_saveBtn_clicked();

signals:
    // "Download" of the element picker.
    void downloadReq(const QVector<NutritionElement> &elements);

private:
    void loadValues();
    void buildTable(const QString &selection);

    std::unique_ptr<Ui::ZQNutritionSetDlg> ui;
    QStandardItemModel *m_model;
    QString m_pluFile;
    QString m_lfCode;
    // Loaded contents and percentages by element number.
    QStringList m_contents;
    QStringList m_nrvs;
};
