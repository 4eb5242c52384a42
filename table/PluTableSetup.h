#pragma once

class QTableView;
class PluTableModel;

// Puts the PLU model into the main table view: captions, widths, hidden columns, selection.
class PluTableSetup
{
public:
    static void apply(QTableView *view, PluTableModel *model);
    // The typed columns' editors with their validators and length limits (called by apply()).
    static void installEditors(QTableView *view);
};
