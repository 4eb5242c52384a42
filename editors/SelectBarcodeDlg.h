#pragma once

#include "editors/BarcodeLayout.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SelectBarcodeDlg;
}
class QModelIndex;
class QStandardItemModel;

// Chooses the barcode type of a PLU from the table of layouts, for the row it was opened on or
// for all weighed or all counted PLUs at once, and shows what the scale will print for the row:
// the digits split into their fields, the barcode itself at a sample weight, and the rule a
// till needs to read it.
class SelectBarcodeDlg : public QDialog
{
    Q_OBJECT
public:
    enum UpdateWay
    {
        ThisRow = 0,
        AllWeighed = 1,
        AllCounted = 2
    };

    explicit SelectBarcodeDlg(QWidget *parent = nullptr);
    ~SelectBarcodeDlg() override;

    // Selects the type's row (none for a type without one) and puts the number in the field.
    void selectType(int type);
    // The PLU row the preview shows; the weight is the window's sample weight.
    void setSample(const BarcodeSample &sample, const QString &rowTitle);
    // The till rule of the type in the field, for the sample row's unit.
    QString tillRule() const;

signals:
    void updateBarcodeTypeReq(int updateWay, const QString &barcodeType);

public slots:
    void onClicked(const QModelIndex &index);
    // OK and the two bulk buttons: tells them apart by the sender's object name.
    void onUpdateBarcodeType();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateHeaders();
    // The table follows the number in the field.
    void typeEdited(const QString &text);
    void updatePreview();

    std::unique_ptr<Ui::SelectBarcodeDlg> ui;
    QStandardItemModel *m_model;
    BarcodeSample m_sample;
};
