#include "app/MainWindow.h"

#include "app/DocumentGuard.h"
#include "app/MainMenus.h"
#include "app/WindowHabits.h"
#include "app/ZQAboutDialog.h"
#include "comm/CommController.h"
#include "comm/TransferJob.h"
#include "comm/TransferTarget.h"
#include "core/Language.h"
#include "core/PackageTypes.h"
#include "core/PluColumns.h"
#include "core/Prompt.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "editors/EditorsController.h"
#include "editors/LocalDatabase.h"
#include "hotkey/HotkeyController.h"
#include "io/IoController.h"
#include "table/ColumnHints.h"
#include "table/PluColumnSetup.h"
#include "table/PluEditCommands.h"
#include "table/PluFinder.h"
#include "table/PluTableSetup.h"

#include "table/RangeIntValidator.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

MainWindow *MainWindow::s_instance = nullptr;

namespace {
// The weight-unit menu's entries in code order, with the slot each one calls.
const char *const kUnitTexts[WeightUnits::Count] = {
    QT_TRANSLATE_NOOP("MainWindow", "50g"),     QT_TRANSLATE_NOOP("MainWindow", "g"),
    QT_TRANSLATE_NOOP("MainWindow", "10g"),     QT_TRANSLATE_NOOP("MainWindow", "100g"),
    QT_TRANSLATE_NOOP("MainWindow", "kg"),      QT_TRANSLATE_NOOP("MainWindow", "oz"),
    QT_TRANSLATE_NOOP("MainWindow", "lb"),      QT_TRANSLATE_NOOP("MainWindow", "500g"),
    QT_TRANSLATE_NOOP("MainWindow", "600g"),    QT_TRANSLATE_NOOP("MainWindow", "PCS(g)"),
    QT_TRANSLATE_NOOP("MainWindow", "PCS(kg)"), QT_TRANSLATE_NOOP("MainWindow", "PCS(oz)"),
    QT_TRANSLATE_NOOP("MainWindow", "PCS(lb)"),
};
using MenuSlot = void (MainWindow::*)();
const MenuSlot kUnitSlots[WeightUnits::Count] = {
    &MainWindow::a_50g_Clicked,    &MainWindow::a_g_Clicked,      &MainWindow::a_10g_Clicked,
    &MainWindow::a_100g_Clicked,   &MainWindow::a_kg_Clicked,     &MainWindow::a_oz_Clicked,
    &MainWindow::a_lb_Clicked,     &MainWindow::a_500g_Clicked,   &MainWindow::a_600g_Clicked,
    &MainWindow::a_pcs_g_Clicked,  &MainWindow::a_pcs_kg_Clicked, &MainWindow::a_pcs_oz_Clicked,
    &MainWindow::a_pcs_LB_Clicked,
};
const MenuSlot kPackageSlots[PackageTypes::Count] = {
    &MainWindow::a_Normal_Clicked,    &MainWindow::a_FixedWeight_Clicked, &MainWindow::a_FixedPrice_Clicked,
    &MainWindow::a_BothFixed_Clicked, &MainWindow::a_QRCode_Clicked,      &MainWindow::a_PT_Clicked,
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_document(new PluDocument(this)), m_table(new QTableView(this)),
      m_editor(new PluEditCommands(m_document, m_table, this, this)),
      m_transferTarget(new TransferTarget(m_document, this))
{
    PackageTypes::retranslate();
    // Progress from records arriving during a transfer is announced as the window's own.
    connect(m_transferTarget, &TransferTarget::updateTotalPackage, this, &MainWindow::updateTotalPackage);
    connect(m_transferTarget, &TransferTarget::updateCurPackage, this, &MainWindow::updateCurPackage);
    auto *central = new QWidget(this);
    auto *layout = new QGridLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_table->setObjectName(QStringLiteral("TABLEVW_SHOW"));
    layout->addWidget(m_table, 0, 0);
    setCentralWidget(central);

    buildActions();
    // The controllers find the actions they serve built.
    m_comm = new CommController(this, m_transferTarget, this);
    m_editors = new EditorsController(this, this);
    m_io = new IoController(this, this);
    m_hotkey = new HotkeyController(this, this);
    updateTitle();
    buildToolBar();
    buildStatusBar();
    m_habits = new WindowHabits(this, m_table, m_document, m_lookupBox);
    action(QStringLiteral("actionPackage_type_setting"))->setVisible(ZQConfig::isShowPT());

    PluTableSetup::apply(m_table, model());
    new PluColumnSetup(m_table, m_document);
    m_habits->restore();
    m_table->addActions({action(QStringLiteral("actionUndo")), action(QStringLiteral("actionRedo"))});
    auto *undoRule = new QAction(m_table);
    undoRule->setSeparator(true);
    m_table->addAction(undoRule);
    m_table->addActions({action(QStringLiteral("actionCut")), action(QStringLiteral("actionCopy")),
                         action(QStringLiteral("actionPaste")), action(QStringLiteral("actionMove_to"))});
    auto *rule = new QAction(m_table);
    rule->setSeparator(true);
    m_table->addAction(rule);
    m_table->addActions({action(QStringLiteral("actionInsert")), action(QStringLiteral("actionDelete"))});
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_table, &QTableView::clicked, this, &MainWindow::on_TABLEVW_SHOW_clicked);
    connect(m_table, &QTableView::activated, this, &MainWindow::onTableView_activated);
    connect(m_table, &QTableView::doubleClicked, this, &MainWindow::on_TABLEVW_SHOW_doubleClicked);
    connect(m_document, &PluDocument::currentFileChanged, this, &MainWindow::updateTitle);
    connect(m_editors, &EditorsController::updateBarcodeTypeReq, this, &MainWindow::on_UpdateBarcodeType);
    connect(m_editors, &EditorsController::updatePacktypeInfo, this, &MainWindow::updatePacktypeInfo);
    connect(m_comm, &CommController::sideDataReceived, this, [this](const TransferTarget::Staged &staged) {
        if (staged.hasDepartments)
            m_editors->receiveDepartments(staged.departments);
        if (staged.hasPackTypes)
            m_editors->receivePackTypes(staged.packTypes);
        if (staged.hasHotkeyFunctions)
            m_editors->receiveHotkeyFunctions(staged.hotkeyFunctions);
    });

    m_document->setModified(false);
    PluColumns::setSharedCaptions(PluColumns::captions());
    m_guard = new DocumentGuard(this, m_document);
    connect(m_guard, &DocumentGuard::reloadRequested, this, &MainWindow::loadFile);
    // Once the window stands: a copy an editor left at a crash is offered before anything else.
    QTimer::singleShot(0, m_guard, &DocumentGuard::offerRecovery);

    if (ZQConfig *config = ZQConfig::instance()) {
        // Before any file is read: a wrong code page would misread it.
        for (const QString &problem : config->problems())
            Prompt::warning(this, tr("Warning"), problem);
        loadFile(config->value(ZQConfig::PluFileName).toString());
    }
    s_instance = this;
    m_editors->start();
    // Function keys are kept in the local database; without it only for this run.
    if (m_editors->localDatabase()->isOpen())
        m_hotkey->setFunctionStore(m_editors->localDatabase());
}

MainWindow::~MainWindow()
{
    if (s_instance == this)
        s_instance = nullptr;
}

MainWindow *MainWindow::instance()
{
    return s_instance;
}

PluTableModel *MainWindow::model() const
{
    return m_document->model();
}

QAction *MainWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::buildActions()
{
    MainMenus::build(this);
    using Slot = void (MainWindow::*)();
    struct Hook
    {
        const char *name;
        Slot slot;
    };
    // Actions of the window itself: connected and enabled here.
    static const Hook own[] = {
        {"actionNew", &MainWindow::on_actionNew_triggered},
        {"actionOpen", &MainWindow::on_actionOpen_triggered},
        {"actionSave", &MainWindow::on_actionSave_triggered},
        {"actionSave_As", &MainWindow::on_actionSave_As_triggered},
        {"actionExit", &MainWindow::on_actionExit_triggered},
        {"actionAbout", &MainWindow::on_actionAbout_triggered},
        {"actionSelect_entire_row", &MainWindow::on_actionSelect_entire_row_triggered},
        {"actionSelect_block_column", &MainWindow::on_actionSelect_block_column_triggered},
        {"actionSelect_All", &MainWindow::on_actionSelect_All_triggered},
        {"actionUndo", &MainWindow::on_actionUndo_triggered},
        {"actionRedo", &MainWindow::on_actionRedo_triggered},
        {"actionCut", &MainWindow::on_actionCut_triggered},
        {"actionCopy", &MainWindow::on_actionCopy_triggered},
        {"actionPaste", &MainWindow::on_actionPaste_triggered},
        {"actionMove_to", &MainWindow::on_actionMove_to_triggered},
        {"actionInsert", &MainWindow::on_actionInsert_triggered},
        {"actionDelete", &MainWindow::on_actionDelete_triggered},
        {"actionSort_by_Name", &MainWindow::on_actionSort_by_Name_triggered},
        {"actionSort_by_LF_Code", &MainWindow::on_actionSort_by_LF_Code_triggered},
        {"actionSort_by_Code", &MainWindow::on_actionSort_by_Code_triggered},
        {"actionGenerate_hotkey", &MainWindow::on_actionGenerate_hotkey_triggered},
        {"actionGenerate_LF_Code", &MainWindow::on_actionGenerate_LF_Code_triggered},
        {"actionGenerate_Code", &MainWindow::on_actionGenerate_Code_triggered},
        {"actionGenerate_Message_ID", &MainWindow::on_actionGenerate_Message_ID_triggered},
        {"actionFill", &MainWindow::on_actionFill_triggered},
        {"actionClear", &MainWindow::on_actionClear_triggered},
        {"actionDownload_PLU", &MainWindow::on_actionDownload_PLU_triggered},
        {"actionUpdate_PLU", &MainWindow::on_actionUpdate_PLU_triggered},
        {"actionUpload_PLU", &MainWindow::on_actionUpload_PLU_triggered},
        {"actionDownloadADInfo", &MainWindow::on_actionDownloadADInfo_triggered},
    };
    // Actions of the feature controllers: connected here, enabled by the controller that serves them.
    static const Hook features[] = {
        {"actionImport_PLU_from_Excel", &MainWindow::on_actionImport_PLU_from_Excel_triggered},
        {"actionCustom_import", &MainWindow::on_actionCustom_import_triggered},
        {"actionExport_to_Excel", &MainWindow::on_actionExport_to_Excel_triggered},
        {"actionExport_Hotkey_to", &MainWindow::on_actionExport_Hotkey_to_triggered},
        {"actionChoose_Parameter", &MainWindow::on_actionChoose_Parameter_triggered},
        {"actionHotkey_editing", &MainWindow::on_actionHotkey_editing_triggered},
        {"actionDiscount_schedule", &MainWindow::on_actionDiscount_schedule_triggered},
        {"actionNutrition_elements_set", &MainWindow::on_actionNutrition_elements_set_triggered},
        {"actionAdvertising_slogan", &MainWindow::on_actionAdvertising_slogan_triggered},
        {"actionMessage_editing", &MainWindow::on_actionMessage_editing_triggered},
        {"actionPackage_type_setting", &MainWindow::on_actionPackage_type_setting_triggered},
        {"actionScales", &MainWindow::on_actionScales_triggered},
    };
    for (const Hook &hook : own) {
        QAction *a = action(QString::fromLatin1(hook.name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, hook.slot);
    }
    for (const Hook &hook : features)
        connect(action(QString::fromLatin1(hook.name)), &QAction::triggered, this, hook.slot);
    for (const Language::Choice &choice : Language::choices()) {
        const QString code = choice.code;
        connect(action(QStringLiteral("actionLanguage_") + code), &QAction::triggered, this,
                [this, code] { onLanguageChosen(code); });
    }

    action(QStringLiteral("actionRedo"))
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    QUndoStack *undo = m_editor->undoStack();
    for (const char *name : {"actionUndo", "actionRedo"}) {
        QAction *a = action(QString::fromLatin1(name));
        const bool isUndo = a->objectName() == QLatin1String("actionUndo");
        a->setEnabled(isUndo ? undo->canUndo() : undo->canRedo());
        connect(undo, isUndo ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, a, &QAction::setEnabled);
    }
}

void MainWindow::buildToolBar()
{
    QToolBar *bar = addToolBar(tr("Main"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setMovable(false);

    m_lineNoEdit = new QLineEdit(bar);
    m_lineNoEdit->setObjectName(QStringLiteral("lineNoEdit"));
    m_lineNoEdit->setValidator(new RangeIntValidator(1, PluColumns::RowCount, m_lineNoEdit));
    m_lineNoEdit->setFixedWidth(50);
    bar->addWidget(m_lineNoEdit);
    connect(m_lineNoEdit, &QLineEdit::editingFinished, this, &MainWindow::onLineNoEditingFinished);

    for (const char *name : {"actionNew", "actionOpen", "actionSave"})
        bar->addAction(action(QString::fromLatin1(name)));
    bar->addSeparator();
    for (const char *name :
         {"actionAdvertising_slogan", "actionMessage_editing", "actionDiscount_schedule", "actionHotkey_editing",
          "actionDownloadADInfo", "actionDownload_PLU", "actionUpload_PLU", "actionUpdate_PLU"})
        bar->addAction(action(QString::fromLatin1(name)));

    m_indexNameBox = new QComboBox(bar);
    m_indexNameBox->setObjectName(QStringLiteral("indexNameBox"));
    m_indexNameBox->addItems({QString(), QString(), QString(), QString()});
    // Grows with its longest item, which depends on the language.
    m_indexNameBox->setMinimumWidth(70);
    m_indexNameBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bar->addWidget(m_indexNameBox);
    connect(m_indexNameBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::onIndexNameCurrentIndexChanged);

    m_lookupBox = new QComboBox(bar);
    m_lookupBox->setObjectName(QStringLiteral("lookupBox"));
    m_lookupBox->setEditable(true);
    m_lookupBox->setInsertPolicy(QComboBox::NoInsert);
    m_lookupBox->setFixedWidth(150);
    bar->addWidget(m_lookupBox);
    connect(m_lookupBox, &QComboBox::editTextChanged, this, &MainWindow::onLookupEditTextChanged);
    retranslateToolBar();
}

void MainWindow::retranslateToolBar()
{
    m_lineNoEdit->setToolTip(tr("Line No"));
    const QString items[] = {tr("HotKey"), tr("PluName"), tr("LF Code"), tr("Code")};
    for (int i = 0; i < 4; ++i)
        m_indexNameBox->setItemText(i, items[i]);
    m_indexNameBox->setToolTip(tr("Find"));
    m_lookupBox->setToolTip(tr("Find Content"));
}

void MainWindow::onLanguageChosen(const QString &code)
{
    if (ZQConfig *config = ZQConfig::instance())
        config->setValue(ZQConfig::Language, code);
    const QStringList before = PackageTypes::names();
    if (!Language::install(code)) {
        Prompt::warning(this, tr("Warning"), tr("The translation file for %1 is missing.").arg(code));
        return;
    }
    // Package type cells hold the name in the language of the day; they follow the new one.
    const QStringList after = PackageTypes::names();
    PluTableModel::BulkUpdate bulk(model());
    for (int row = 0; row < PluColumns::RowCount; ++row) {
        const int code = before.indexOf(model()->text(row, PluColumns::PackageType));
        if (code >= 0)
            model()->setCell(row, PluColumns::PackageType, after.at(code));
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        MainMenus::retranslate(this);
        retranslateToolBar();
        m_habits->retranslate();
        emit model()->headerDataChanged(Qt::Horizontal, 0, PluColumns::Count - 1);
        if (m_table->currentIndex().isValid())
            on_TABLEVW_SHOW_clicked(m_table->currentIndex());
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::buildStatusBar()
{
    m_hintLabel = new QLabel(statusBar());
    m_hintLabel->setObjectName(QStringLiteral("hintLabel"));
    m_hintLabel->setFixedWidth(500);
    statusBar()->addWidget(m_hintLabel);
}

void MainWindow::updateTitle()
{
    const QString caption = ZQConfig::pluCaption();
    const QString file = m_document->currentFile();
    // "[*]": the desktop's mark of unsaved changes, shown while the window is modified.
    setWindowTitle((file.isEmpty() ? caption : caption + QLatin1Char(' ') + file) + QStringLiteral("[*]"));
}

int MainWindow::rowCount()
{
    return m_document->recomputeRowCount();
}

bool MainWindow::isModified() const
{
    return m_document->isModified();
}

void MainWindow::setModified(bool modified)
{
    m_document->setModified(modified);
}

QString MainWindow::currentFile() const
{
    return m_document->currentFile();
}

TPLU MainWindow::rowToPlu(int row) const
{
    return model()->rowToPlu(row);
}

void MainWindow::pluToRow(const TPLU &plu, int row)
{
    model()->pluToRow(plu, row);
}

void MainWindow::resetRow(int row)
{
    model()->resetRow(row);
}

bool MainWindow::maybeSave()
{
    if (!isModified())
        return true;
    const Prompt::Button answer =
        Prompt::warning(this, tr("ZQPLU"), tr("The document has been modified.\nDo you want to save your changes?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return save(); // a failed or cancelled save keeps the window and the changes
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    if (ZQConfig *config = ZQConfig::instance())
        config->setValue(ZQConfig::PluFileName, currentFile());
    m_habits->save();
    m_guard->released();
    event->accept();
}

void MainWindow::clearDocument()
{
    m_document->clear();
    m_document->resetHistory();
    m_guard->released();
    updateTitle();
}

void MainWindow::startCommunication(int job)
{
    m_comm->startCommunication(job);
    m_habits->refreshLink();
}

void MainWindow::on_actionDownload_PLU_triggered()
{
    startCommunication(JobDownloadPlu);
}

void MainWindow::on_actionUpdate_PLU_triggered()
{
    startCommunication(JobUpdatePlu);
}

void MainWindow::on_actionUpload_PLU_triggered()
{
    if (!maybeSave())
        return;
    startCommunication(JobUploadPlu);
}

void MainWindow::on_actionScales_triggered()
{
    m_comm->scales();
}

void MainWindow::on_actionDownloadADInfo_triggered()
{
    startCommunication(JobDownloadAdvertising);
}

void MainWindow::on_actionNew_triggered()
{
    if (!maybeSave())
        return;
    clearDocument();
}

void MainWindow::on_actionExit_triggered()
{
    if (!maybeSave())
        return;
    close();
}

void MainWindow::on_actionAbout_triggered()
{
    ZQAboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::loadFile(const QString &path)
{
    if (path.isEmpty())
        return;
    if (!m_guard->lockForOpen(path))
        return;
    QString error;
    QString warning;
    if (PluFileSet::load(m_document, path, &error, &warning) == PluFileSet::LoadResult::Failed) {
        m_guard->abandoned();
        if (!error.isEmpty())
            Prompt::warning(this, tr("Warning"), error);
        return;
    }
    m_guard->settled();
    m_document->resetHistory();
    m_table->clearSelection();
    updateTitle();
    if (!warning.isEmpty())
        Prompt::warning(this, tr("Warning"), warning);
}

void MainWindow::openArgument(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("hotk"), Qt::CaseInsensitive) == 0)
        m_hotkey->openSheet(path);
    else
        loadFile(path);
}

void MainWindow::on_actionOpen_triggered()
{
    if (!maybeSave())
        return;
    const QString path = Prompt::openFileName(this, tr("Select File"), QString(), tr("TXP Files (*.TXP;*.TXU;*.CSV)"));
    if (path.isEmpty())
        return;
    loadFile(path);
}

bool MainWindow::writeFileSet(const QString &path, bool asNewName)
{
    const PluFileSet::SidePaths sides =
        asNewName ? PluFileSet::sidePathsForSaveAs(path)
                  : PluFileSet::SidePaths{m_document->infoPath(), m_document->msgPath(), m_document->rscPath()};
    QString error;
    if (!PluFileSet::save(m_document, path, sides, &error)) {
        m_guard->abandoned();
        Prompt::warning(this, tr("Warning"), error);
        return false;
    }
    m_guard->settled();
    updateTitle();
    Prompt::information(this, tr("Info"), tr("Save File Success"));
    return true;
}

bool MainWindow::save()
{
    m_table->setFocus();
    const QString current = currentFile();
    if (current.isEmpty())
        return saveAs(QString());
    // Another editor holds the file: this version goes elsewhere.
    if (m_guard->isReadOnly())
        return saveAs(QFileInfo(current).absolutePath());
    // A set is written tab-separated: saved under a .csv name it would read back as nothing.
    if (PluFile::kindOf(current) != PluFile::Kind::TabSeparated)
        return saveAs(QFileInfo(current).dir().filePath(PluFileSet::baseName(current) + QStringLiteral(".Txp")));
    switch (m_guard->checkDisk()) {
    case DocumentGuard::BeforeSave::Cancel:
        return false;
    case DocumentGuard::BeforeSave::SaveElsewhere:
        return saveAs(current);
    case DocumentGuard::BeforeSave::Write:
        break;
    }
    return writeFileSet(current, false);
}

bool MainWindow::saveAs(const QString &proposal)
{
    m_table->setFocus();
    const QString chosen = Prompt::saveFileName(this, tr("Export File"), proposal, tr("Txp Files (*.Txp)"));
    if (chosen.isEmpty())
        return false;
    // A name the set would not open by gets the file type; the dialog asked about replacing the
    // name it was given, not this one.
    const QString path = PluFileSet::mainPathForSave(chosen);
    if (path != chosen && QFileInfo::exists(path) &&
        Prompt::question(this, tr("Export File"),
                         tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName())) !=
            QMessageBox::Yes)
        return false;
    // The document's own file is looked at as Save looks at it.
    if (path == currentFile() && !m_guard->isReadOnly()) {
        const DocumentGuard::BeforeSave before = m_guard->checkDisk();
        if (before != DocumentGuard::BeforeSave::Write)
            return before == DocumentGuard::BeforeSave::SaveElsewhere && saveAs(path);
    }
    if (!m_guard->lockForSaveAs(path))
        return false;
    return writeFileSet(path, true);
}

void MainWindow::on_actionSave_triggered()
{
    save();
}

void MainWindow::on_actionSave_As_triggered()
{
    saveAs(QString());
}

void MainWindow::on_actionSelect_entire_row_triggered()
{
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        m_table->selectRow(current.row());
}

void MainWindow::on_actionSelect_block_column_triggered()
{
    const int n = rowCount();
    const QModelIndex current = m_table->currentIndex();
    if (n == 0 || !current.isValid())
        return;
    const QItemSelection block(model()->index(0, current.column()), model()->index(n - 1, current.column()));
    m_table->selectionModel()->select(block, QItemSelectionModel::Select);
}

void MainWindow::on_actionSelect_All_triggered()
{
    const int n = rowCount();
    if (n == 0)
        return;
    const QItemSelection all(model()->index(0, 0), model()->index(n - 1, PluColumns::Count - 1));
    m_table->selectionModel()->select(all, QItemSelectionModel::Select);
}

void MainWindow::on_TABLEVW_SHOW_clicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_lineNoEdit->setText(QString::number(index.row() + 1));
    m_hintLabel->setText(ColumnHints::hint(index.column(), ZQConfig::pluNameLen()));
}

void MainWindow::onLineNoEditingFinished()
{
    bool ok = false;
    const int n = m_lineNoEdit->text().toInt(&ok);
    if (!ok || n < 1 || n > PluColumns::RowCount)
        return;
    m_table->selectRow(n - 1);
    m_table->scrollTo(model()->index(n - 1, 0));
}

void MainWindow::onTableView_activated(const QModelIndex &) {}

void MainWindow::runFind(int column, const QString &text)
{
    const PluFinder::Result found = PluFinder::scan(*model(), column, text, rowCount());
    if (!found.rows.isEmpty()) {
        QItemSelectionModel *selection = m_table->selectionModel();
        selection->clearSelection();
        for (int row : found.rows)
            selection->select(model()->index(row, column), QItemSelectionModel::Select);
        selection->setCurrentIndex(model()->index(found.rows.last(), column), QItemSelectionModel::NoUpdate);
        m_table->scrollTo(model()->index(found.rows.last(), column));
    }
    if (!found.suggestions.isEmpty()) {
        const QSignalBlocker blocker(m_lookupBox);
        m_lookupBox->addItems(found.suggestions);
    }
}

void MainWindow::onLookupEditTextChanged(const QString &text)
{
    {
        // The box's list always starts with the text being searched.
        const QSignalBlocker blocker(m_lookupBox);
        QLineEdit *edit = m_lookupBox->lineEdit();
        const int cursor = edit->cursorPosition();
        m_lookupBox->clear();
        m_lookupBox->addItem(text);
        m_lookupBox->setEditText(text);
        edit->setCursorPosition(cursor);
    }
    runFind(PluFinder::columnForIndex(m_indexNameBox->currentIndex()), text);
}

void MainWindow::onIndexNameCurrentIndexChanged(int index)
{
    const QString text = m_lookupBox->currentText();
    if (text.isEmpty())
        return;
    {
        const QSignalBlocker blocker(m_lookupBox);
        while (m_lookupBox->count() > 1)
            m_lookupBox->removeItem(m_lookupBox->count() - 1);
    }
    runFind(PluFinder::columnForIndex(index), text);
}

void MainWindow::convertRowUnit(int row, const QString &oldUnit, const QString &newUnit)
{
    m_editor->convertRowUnit(row, oldUnit, newUnit);
}

void MainWindow::on_TABLEVW_SHOW_doubleClicked(const QModelIndex &index)
{
    const PluEditCommands::Choice choice = m_editor->doubleClicked(index);
    switch (choice) {
    case PluEditCommands::Choice::UnitMenu:
        showUnitMenu();
        break;
    case PluEditCommands::Choice::PackageMenu:
        showPackageMenu();
        break;
    case PluEditCommands::Choice::None:
        break;
    default:
        m_editors->openCell(choice, index);
        break;
    }
}

void MainWindow::on_UpdateBarcodeType(int way, const QString &text)
{
    m_editor->updateBarcodeType(way, text);
}

void MainWindow::showUnitMenu()
{
    if (!m_unitMenu) {
        m_unitMenu = new QMenu(this);
        m_unitMenu->setObjectName(QStringLiteral("unitMenu"));
        auto add = [this](int code, const QString &text) {
            QAction *a = m_unitMenu->addAction(text);
            connect(a, &QAction::triggered, this, kUnitSlots[code]);
        };
        if (ZQConfig::certiStatus() == 0) {
            for (int code = 0; code < WeightUnits::Count; ++code) {
                if (code == 9)
                    m_unitMenu->addSeparator();
                add(code, tr(kUnitTexts[code]));
            }
        } else {
            // Certified scales weigh in kilograms or count pieces, nothing else. The entry reads
            // "PCS" whatever the piece unit's stored name; the cell gets that name.
            add(WeightUnits::DefaultCode, tr(kUnitTexts[WeightUnits::DefaultCode]));
            add(WeightUnits::PcsKgCode, tr("PCS"));
        }
    }
    m_unitMenu->popup(QCursor::pos());
}

void MainWindow::showPackageMenu()
{
    delete m_packageMenu;
    m_packageMenu = new QMenu(this);
    m_packageMenu->setObjectName(QStringLiteral("packageMenu"));
    const QStringList names = PackageTypes::names();
    for (int code = 0; code < PackageTypes::Count; ++code) {
        QAction *a = m_packageMenu->addAction(names.at(code));
        connect(a, &QAction::triggered, this, kPackageSlots[code]);
        if (code == 0)
            m_packageMenu->addSeparator();
    }
    m_packageMenu->popup(QCursor::pos());
}
