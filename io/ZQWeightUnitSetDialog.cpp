#include "io/ZQWeightUnitSetDialog.h"

#include "core/Prompt.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"
#include "ui_ZQWeightUnitSetDialog.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>

ZQWeightUnitSetDialog::ZQWeightUnitSetDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQWeightUnitSetDialog>()),
      m_model(new QStandardItemModel(WeightUnits::Count, 2, this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const QStringList values = ZQConfig::weightIds();
    for (int i = 0; i < WeightUnits::Count; ++i) {
        auto *unit = new QStandardItem(WeightUnits::name(i));
        unit->setFlags(Qt::NoItemFlags);
        m_model->setItem(i, 0, unit);
        m_model->setItem(i, 1, new QStandardItem(values.value(i)));
    }
    QTableView *view = ui->weightUintTableView;
    view->setModel(m_model);
    view->horizontalHeader()->hide();
    // Two halves of the view, whatever its width.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->hide();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(ui->OkBtn, &QPushButton::clicked, this, &ZQWeightUnitSetDialog::onClickokBtn);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

ZQWeightUnitSetDialog::~ZQWeightUnitSetDialog() = default;

void ZQWeightUnitSetDialog::onClickokBtn()
{
    // A value typed with blanks around it is stored without them, so the blanks must not make
    // two values look different.
    QStringList values;
    for (int i = 0; i < WeightUnits::Count; ++i) {
        const QString value = m_model->item(i, 1)->text().trimmed();
        if (values.contains(value, Qt::CaseInsensitive)) {
            Prompt::warning(this, tr("Warning"), tr("Value cannot be repeated"));
            return;
        }
        values << value;
    }
    if (ZQConfig *config = ZQConfig::instance()) {
        config->setWeightIds(values);
        config->saveWeightIDSet();
        config->sync();
    }
    accept();
}
