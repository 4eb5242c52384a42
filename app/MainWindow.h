#pragma once

#include "core/TPLU.h"
#include "table/EditorHost.h"

#include <QMainWindow>
#include <QModelIndex>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class PluDocument;
class PluEditCommands;
class PluTableModel;
class TransferTarget;
class CommController;
class EditorsController;
class HotkeyController;
class IoController;

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
    // The unsaved-changes prompt; false when the operator cancelled.
    bool maybeSave() override;

    // Runs a transfer job through the link settings dialog; "Communication End" when it succeeded.
    void startCommunication(int job) override;
    // Where records from a scale land.
    TransferTarget *transferTarget() const { return m_transferTarget; }

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

    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionCut_triggered();
    void on_actionCopy_triggered();
    void on_actionPaste_triggered();
    void on_actionMove_to_triggered();
    void on_actionInsert_triggered();
    void on_actionDelete_triggered();
    void on_actionSort_by_Name_triggered();
    void on_actionSort_by_LF_Code_triggered();
    void on_actionSort_by_Code_triggered();
    void on_actionGenerate_hotkey_triggered();
    void on_actionGenerate_LF_Code_triggered();
    void on_actionGenerate_Code_triggered();
    void on_actionGenerate_Message_ID_triggered();
    void on_actionFill_triggered();
    void on_actionClear_triggered();
    void on_TABLEVW_SHOW_doubleClicked(const QModelIndex &index);
    void on_UpdateBarcodeType(int way, const QString &text);
    void on_actionDownload_PLU_triggered();
    void on_actionUpdate_PLU_triggered();
    void on_actionUpload_PLU_triggered();
    void on_actionDownloadADInfo_triggered();
    void on_actionImport_PLU_from_Excel_triggered();
    void on_actionCustom_import_triggered();
    void on_actionExport_to_Excel_triggered();
    void onImportTxt();
    void on_actionExport_Hotkey_to_triggered();
    void on_actionChoose_Parameter_triggered();
    void on_actionHotkey_editing_triggered();
    void on_actionDiscount_schedule_triggered();
    void on_actionNutrition_elements_set_triggered();
    void on_actionAdvertising_slogan_triggered();
    void on_actionMessage_editing_triggered();
    void on_actionPackage_type_setting_triggered();

    // The weight-unit menu.
    void a_50g_Clicked();
    void a_g_Clicked();
    void a_10g_Clicked();
    void a_100g_Clicked();
    void a_kg_Clicked();
    void a_oz_Clicked();
    void a_lb_Clicked();
    void a_500g_Clicked();
    void a_600g_Clicked();
    void a_pcs_g_Clicked();
    void a_pcs_kg_Clicked();
    void a_pcs_oz_Clicked();
    void a_pcs_LB_Clicked();
    // The package-type menu.
    void a_Normal_Clicked();
    void a_FixedWeight_Clicked();
    void a_FixedPrice_Clicked();
    void a_BothFixed_Clicked();
    void a_QRCode_Clicked();
    void a_PT_Clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void buildToolBar();
    void buildStatusBar();
    void updateTitle();
    void clearDocument();
    bool save();
    bool saveAs();
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
    CommController *m_comm;
    EditorsController *m_editors;
    IoController *m_io;
    HotkeyController *m_hotkey;
    static MainWindow *s_instance;
};
