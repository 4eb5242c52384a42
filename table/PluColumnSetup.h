#pragma once

#include <QObject>
#include <QSet>

class PluDocument;
class QTableView;

// The widths of the grid's columns. At set-up and whenever the table is replaced (open, New, an
// upload, an import, their undo) every shown column is made as wide as the widest of its set-up
// width, its title and its values in the rows the screen can show, so no price or code is cut
// off. A column the operator has resized keeps the operator's width, for the rest of the run and,
// through the window's settings, for the next.
class PluColumnSetup : public QObject
{
    Q_OBJECT
public:
    PluColumnSetup(QTableView *view, PluDocument *document);

    void fit();
    // The columns the operator sized, as "column:width" pairs ("3:120,5:80"); setting them
    // again sizes those columns and keeps them out of the fitting.
    QString operatorWidths() const;
    void setOperatorWidths(const QString &text);

private:
    void onSectionResized(int column, int oldSize, int newSize);

    QTableView *m_view;
    QSet<int> m_operatorSized;
    bool m_fitting = false;
};
