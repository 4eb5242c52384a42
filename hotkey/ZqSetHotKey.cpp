#include "hotkey/ZqSetHotKey.h"

#include "comm/TransferJob.h"
#include "core/AppPaths.h"
#include "core/PluColumns.h"
#include "core/Prompt.h"
#include "core/ScreenFit.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "hotkey/HotkeyFunctionStore.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetFile.h"
#include "hotkey/HotkeySheetTypes.h"
#include "hotkey/ItemDelegate.h"
#include "hotkey/KeyListView.h"
#include "hotkey/Printpreview.h"
#include "hotkey/ZqsethotkeyLoadPLUdialog.h"
#include "table/EditorHost.h"
#include "table/PluEditCommands.h"
#include "ui_ZqSetHotKey.h"

#include <QColorDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QImageReader>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {
// Pictures larger than this are scaled down on import: far more than a key needs, even in print.
constexpr int kMaxPictureSide = 1024;

QIcon icon(const char *file, QStyle::StandardPixmap fallback, const QStyle *style)
{
    const QString path = AppPaths::imagePath(QString::fromLatin1(file));
    return QFileInfo::exists(path) ? QIcon(path) : style->standardIcon(fallback);
}

QString swatchStyle(const QColor &c)
{
    return QStringLiteral("QLabel{border:1px solid black;background-color:%1;}")
        .arg(QStringLiteral("#%1%2%3")
                 .arg(c.red(), 2, 16, QLatin1Char('0'))
                 .arg(c.green(), 2, 16, QLatin1Char('0'))
                 .arg(c.blue(), 2, 16, QLatin1Char('0')));
}
} // namespace

ZqSetHotKey::ZqSetHotKey(HotkeySheet *sheet, EditorHost *host, HotkeyFunctionStore *functions, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZqSetHotKey>()), m_sheet(sheet), m_host(host), m_functions(functions),
      m_menu(new QMenu(this))
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint));
    // The key list keeps the card's layout and scrolls when the screen is smaller than the card.
    resize(ScreenFit::bounded(QSize(1500, 700)));

    const QStyle *s = style();
    const struct
    {
        QToolButton *button;
        const char *file;
        QStyle::StandardPixmap fallback;
        void (ZqSetHotKey::*slot)();
    } tools[] = {
        {ui->OPEN_BTN, "open.png", QStyle::SP_DialogOpenButton, &ZqSetHotKey::on_OPEN_BTN_clicked},
        {ui->SAVE_BTN, "save.png", QStyle::SP_DialogSaveButton, &ZqSetHotKey::on_SAVE_BTN_clicked},
        {ui->SAVEAS_BTN, "saveAll.png", QStyle::SP_DriveFDIcon, &ZqSetHotKey::on_SAVEAS_BTN_clicked},
        {ui->IMPORT_PLU_HOTKEY_BTN, "import.png", QStyle::SP_ArrowDown, &ZqSetHotKey::on_IMPORT_PLU_HOTKEY_BTN_clicked},
        {ui->SAVE_PLU_HOTKEY_BTN, "export.png", QStyle::SP_ArrowUp, &ZqSetHotKey::on_SAVE_PLU_HOTKEY_BTN_clicked},
        {ui->PRINT_PREVIEW_BTN, "PrintBtn.bmp", QStyle::SP_FileDialogContentsView,
         &ZqSetHotKey::on_PRINT_PREVIEW_BTN_clicked},
        {ui->DOWNLOAD_BTN, "DownloadBtn.bmp", QStyle::SP_ArrowRight, &ZqSetHotKey::on_DOWNLOAD_BTN_clicked},
        {ui->UPLOAD_BTN, "UploadBtn.bmp", QStyle::SP_ArrowLeft, &ZqSetHotKey::on_UPLOAD_BTN_clicked},
        {ui->CLOSE_BTN, "ExitButton.bmp", QStyle::SP_DialogCloseButton, nullptr},
    };
    for (const auto &t : tools) {
        t.button->setIcon(icon(t.file, t.fallback, s));
        if (t.slot)
            connect(t.button, &QToolButton::clicked, this, t.slot);
    }
    connect(ui->CLOSE_BTN, &QToolButton::clicked, this, &QDialog::close);
    ui->SAVE_PLU_HOTKEY_BTN->setEnabled(false);

    QListView *list = ui->listView;
    KeyListView::setUp(list, HotkeySheetTypes::EditorSpacing, new ItemDelegate(list), m_sheet->model());
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
    connect(list, &QListView::clicked, this, &ZqSetHotKey::showlick);

    connect(ui->checkBox, &QCheckBox::clicked, this, &ZqSetHotKey::on_checkBox_clicked);
    connect(ui->Color1_Btn, &QPushButton::clicked, this, &ZqSetHotKey::on_Color1_Btn_clicked);
    connect(ui->Font1_Btn, &QPushButton::clicked, this, &ZqSetHotKey::on_Font1_Btn_clicked);
    connect(ui->Color2_Btn, &QPushButton::clicked, this, &ZqSetHotKey::on_Color2_Btn_clicked);
    connect(ui->Font2_Btn, &QPushButton::clicked, this, &ZqSetHotKey::on_Font2_Btn_clicked);
    // A choice of the operator, even of the name already shown, assigns; showing a key does not.
    connect(ui->Name1_Box, QOverload<int>::of(&QComboBox::activated), this,
            &ZqSetHotKey::on_Name1_Box_currentIndexChanged);
    connect(ui->Name2_Box, QOverload<int>::of(&QComboBox::activated), this,
            &ZqSetHotKey::on_Name2_Box_currentIndexChanged);
    connect(ui->Code1_Show, &QLineEdit::returnPressed, this, &ZqSetHotKey::on_Code1_Show_returnPressed);
    connect(ui->Code2_Show, &QLineEdit::returnPressed, this, &ZqSetHotKey::on_Code2_Show_returnPressed);
    connect(ui->CustomizeBox, QOverload<int>::of(&QComboBox::activated), this, &ZqSetHotKey::on_CustomizeBox_activated);
    connect(ui->CustomizeBox_2, QOverload<int>::of(&QComboBox::activated), this,
            &ZqSetHotKey::on_CustomizeBox_2_activated);

    for (QComboBox *box : {ui->CustomizeBox, ui->CustomizeBox_2}) {
        for (int f : HotkeyFunctions::offered(ZQConfig::isShowPT()))
            box->addItem(HotkeyFunctions::name(f), f);
        box->setCurrentIndex(-1);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{ui->CustomizeHotKey, ui->CustomizeBox, ui->CustomizeHotKey_2,
                                                       ui->CustomizeBox_2})
        w->setVisible(ZQConfig::isShowCusHotKeyFun());
    showColor(1, Qt::white);
    showColor(2, Qt::white);
    buildMenu();
}

ZqSetHotKey::~ZqSetHotKey() = default;

void ZqSetHotKey::buildMenu()
{
    auto add = [this](QMenu *menu, const char *text, void (ZqSetHotKey::*slot)()) {
        QAction *a = menu->addAction(tr(text));
        m_menuTexts.emplace_back(a, text);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto sub = [this](const char *text) {
        QMenu *menu = m_menu->addMenu(tr(text));
        m_menuTexts.emplace_back(menu->menuAction(), text);
        return menu;
    };
    QMenu *page1 = sub(QT_TR_NOOP("page1"));
    add(page1, QT_TR_NOOP("font set"), &ZqSetHotKey::fontset1);
    add(page1, QT_TR_NOOP("load plu"), &ZqSetHotKey::loadplu);
    add(page1, QT_TR_NOOP("background set"), &ZqSetHotKey::backgroundset1);
    add(page1, QT_TR_NOOP("clear"), &ZqSetHotKey::clear1);
    QMenu *page2 = sub(QT_TR_NOOP("page2"));
    add(page2, QT_TR_NOOP("font set"), &ZqSetHotKey::fontset2);
    add(page2, QT_TR_NOOP("load plu"), &ZqSetHotKey::loadplu2);
    add(page2, QT_TR_NOOP("background set"), &ZqSetHotKey::backgroundset2);
    add(page2, QT_TR_NOOP("clear"), &ZqSetHotKey::clear2);
    QMenu *full = sub(QT_TR_NOOP("full page"));
    add(full, QT_TR_NOOP("font set"), &ZqSetHotKey::fontset3);
    add(full, QT_TR_NOOP("background set"), &ZqSetHotKey::backgroundset3);
    add(full, QT_TR_NOOP("clear"), &ZqSetHotKey::clear3);
    add(full, QT_TR_NOOP("show price"), &ZqSetHotKey::showprice);
    add(full, QT_TR_NOOP("import picture"), &ZqSetHotKey::importpicture);
    add(full, QT_TR_NOOP("cancel picture"), &ZqSetHotKey::cancelpicture);
    add(full, QT_TR_NOOP("load plu"), &ZqSetHotKey::loadplu3);
    m_menu->addSeparator();
    // Also actions of the window, so their shortcut works without the menu.
    addAction(add(m_menu, QT_TR_NOOP("use page2"), &ZqSetHotKey::use_page));
    addAction(add(m_menu, QT_TR_NOOP("cancel page2"), &ZqSetHotKey::cancel_page));
    QAction *all = add(m_menu, QT_TR_NOOP("checkall(Ctrl+A)"), &ZqSetHotKey::check_all);
    all->setShortcut(QKeySequence::SelectAll);
    addAction(all);
}

void ZqSetHotKey::retranslateHandBuilt()
{
    for (const auto &entry : m_menuTexts)
        entry.first->setText(tr(entry.second));
    for (QComboBox *box : {ui->CustomizeBox, ui->CustomizeBox_2})
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, HotkeyFunctions::name(box->itemData(i).toInt()));
}

void ZqSetHotKey::changeEvent(QEvent *event)
{
    // Kept for the whole run by the controller: it follows a language chosen while it exists.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateHandBuilt();
    }
    QDialog::changeEvent(event);
}

int ZqSetHotKey::exec()
{
    takeStoredType();
    return QDialog::exec();
}

bool ZqSetHotKey::takeStoredType()
{
    const int type = HotkeySheetTypes::stored();
    if (type == m_sheet->type())
        return false;
    m_sheet->newSheet(type);
    sizeForType();
    fillFromTable();
    return true;
}

void ZqSetHotKey::sizeForType()
{
    KeyListView::setCardSize(ui->listView, ui->keyScrollArea, HotkeySheetTypes::geometry(m_sheet->type()).editorWindow);
}

QComboBox *ZqSetHotKey::nameBox(int layer) const
{
    return layer == 2 ? ui->Name2_Box : ui->Name1_Box;
}

QComboBox *ZqSetHotKey::functionBox(int layer) const
{
    return layer == 2 ? ui->CustomizeBox_2 : ui->CustomizeBox;
}

QList<int> ZqSetHotKey::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui->listView->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ZqSetHotKey::refillNameBoxes()
{
    const QStringList names = m_sheet->pluNames();
    for (int layer = 1; layer <= 2; ++layer) {
        QComboBox *box = nameBox(layer);
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(names);
        box->setCurrentIndex(-1);
    }
}

void ZqSetHotKey::selectFirstKey()
{
    const QModelIndex first = m_sheet->model()->index(0, 0);
    if (!first.isValid())
        return;
    ui->listView->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    showlick(first);
}

void ZqSetHotKey::fillFromTable()
{
    PluDocument *doc = m_host->document();
    const int rows = doc->recomputeRowCount();
    TPLUList plus;
    plus.reserve(rows);
    for (int r = 0; r < rows; ++r)
        plus.append(doc->model()->rowToPlu(r));
    m_sheet->fill(m_sheet->type(), plus, m_functions->hotkeyFunctions());
    refillNameBoxes();
    selectFirstKey();
    ui->SAVE_PLU_HOTKEY_BTN->setEnabled(true);
}

void ZqSetHotKey::showFont(int layer, const QFont &font)
{
    (layer == 2 ? ui->Font2_Show : ui->Font1_Show)->setText(font.toString().section(QLatin1Char(','), 0, 0));
}

void ZqSetHotKey::showColor(int layer, const QColor &color)
{
    (layer == 2 ? ui->Color2_Show : ui->Color1_Show)->setStyleSheet(swatchStyle(color));
}

void ZqSetHotKey::showLayer(int layer, int row)
{
    const ItemData item = m_sheet->item(row);
    const ItemData::ConstLayer l = item.layer(layer);
    const bool function = HotkeyFunctions::isFunctionKey(l.lfCode);
    QComboBox *names = nameBox(layer);
    QComboBox *functions = functionBox(layer);
    const QSignalBlocker blockNames(names);
    const QSignalBlocker blockFunctions(functions);
    names->setCurrentIndex(l.name.isEmpty() || function ? -1 : names->findText(l.name));
    functions->setCurrentIndex(function ? functions->findData(HotkeyFunctions::indexOf(l.lfCode)) : -1);
    (layer == 2 ? ui->Code2_Show : ui->Code1_Show)
        ->setText(l.lfCode == -1 || function ? QString() : QString::number(l.lfCode));
    (layer == 2 ? ui->Price2_Show : ui->Price1_Show)->setText(l.price);
    showColor(layer, l.background);
    showFont(layer, l.font);
}

void ZqSetHotKey::showlick(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    showLayer(1, index.row());
    showLayer(2, index.row());
    m_lastLayout = m_sheet->layout(index.row());
    ui->checkBox->setChecked(m_lastLayout & KeyLayout::SecondLayerBit);
}

void ZqSetHotKey::chooseName(int layer, int index)
{
    if (index < 0) {
        (layer == 2 ? ui->Code2_Show : ui->Code1_Show)->clear();
        (layer == 2 ? ui->Price2_Show : ui->Price1_Show)->clear();
        return;
    }
    const QList<int> rows = selectedRows();
    m_sheet->choosePlu(rows, layer, index);
    if (!rows.isEmpty())
        showLayer(layer, rows.first());
}

void ZqSetHotKey::on_Name1_Box_currentIndexChanged(int index)
{
    chooseName(1, index);
}

void ZqSetHotKey::on_Name2_Box_currentIndexChanged(int index)
{
    chooseName(2, index);
}

void ZqSetHotKey::chooseCode(int layer)
{
    const int lfCode = (layer == 2 ? ui->Code2_Show : ui->Code1_Show)->text().trimmed().toInt();
    if (lfCode == 0)
        return;
    const TPLUList &plus = m_sheet->plus();
    for (int i = 0; i < plus.size(); ++i) {
        if (plus.at(i).LFCode != lfCode)
            continue;
        const QSignalBlocker block(nameBox(layer));
        nameBox(layer)->setCurrentIndex(i);
        chooseName(layer, i);
    }
}

void ZqSetHotKey::on_Code1_Show_returnPressed()
{
    chooseCode(1);
}

void ZqSetHotKey::on_Code2_Show_returnPressed()
{
    chooseCode(2);
}

void ZqSetHotKey::chooseFunction(int layer, int boxIndex)
{
    const int function = functionBox(layer)->itemData(boxIndex).toInt();
    if (boxIndex < 0)
        return;
    m_sheet->chooseFunction(selectedRows(), layer, function);
    (layer == 2 ? ui->Code2_Show : ui->Code1_Show)->clear();
    (layer == 2 ? ui->Price2_Show : ui->Price1_Show)->clear();
    const QSignalBlocker block(nameBox(layer));
    nameBox(layer)->setCurrentIndex(-1);
}

void ZqSetHotKey::on_CustomizeBox_activated(int index)
{
    chooseFunction(1, index);
}

void ZqSetHotKey::on_CustomizeBox_2_activated(int index)
{
    chooseFunction(2, index);
}

void ZqSetHotKey::loadPluOn(int layer)
{
    ZqsethotkeyLoadPLUdialog dialog(m_sheet->plus(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<int> marked = dialog.getloadplu();
    const QList<int> rows = selectedRows();
    if (marked.isEmpty() || rows.isEmpty())
        return;
    m_sheet->loadPlu(rows, layer, marked.first());
    for (int n : layer == HotkeySheet::BothLayers ? QList<int>{1, 2} : QList<int>{layer})
        showLayer(n, rows.first());
}

void ZqSetHotKey::loadplu()
{
    loadPluOn(1);
}

void ZqSetHotKey::loadplu2()
{
    loadPluOn(2);
}

void ZqSetHotKey::loadplu3()
{
    loadPluOn(HotkeySheet::BothLayers);
}

void ZqSetHotKey::setFontOf(int layer)
{
    const QList<int> rows = selectedRows();
    const QFont current =
        rows.isEmpty() ? ItemData::defaultFont() : m_sheet->item(rows.first()).layer(layer == 2 ? 2 : 1).font;
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, this);
    if (!ok)
        return;
    m_sheet->setFont(rows, layer, font);
    for (int n : layer == HotkeySheet::BothLayers ? QList<int>{1, 2} : QList<int>{layer})
        showFont(n, font);
}

void ZqSetHotKey::fontset1()
{
    setFontOf(1);
}

void ZqSetHotKey::fontset2()
{
    setFontOf(2);
}

void ZqSetHotKey::fontset3()
{
    setFontOf(HotkeySheet::BothLayers);
}

void ZqSetHotKey::on_Font1_Btn_clicked()
{
    setFontOf(1);
}

void ZqSetHotKey::on_Font2_Btn_clicked()
{
    setFontOf(2);
}

void ZqSetHotKey::setBackgroundOf(int layer)
{
    const QColor color = QColorDialog::getColor(Qt::red, this, tr("select"));
    if (!color.isValid())
        return;
    m_sheet->setBackground(selectedRows(), layer, color);
    for (int n : layer == HotkeySheet::BothLayers ? QList<int>{1, 2} : QList<int>{layer})
        showColor(n, color);
}

void ZqSetHotKey::backgroundset1()
{
    setBackgroundOf(1);
}

void ZqSetHotKey::backgroundset2()
{
    setBackgroundOf(2);
}

void ZqSetHotKey::backgroundset3()
{
    setBackgroundOf(HotkeySheet::BothLayers);
}

void ZqSetHotKey::on_Color1_Btn_clicked()
{
    setBackgroundOf(1);
}

void ZqSetHotKey::on_Color2_Btn_clicked()
{
    setBackgroundOf(2);
}

void ZqSetHotKey::clearOf(int layer)
{
    m_sheet->clearLayer(selectedRows(), layer);
    for (int n : layer == HotkeySheet::BothLayers ? QList<int>{1, 2} : QList<int>{layer}) {
        showColor(n, Qt::white);
        (n == 2 ? ui->Code2_Show : ui->Code1_Show)->clear();
        const QSignalBlocker block(nameBox(n));
        nameBox(n)->setCurrentIndex(-1);
    }
}

void ZqSetHotKey::clear1()
{
    clearOf(1);
}

void ZqSetHotKey::clear2()
{
    clearOf(2);
}

void ZqSetHotKey::clear3()
{
    clearOf(HotkeySheet::BothLayers);
}

void ZqSetHotKey::showprice()
{
    m_sheet->togglePrice(selectedRows());
}

void ZqSetHotKey::importpicture()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const QString path = Prompt::openFileName(this, tr("Open File"), QStringLiteral("."),
                                              tr("*.bmp *.jpg *.pbm *.pgm *.png *.ppm *.xbm *.xpm);;All files (*.*)"));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull()) {
        Prompt::warning(this, tr("Warning"),
                        tr("The picture \"%1\" cannot be read: %2").arg(path, reader.errorString()));
        return;
    }
    if (picture.width() > kMaxPictureSide || picture.height() > kMaxPictureSide)
        picture = picture.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    HotkeySheetFile::preparePicture(picture);
    m_sheet->setPicture(rows, picture);
}

void ZqSetHotKey::cancelpicture()
{
    m_sheet->removePicture(selectedRows());
}

void ZqSetHotKey::use_page()
{
    m_sheet->useSecondLayer(selectedRows());
    ui->checkBox->setChecked(true);
}

void ZqSetHotKey::cancel_page()
{
    m_sheet->cancelSecondLayer(selectedRows());
    ui->checkBox->setChecked(false);
}

void ZqSetHotKey::on_checkBox_clicked(bool checked)
{
    m_sheet->showSecondLayer(selectedRows(), checked, m_lastLayout);
}

void ZqSetHotKey::check_all()
{
    ui->listView->selectAll();
}

bool ZqSetHotKey::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->listView->viewport())
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        // The menu acts on the selected keys: a key right-clicked outside the selection becomes it.
        const QModelIndex index = ui->listView->indexAt(mouse->pos());
        if (index.isValid() && !ui->listView->selectionModel()->isSelected(index)) {
            ui->listView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            showlick(index);
        }
        m_menu->popup(mouse->globalPos());
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        importpicture();
        return true;
    }
    return false;
}

void ZqSetHotKey::on_IMPORT_PLU_HOTKEY_BTN_clicked()
{
    if (Prompt::information(this, QString(), tr("Are you sure to import main interface PLU hotkey"),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        fillFromTable();
}

void ZqSetHotKey::on_SAVE_PLU_HOTKEY_BTN_clicked()
{
    if (Prompt::warning(this, tr("warning"),
                        tr("This will update the hotkey on main interface.Do you want to continue"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes)
        writeHotkeysBack();
}

void ZqSetHotKey::writeHotkeysBack()
{
    PluDocument *doc = m_host->document();
    const int used = doc->recomputeRowCount();
    TPLUList rows;
    rows.reserve(used);
    for (int r = 0; r < used; ++r)
        rows.append(doc->model()->rowToPlu(r));
    const QVector<int> hotkeys = m_sheet->assignHotkeys(rows);
    QVector<PluEditCommands::CellValue> cells;
    cells.reserve(hotkeys.size());
    for (int r = 0; r < hotkeys.size(); ++r)
        cells.append({r, PluColumns::HotKey, QString::number(hotkeys.at(r))});
    m_host->editCommands()->setCells(tr("Save PLU hotkey"), cells);
    if (!m_functions->replaceHotkeyFunctions(m_sheet->functionRows()))
        Prompt::warning(this, tr("Warning"), m_functions->lastError());
    refillNameBoxes();
    const QModelIndex current = ui->listView->currentIndex();
    if (current.isValid())
        showlick(current);
}

void ZqSetHotKey::on_DOWNLOAD_BTN_clicked()
{
    // After Open the PLU list no longer follows the table, so there is nothing to write back.
    if (ui->SAVE_PLU_HOTKEY_BTN->isEnabled())
        on_SAVE_PLU_HOTKEY_BTN_clicked();
    m_host->startCommunication(JobDownloadHotkeySheet);
}

void ZqSetHotKey::on_UPLOAD_BTN_clicked()
{
    // Only PLUs that arrived are laid out again; a failed upload leaves the table as it was,
    // and the sheet too.
    PluTableModel *model = m_host->document()->model();
    bool changed = false;
    const auto mark = [&changed] { changed = true; };
    const QMetaObject::Connection c1 = connect(model, &QAbstractItemModel::dataChanged, this, mark);
    const QMetaObject::Connection c2 = connect(model, &QAbstractItemModel::modelReset, this, mark);
    m_host->startCommunication(JobUploadPluForHotkeys);
    disconnect(c1);
    disconnect(c2);
    if (changed)
        fillFromTable();
}

void ZqSetHotKey::on_PRINT_PREVIEW_BTN_clicked()
{
    Printpreview preview(m_sheet, this);
    preview.exec();
}

QString ZqSetHotKey::askSheetName()
{
    QString path = Prompt::saveFileName(this, tr("Save File"), QStringLiteral("."), tr("Hot Key Files (*.Hotk)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".Hotk");
    return path;
}

bool ZqSetHotKey::writeSheet(const QString &path)
{
    QString error;
    if (!HotkeySheetFile::write(path, m_sheet->keys(), &error)) {
        Prompt::warning(this, tr("Warning"), tr("Create File fail") + QLatin1Char('\n') + error);
        return false;
    }
    m_fileName = path;
    return true;
}

void ZqSetHotKey::on_SAVE_BTN_clicked()
{
    const QString path = m_fileName.isEmpty() ? askSheetName() : m_fileName;
    if (!path.isEmpty())
        writeSheet(path);
}

void ZqSetHotKey::on_SAVEAS_BTN_clicked()
{
    const QString path = askSheetName();
    if (!path.isEmpty())
        writeSheet(path);
}

void ZqSetHotKey::on_OPEN_BTN_clicked()
{
    const QString path = Prompt::openFileName(this, tr("Open File"), QStringLiteral("."), tr("Hot Key Files (*.Hotk)"));
    if (!path.isEmpty())
        openSheet(path);
}

bool ZqSetHotKey::openSheet(const QString &path)
{
    // The sheet is read for the stored type: take it now, so that showing the editor keeps it.
    takeStoredType();
    QVector<HotkeyKey> keys;
    QString error;
    if (HotkeySheetFile::read(path, m_sheet->keyCount(), &keys, &error) != HotkeySheetFile::Result::Ok) {
        Prompt::warning(this, tr("Warning"), tr("OPen File fail") + QLatin1Char('\n') + error);
        return false;
    }
    ui->SAVE_PLU_HOTKEY_BTN->setEnabled(false);
    m_sheet->setKeys(keys);
    refillNameBoxes();
    selectFirstKey();
    // Save writes back to the sheet that was opened, never over another one.
    m_fileName = path;
    return true;
}
