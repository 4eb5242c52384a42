#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;

// The choice of the spreadsheet import: one box per property, "PLU name" .. "NgTolerance".
// The states are stored (group "PLU_Import", key "Map") on every click and come back when the
// header is built.
class ZQheaderwidget : public QWidget
{
    Q_OBJECT
public:
    explicit ZQheaderwidget(QWidget *parent = nullptr);

    // Element 0 stands for no box (the hotkey, always taken); element k for box k.
    QList<int> styles() const;
    QCheckBox *box(int k) const; // k from 1

public slots:
    void Zqclick();

signals:
    void Sentstyle(const QList<int> &styles);

protected:
    void changeEvent(QEvent *event) override;

private:
    QList<QCheckBox *> m_boxes;
};
