#pragma once

#include "core/PluColumns.h"
#include "core/TPLU.h"

#include <QAbstractTableModel>
#include <QVariant>
#include <QVector>
#include <array>
#include <functional>

// The PLU grid: always 20000 rows of 26 cells. Cells hold text, except that LF code holds an
// integer and Code a 64-bit integer (or an empty text) once a loader or conversion wrote them.
//
// Two ways in: setData() is the operator's path (cell editors) and announces the change with
// cellsEdited(), which the per-cell checks listen to; setCell() and the row operations are the
// bulk path and never trigger checks. Inside a BulkUpdate the view is told once at the end.
class PluTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Row = std::array<QVariant, PluColumns::Count>;

    explicit PluTableModel(QObject *parent = nullptr);

    // Takes over operator edits: setData() hands the cell and the new value to the handler, which
    // writes through the bulk path and records the edit for undo. Without one, setData() writes.
    using EditHandler = std::function<bool(const QModelIndex &index, const QVariant &value)>;
    void setEditHandler(EditHandler handler) { m_editHandler = std::move(handler); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QVariant &cell(int row, int column) const { return m_rows[row][column]; }
    QString text(int row, int column) const { return m_rows[row][column].toString(); }
    void setCell(int row, int column, const QVariant &value);
    const Row &row(int row) const { return m_rows[row]; }
    void setRow(int row, const Row &cells);
    static Row newRow();

    // Number of rows in use: the last row with a PLU name, plus one; 0 when no row has a name.
    int usedRowCount() const;

    // The new-row texts into one row, into rows 0..count-1, or into every row when count is 0.
    void resetRow(int row);
    void resetRows(int count);

    // Record conversions.
    TPLU rowToPlu(int row) const;
    void pluToRow(const TPLU &plu, int row);
    static TPLU pluFromRow(const Row &row);
    static Row rowFromPlu(const TPLU &plu);

    // Row moves that keep the grid at 20000 rows.
    void insertNewRow(int row);    // rows below move down, the last row drops out
    void removeAndAppend(int row); // rows below move up, a new row comes in at the bottom
    void replaceAllRows(const QVector<Row> &rows);
    const QVector<Row> &rows() const { return m_rows; }

    // Groups bulk writes: the view hears one change at the end instead of one per cell.
    class BulkUpdate
    {
    public:
        explicit BulkUpdate(PluTableModel *model);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate &) = delete;
        BulkUpdate &operator=(const BulkUpdate &) = delete;

    private:
        PluTableModel *m_model;
    };

signals:
    // The operator changed these cells through setData().
    void cellsEdited(const QModelIndex &topLeft, const QModelIndex &bottomRight);

private:
    void touched(int firstRow, int lastRow);

    QVector<Row> m_rows;
    EditHandler m_editHandler;
    int m_bulkDepth = 0;
    int m_dirtyFirst = -1;
    int m_dirtyLast = -1;
};
