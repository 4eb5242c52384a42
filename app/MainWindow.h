#pragma once

#include "core/PluColumns.h"
#include "core/TPLU.h"
#include "editors/EditorsController.h"
#include "hotkey/HotkeyController.h"
#include "io/IoController.h"
#include "table/EditorHost.h"
#include "table/PluEditCommands.h"

#include <QMainWindow>
#include <QModelIndex>
#include <QUndoStack>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class PluDocument;
class PluTableModel;
class TransferTarget;
class CommController;
class WindowHabits;
class DocumentGuard;

// The one window: the PLU grid with its menus, toolbar and status bar, and the document state.
class MainWindow : public QMainWindow, public EditorHost
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The one main window, once built; null before and after.
    static MainWindow *instance();

    // What the feature controllers reach.
    QWidget *hostWidget() override { return this; }
    PluDocument *document() const override { return m_document; }
    PluEditCommands *editCommands() const override { return m_editor; }
    QTableView *tableView() const override { return m_table; }
    QAction *action(const QString &objectName) const override;

    PluTableModel *model() const;

    // Rows in use, recomputed from the names.
    int rowCount();
    bool isModified() const;
    void setModified(bool modified);
    QString currentFile() const;
    TPLU rowToPlu(int row) const;
    void pluToRow(const TPLU &plu, int row);
    void resetRow(int row);
    // Converts tare and package weight of a row between two weight units.
    void convertRowUnit(int row, const QString &oldUnit, const QString &newUnit);

    // Opens a PLU file set as Open does, without asking for the name.
    void loadFile(const QString &path);
    // A file named on the command line: a hotkey sheet opens in its editor, anything else as a PLU file.
    void openArgument(const QString &path);
    // The unsaved-changes prompt; false when the operator cancelled.
    bool maybeSave() override;

    // Runs a transfer job through the link settings dialog; "Communication End" when it succeeded.
    void startCommunication(int job) override;
    // Where records from a scale land.
    TransferTarget *transferTarget() const { return m_transferTarget; }
    // The lock, the look at the disk and the recovery copy of the open document.
    DocumentGuard *documentGuard() const { return m_guard; }

signals:
    void updatePluRequest();
    void updateTotalPackage(int total);
    void updateCurPackage(int current);
    void updatePacktypeInfo();

public slots:
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSave_As_triggered();
    void on_actionExit_triggered();
    void on_actionAbout_triggered();
    void on_actionSelect_entire_row_triggered();
    void on_actionSelect_block_column_triggered();
    void on_actionSelect_All_triggered();
    void on_TABLEVW_SHOW_clicked(const QModelIndex &index);
    void onLineNoEditingFinished();
    void onIndexNameCurrentIndexChanged(int index);
    void onLookupEditTextChanged(const QString &text);
    void onTableView_activated(const QModelIndex &index);

    void on_actionUndo_triggered() { m_editor->undoStack()->undo(); }
    void on_actionRedo_triggered() { m_editor->undoStack()->redo(); }
    void on_actionCut_triggered() { m_editor->cut(); }
    void on_actionCopy_triggered() { m_editor->copy(); }
    void on_actionPaste_triggered() { m_editor->paste(); }
    void on_actionMove_to_triggered() { m_editor->moveTo(); }
    void on_actionInsert_triggered() { m_editor->insertRow(); }
    void on_actionDelete_triggered() { m_editor->deleteRows(); }
    void on_actionSort_by_Name_triggered() { m_editor->sortBy(PluColumns::PluName); }
    void on_actionSort_by_LF_Code_triggered() { m_editor->sortBy(PluColumns::LFCode); }
    void on_actionSort_by_Code_triggered() { m_editor->sortBy(PluColumns::Code); }
    void on_actionGenerate_hotkey_triggered() { m_editor->generateHotkeys(); }
    void on_actionGenerate_LF_Code_triggered() { m_editor->generateLfCodes(); }
    void on_actionGenerate_Code_triggered() { m_editor->generateCodes(); }
    void on_actionGenerate_Message_ID_triggered() { m_editor->generateMessageIds(); }
    void on_actionFill_triggered() { m_editor->fill(); }
    void on_actionClear_triggered() { m_editor->clear(); }
    void on_TABLEVW_SHOW_doubleClicked(const QModelIndex &index);
    void on_UpdateBarcodeType(int way, const QString &text);
    void on_actionDownload_PLU_triggered();
    void on_actionUpdate_PLU_triggered();
    void on_actionUpload_PLU_triggered();
    void on_actionDownloadADInfo_triggered();
    void on_actionScales_triggered();
    void on_actionImport_PLU_from_Excel_triggered() { m_io->importPluFromExcel(); }
    void on_actionCustom_import_triggered() { m_io->customImport(); }
    void on_actionExport_to_Excel_triggered() { m_io->exportToExcel(); }
    void onImportTxt() { m_io->importTxt(); }
    void on_actionExport_Hotkey_to_triggered() { m_hotkey->exportHotkey(); }
    void on_actionChoose_Parameter_triggered() { m_hotkey->chooseParameter(); }
    void on_actionHotkey_editing_triggered() { m_hotkey->hotkeyEditing(); }
    void on_actionDiscount_schedule_triggered() { m_editors->discountSchedule(); }
    void on_actionNutrition_elements_set_triggered() { m_editors->nutritionElementsSet(); }
    void on_actionAdvertising_slogan_triggered() { m_editors->advertisingSlogan(); }
    void on_actionMessage_editing_triggered() { m_editors->messageEditing(); }
    void on_actionPackage_type_setting_triggered() { m_editors->packageTypeSetting(); }

    // The weight-unit menu.
    void a_50g_Clicked() { m_editor->chooseUnit(0); }
    void a_g_Clicked() { m_editor->chooseUnit(1); }
    void a_10g_Clicked() { m_editor->chooseUnit(2); }
    void a_100g_Clicked() { m_editor->chooseUnit(3); }
    void a_kg_Clicked() { m_editor->chooseUnit(4); }
    void a_oz_Clicked() { m_editor->chooseUnit(5); }
    void a_lb_Clicked() { m_editor->chooseUnit(6); }
    void a_500g_Clicked() { m_editor->chooseUnit(7); }
    void a_600g_Clicked() { m_editor->chooseUnit(8); }
    void a_pcs_g_Clicked() { m_editor->chooseUnit(9); }
    void a_pcs_kg_Clicked() { m_editor->chooseUnit(10); }
    void a_pcs_oz_Clicked() { m_editor->chooseUnit(11); }
    void a_pcs_LB_Clicked() { m_editor->chooseUnit(12); }
    // The package-type menu.
    void a_Normal_Clicked() { m_editor->choosePackageType(0); }
    void a_FixedWeight_Clicked() { m_editor->choosePackageType(1); }
    void a_FixedPrice_Clicked() { m_editor->choosePackageType(2); }
    void a_BothFixed_Clicked() { m_editor->choosePackageType(3); }
    void a_QRCode_Clicked() { m_editor->choosePackageType(4); }
    void a_PT_Clicked() { m_editor->choosePackageType(5); }

    // Help > Language: stores the choice and speaks it at once.
    void onLanguageChosen(const QString &code);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildActions();
    void buildToolBar();
    void buildStatusBar();
    void retranslateToolBar();
    void updateTitle();
    void clearDocument();
    bool save();
    // proposal: the file name the dialog starts with.
    bool saveAs(const QString &proposal);
    bool writeFileSet(const QString &path, bool asNewName);
    void runFind(int column, const QString &text);
    void showUnitMenu();
    void showPackageMenu();

    PluDocument *m_document;
    QTableView *m_table;
    PluEditCommands *m_editor;
    QMenu *m_unitMenu = nullptr;
    QMenu *m_packageMenu = nullptr;
    QLineEdit *m_lineNoEdit = nullptr;
    QComboBox *m_indexNameBox = nullptr;
    QComboBox *m_lookupBox = nullptr;
    QLabel *m_hintLabel = nullptr;
    TransferTarget *m_transferTarget;
    CommController *m_comm = nullptr;
    EditorsController *m_editors = nullptr;
    IoController *m_io = nullptr;
    HotkeyController *m_hotkey = nullptr;
    WindowHabits *m_habits = nullptr;
    DocumentGuard *m_guard = nullptr;
    static MainWindow *s_instance;
};
