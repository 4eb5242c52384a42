#include "io/ZQheaderwidget.h"

#include "core/ZQConfig.h"
#include "io/SheetImport.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>

namespace {
constexpr int kColumns = 4;
}

ZQheaderwidget::ZQheaderwidget(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QStringList names = SheetImport::propertyNames();
    ZQConfig *config = ZQConfig::instance();
    const QStringList map = config ? config->stored(ZQConfig::ImportMap, QStringList()).toStringList() : QStringList();
    for (int k = 1; k <= SheetImport::PropertyCount; ++k) {
        auto *box = new QCheckBox(tr(names.at(k - 1).toLatin1().constData()), this);
        box->setObjectName(QStringLiteral("propertyBox%1").arg(k));
        // Absent or short lists take everything, as a first import should.
        box->setChecked(k >= map.size() || map.at(k).trimmed() != QLatin1String("0"));
        layout->addWidget(box, (k - 1) / kColumns, (k - 1) % kColumns);
        connect(box, &QCheckBox::clicked, this, &ZQheaderwidget::Zqclick);
        m_boxes << box;
    }
}

void ZQheaderwidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QStringList names = SheetImport::propertyNames();
        for (int k = 0; k < m_boxes.size(); ++k)
            m_boxes.at(k)->setText(tr(names.at(k).toLatin1().constData()));
    }
    QWidget::changeEvent(event);
}

QList<int> ZQheaderwidget::styles() const
{
    QList<int> list{1};
    for (const QCheckBox *box : m_boxes)
        list << (box->isChecked() ? 1 : 0);
    return list;
}

QCheckBox *ZQheaderwidget::box(int k) const
{
    return k >= 1 && k <= m_boxes.size() ? m_boxes.at(k - 1) : nullptr;
}

void ZQheaderwidget::Zqclick()
{
    const QList<int> list = styles();
    if (ZQConfig *config = ZQConfig::instance()) {
        QStringList map;
        for (int v : list)
            map << QString::number(v);
        config->setValue(ZQConfig::ImportMap, map);
    }
    emit Sentstyle(list);
}
