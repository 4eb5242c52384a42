#include "table/PluTableSetup.h"

#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "core/ZQConfig.h"
#include "document/PluTableModel.h"
#include "table/ZQLineEditDeletate.h"

#include <QHeaderView>
#include <QTableView>

void PluTableSetup::apply(QTableView *view, PluTableModel *model)
{
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setCornerButtonEnabled(true);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // 20000 rows of one height: fixed sections keep scrolling and start-up cheap.
    QHeaderView *rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 6);
    for (int c = 0; c < PluColumns::Count; ++c) {
        if (PluColumns::width(c) > 0)
            view->setColumnWidth(c, PluColumns::width(c));
        view->setColumnHidden(c, PluColumns::hiddenAtSetup(c));
    }
    installEditors(view);
}

void PluTableSetup::installEditors(QTableView *view)
{
    for (int c = 0; c < PluColumns::Count; ++c) {
        const CellRule rule = PluLimits::columnRule(c);
        if (rule.kind != CellRule::None || rule.maxLength > 0)
            view->setItemDelegateForColumn(c, new ZQLineEditDeletate(rule, view));
    }
}
