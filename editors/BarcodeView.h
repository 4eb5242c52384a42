#pragma once

#include "editors/BarcodeLayout.h"

#include <QWidget>

// Shows one composed barcode, drawn by BarcodePainter.
class BarcodeView : public QWidget
{
    Q_OBJECT
public:
    explicit BarcodeView(QWidget *parent = nullptr);

    void setComposed(const BarcodeLayout::Composed &composed);
    const BarcodeLayout::Composed &composed() const { return m_composed; }
    QSize sizeHint() const override { return QSize(420, 200); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BarcodeLayout::Composed m_composed;
};
