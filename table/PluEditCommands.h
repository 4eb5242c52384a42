#pragma once

#include "document/PluDocument.h"
#include "table/PluGridChange.h"

#include <QModelIndex>
#include <QObject>
#include <functional>

class QTableView;
class QUndoStack;
class QWidget;

// The editing commands of the PLU grid and the checks of operator edits. Every command that
// changes the grid records its change and pushes it as one step on the undo stack; the main
// window's slots only forward here.
//
// Two kinds of change: operator changes (typed edits, menu and dialog choices, Fill, Clear)
// mark the document modified and run the cell checks over the selected cells; the bulk commands
// (paste, numbering, row moves, sorts) never run the checks.
class PluEditCommands : public QObject
{
    Q_OBJECT
public:
    // What a double click on a cell asks the window to show.
    enum class Choice
    {
        None,
        UnitMenu,
        PackageMenu,
        // The side data pickers, opened by the editors' controller.
        Barcode,
        Department,
        Message,
        Label,
        Schedule,
        Nutrition
    };

    PluEditCommands(PluDocument *document, QTableView *view, QWidget *dialogParent, QObject *parent = nullptr);
    ~PluEditCommands() override;

    QUndoStack *undoStack() const { return m_undo; }

    void copy();
    void cut();
    void paste();
    void pasteText(const QString &text);
    void insertRow();
    void deleteRows();
    // Asks for the target with MoveToDlg, then moves the current row.
    void moveTo();
    // Moves row `row` so that it becomes row number `target` (1-based).
    void moveRow(int row, int target);
    void sortBy(int column);
    void generateHotkeys();
    // Many cells written as one step by a command outside the grid (hotkeys from the sheet
    // editor): marks the document modified, runs no checks; nothing changes, no step.
    struct CellValue
    {
        int row;
        int column;
        QVariant value;
    };
    void setCells(const QString &text, const QVector<CellValue> &cells);
    void generateLfCodes();
    void generateCodes();
    void generateMessageIds();
    void fill();
    void clear();

    // Swaps the whole table and its side stores as one step (an upload from a scale, an import):
    // start from document()->content() and change what the step replaces.
    void replaceContent(const QString &text, const PluDocument::Content &content);

    // The text of the current copy selection, as Copy puts it on the clipboard.
    QString copyText();

    // A typed edit: written, checked and recorded as one step.
    bool operatorEdit(const QModelIndex &index, const QVariant &value);
    Choice doubleClicked(const QModelIndex &index);
    // Menu choices for the cell remembered at the double click.
    void chooseUnit(int code);
    void choosePackageType(int code);
    // Converts tare and package weight of a row from one unit to another, as one step.
    void convertRowUnit(int row, const QString &oldUnit, const QString &newUnit);
    // Way 1: rows whose unit is no piece unit; way 2: rows with a piece unit; else the row
    // remembered at the last double click on a barcode cell.
    void updateBarcodeType(int way, const QString &text);

public slots:
    // The target row text of the move dialog.
    void receiveData(const QString &text);

private:
    PluTableModel *model() const;
    // Generate LF Code and Generate Code: numbers the selected used rows of the column.
    void numberSelection(const QString &text, int column, qint64 modulus, const QVariant &cleared,
                         const std::function<QVariant(qint64)> &stored, const QVariant &none);
    QModelIndexList selection() const;
    void convertRowUnit(PluGridChange &change, int row, const QString &oldUnit, const QString &newUnit);
    // Marks the document modified, checks the selected cells and records the step.
    void finishOperatorChange(const QString &text, PluGridChange &change);
    void runChecks(PluGridChange &change);
    void push(const QString &text, PluGridChange &change);
    void reorder(const QString &text, const QVector<int> &source);

    PluDocument *m_document;
    QTableView *m_view;
    QWidget *m_dialogParent;
    QUndoStack *m_undo;
    QModelIndex m_choiceCell;
    int m_barcodeRow = -1;
    QString m_moveTarget;
};
