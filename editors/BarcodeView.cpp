#include "editors/BarcodeView.h"

#include "editors/BarcodePainter.h"

#include <QPainter>

BarcodeView::BarcodeView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(260, 150);
}

void BarcodeView::setComposed(const BarcodeLayout::Composed &composed)
{
    m_composed = composed;
    update();
}

void BarcodeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    BarcodePainter::paint(&painter, QRectF(rect()), m_composed);
}
