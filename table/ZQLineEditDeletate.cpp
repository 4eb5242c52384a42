#include "table/ZQLineEditDeletate.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QRegularExpressionValidator>

ZQLineEditDeletate::ZQLineEditDeletate(const Rule &rule, QObject *parent) : QStyledItemDelegate(parent), m_rule(rule) {}

QWidget *ZQLineEditDeletate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    // Cells hold plain digits with a dot, whatever the operator's locale says.
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    switch (m_rule.kind) {
    case Rule::Pattern:
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(m_rule.pattern), edit));
        break;
    case Rule::Integer: {
        auto *v = new QIntValidator(static_cast<int>(m_rule.min), static_cast<int>(m_rule.max), edit);
        v->setLocale(plain);
        edit->setValidator(v);
        break;
    }
    case Rule::Decimal: {
        auto *v = new QDoubleValidator(m_rule.min, m_rule.max, m_rule.decimals, edit);
        v->setNotation(QDoubleValidator::StandardNotation);
        v->setLocale(plain);
        edit->setValidator(v);
        break;
    }
    case Rule::None:
        break;
    }
    if (m_rule.maxLength > 0)
        edit->setMaxLength(m_rule.maxLength);
    return edit;
}

void ZQLineEditDeletate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLineEdit *>(editor)->setText(index.data(Qt::EditRole).toString());
}

void ZQLineEditDeletate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}
