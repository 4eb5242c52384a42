#pragma once

class PluDocument;
class PluEditCommands;
class QAction;
class QString;
class QTableView;
class QWidget;

// What the feature controllers need of the main window. Only app/ knows the window itself; the
// controllers of comm/, editors/, io/ and hotkey/ reach it through this.
class EditorHost
{
public:
    virtual ~EditorHost() = default;

    // Parent of dialogs and message boxes.
    virtual QWidget *hostWidget() = 0;
    virtual PluDocument *document() const = 0;
    // Undoable changes of the grid: one step per user action.
    virtual PluEditCommands *editCommands() const = 0;
    virtual QTableView *tableView() const = 0;
    virtual QAction *action(const QString &objectName) const = 0;
    // The unsaved-changes prompt; false when the operator cancelled.
    virtual bool maybeSave() = 0;
    // Runs a transfer job through the link settings dialog.
    virtual void startCommunication(int job) = 0;
};
