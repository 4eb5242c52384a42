#pragma once

#include "core/TPLU.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ZqsethotkeyLoadPLUdialog;
}
class QSortFilterProxyModel;
class QStandardItemModel;

// "PLU Load": the sheet's PLUs with a mark each, filtered by name or LF code; hands back the
// marked ones.
class ZqsethotkeyLoadPLUdialog : public QDialog
{
    Q_OBJECT
public:
    ZqsethotkeyLoadPLUdialog(const TPLUList &plus, QWidget *parent = nullptr);
    ~ZqsethotkeyLoadPLUdialog() override;

    // Indices (in the PLU list) of the marked PLUs in row order; the marks are cleared.
    QList<int> getloadplu();
    void setMarked(int index, bool marked);

public slots:
    void onIndexNameCurrentIndexChanged(int index);
    void onLookupEditTextChanged(const QString &text);

private:
    std::unique_ptr<Ui::ZqsethotkeyLoadPLUdialog> ui;
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_filter;
};
