#include "table/PluTableSetup.h"

#include "core/PluColumns.h"
#include "core/PriceFormat.h"
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
    using Rule = ZQLineEditDeletate::Rule;
    using C = PluColumns;
    const int priceDecimals = PriceFormat::decimals();
    const int lfCodeMax = ZQConfig::lfcodeLen() == 6 ? 999999 : 9999999;
    const struct
    {
        int column;
        Rule rule;
    } editors[] = {
        {C::HotKey, Rule::integer(0, 224)},
        {C::PluName, Rule::length(ZQConfig::pluNameLen())},
        {C::LFCode, Rule::integer(0, lfCodeMax)},
        {C::Code, Rule::matching(QStringLiteral("[0-9]{0,10}"))},
        {C::BarCode, Rule::integer(0, 110)},
        {C::UnitPrice, Rule::decimal(0, 99999999.0 / double(PriceFormat::scale()), priceDecimals)},
        {C::QtyUnit, Rule::integer(0, 15)},
        {C::Department, Rule::integer(0, 99)},
        {C::Tare, Rule::decimal(0, 999999, priceDecimals + 1)},
        {C::ShelfTime, Rule::integer(-9999, 9999)},
        {C::PackageWeight, Rule::decimal(0, 999999, priceDecimals + 1)},
        {C::Tolerance, Rule::integer(0, 20)},
        {C::Message1, Rule::integer(0, 20000)},
        {C::Message2, Rule::integer(0, 255)},
        {C::Ice, Rule::decimal(0, 99.9, 1)},
    };
    for (const auto &e : editors)
        view->setItemDelegateForColumn(e.column, new ZQLineEditDeletate(e.rule, view));
}
