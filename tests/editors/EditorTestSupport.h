#pragma once

#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "table/PluEditCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QTableView>
#include <QUndoStack>

// Helpers for driving the side data windows of a real main window.
namespace EditorTest {

// Presses a button of a dialog by its object name.
inline void click(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

// Double-clicks a cell as the grid does; the pickers it opens run modally.
inline void doubleClick(MainWindow &w, int row, int column)
{
    const QModelIndex index = w.model()->index(row, column);
    w.tableView()->setCurrentIndex(index);
    w.on_TABLEVW_SHOW_doubleClicked(index);
}

inline void trigger(MainWindow &w, const char *action)
{
    QAction *a = w.action(QString::fromLatin1(action));
    QVERIFY2(a && a->isEnabled(), action);
    a->trigger();
}

inline int undoCount(MainWindow &w)
{
    return w.editCommands()->undoStack()->count();
}

} // namespace EditorTest
