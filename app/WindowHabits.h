#pragma once

#include <QObject>
#include <QPointer>

class QComboBox;
class QLabel;
class QMainWindow;
class QTableView;
class QTimer;
class PluDocument;
class PluColumnSetup;
class HelpWindow;

// The desktop habits of the main window, kept out of the window itself: one icon with the
// launcher, the size, position and column widths of the last run, the unsaved mark in the title,
// Ctrl+F to the find box, F1 to the user guide, the scale link in the status bar and a hint on an
// empty grid.
class WindowHabits : public QObject
{
    Q_OBJECT
public:
    WindowHabits(QMainWindow *window, QTableView *table, PluDocument *document, QComboBox *findBox);

    // The launcher's icon, in every size the program has.
    static QIcon appIcon();
    // The size and column widths of the last run, or the first start's size where none is kept.
    void restore();
    void save() const;
    // The status bar's link text follows the link settings (after a transfer, a change of language).
    void refreshLink();
    void retranslate();
    void showUserGuide();

    QLabel *linkLabel() const { return m_linkLabel; }
    QLabel *emptyHint() const { return m_emptyHint; }

private:
    void checkEmpty();
    PluColumnSetup *columnSetup() const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QMainWindow *m_window;
    QTableView *m_table;
    PluDocument *m_document;
    QLabel *m_linkLabel;
    QLabel *m_emptyHint;
    QTimer *m_emptyCheck;
    QPointer<HelpWindow> m_help;
};
