#pragma once

#include <QStyledItemDelegate>

// A one-line text editor with at most one validator (pattern, integer range or decimal range)
// and an optional length limit. The typed text goes back as text, whatever the validator.
class ZQLineEditDeletate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    struct Rule
    {
        enum Kind
        {
            None,
            Pattern,
            Integer,
            Decimal
        };
        Kind kind = None;
        QString pattern;
        double min = 0;
        double max = 0;
        int decimals = 0;
        int maxLength = 0; // characters; 0 for no limit

        static Rule integer(int min, int max) { return {Integer, QString(), double(min), double(max), 0, 0}; }
        static Rule decimal(double min, double max, int decimals)
        {
            return {Decimal, QString(), min, max, decimals, 0};
        }
        static Rule matching(const QString &pattern) { return {Pattern, pattern, 0, 0, 0, 0}; }
        static Rule length(int maxLength) { return {None, QString(), 0, 0, 0, maxLength}; }
    };

    explicit ZQLineEditDeletate(const Rule &rule, QObject *parent = nullptr);

    const Rule &rule() const { return m_rule; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    Rule m_rule;
};
