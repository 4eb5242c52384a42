#include "app/MainMenus.h"

#include "core/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVector>

namespace {
// The menus and their actions in display order. An empty name is a rule.
struct ActionDef
{
    const char *name;
    const char *text;
    const char *shortcut;
};

struct MenuDef
{
    const char *title;
    QVector<ActionDef> actions;
};

const QVector<MenuDef> &menuTable()
{
    static const QVector<MenuDef> menus = {
        {QT_TRANSLATE_NOOP("MainWindow", "File"),
         {{"actionNew", QT_TRANSLATE_NOOP("MainWindow", "New"), "Ctrl+N"},
          {"actionOpen", QT_TRANSLATE_NOOP("MainWindow", "Open"), "Ctrl+O"},
          {"actionSave", QT_TRANSLATE_NOOP("MainWindow", "Save"), "Ctrl+S"},
          {"actionSave_As", QT_TRANSLATE_NOOP("MainWindow", "Save As"), "Ctrl+Alt+S"},
          {"", "", ""},
          {"actionImport_PLU_from_Excel", QT_TRANSLATE_NOOP("MainWindow", "Import PLU from Excel"), ""},
          {"actionCustom_import", QT_TRANSLATE_NOOP("MainWindow", "Custom import"), ""},
          {"actionExport_to_Excel", QT_TRANSLATE_NOOP("MainWindow", "Export to Excel"), ""},
          {"actionExport_Hotkey_to", QT_TRANSLATE_NOOP("MainWindow", "Export Hotkey to ..."), ""},
          {"", "", ""},
          {"actionChoose_Parameter", QT_TRANSLATE_NOOP("MainWindow", "Choose Parameter"), ""},
          {"", "", ""},
          {"actionExit", QT_TRANSLATE_NOOP("MainWindow", "Exit"), "Ctrl+Q"}}},
        {QT_TRANSLATE_NOOP("MainWindow", "PLU Edit"),
         {{"actionUndo", QT_TRANSLATE_NOOP("MainWindow", "Undo"), "Ctrl+Z"},
          {"actionRedo", QT_TRANSLATE_NOOP("MainWindow", "Redo"), "Ctrl+Y"},
          {"", "", ""},
          {"actionCut", QT_TRANSLATE_NOOP("MainWindow", "Cut"), "Ctrl+X"},
          {"actionCopy", QT_TRANSLATE_NOOP("MainWindow", "Copy"), "Ctrl+C"},
          {"actionPaste", QT_TRANSLATE_NOOP("MainWindow", "Paste"), "Ctrl+V"},
          {"actionMove_to", QT_TRANSLATE_NOOP("MainWindow", "Move to"), ""},
          {"", "", ""},
          {"actionInsert", QT_TRANSLATE_NOOP("MainWindow", "Insert"), ""},
          {"actionDelete", QT_TRANSLATE_NOOP("MainWindow", "Delete"), "Ctrl+Del"},
          {"", "", ""},
          {"actionSort_by_Name", QT_TRANSLATE_NOOP("MainWindow", "Sort by Name"), ""},
          {"actionSort_by_LF_Code", QT_TRANSLATE_NOOP("MainWindow", "Sort by LF Code"), ""},
          {"actionSort_by_Code", QT_TRANSLATE_NOOP("MainWindow", "Sort by Code"), ""},
          {"", "", ""},
          {"actionHotkey_editing", QT_TRANSLATE_NOOP("MainWindow", "Hotkey editing"), ""},
          {"actionDiscount_schedule", QT_TRANSLATE_NOOP("MainWindow", "Discount schedule"), ""},
          {"actionNutrition_elements_set", QT_TRANSLATE_NOOP("MainWindow", "Nutrition elements set"), ""}}},
        {QT_TRANSLATE_NOOP("MainWindow", "PLU Selection"),
         {{"actionSelect_entire_row", QT_TRANSLATE_NOOP("MainWindow", "Select entire row"), ""},
          {"actionSelect_block_column", QT_TRANSLATE_NOOP("MainWindow", "Select block, column"), ""},
          {"actionSelect_All", QT_TRANSLATE_NOOP("MainWindow", "Select All"), ""},
          {"", "", ""},
          {"actionFill", QT_TRANSLATE_NOOP("MainWindow", "Fill"), ""},
          {"actionClear", QT_TRANSLATE_NOOP("MainWindow", "Clear"), "Del"},
          {"", "", ""},
          {"actionGenerate_hotkey", QT_TRANSLATE_NOOP("MainWindow", "Generate hotkey"), ""},
          {"actionGenerate_LF_Code", QT_TRANSLATE_NOOP("MainWindow", "Generate LF Code"), ""},
          {"actionGenerate_Code", QT_TRANSLATE_NOOP("MainWindow", "Generate Code"), ""},
          {"actionGenerate_Message_ID", QT_TRANSLATE_NOOP("MainWindow", "Generate Message ID"), ""}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Info"),
         {{"actionAdvertising_slogan", QT_TRANSLATE_NOOP("MainWindow", "Advertising slogan"), ""},
          {"actionMessage_editing", QT_TRANSLATE_NOOP("MainWindow", "Message editing"), ""},
          {"", "", ""},
          {"actionPackage_type_setting", QT_TRANSLATE_NOOP("MainWindow", "Package type setting"), ""}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Communication"),
         {{"actionDownload_PLU", QT_TRANSLATE_NOOP("MainWindow", "Download PLU"), ""},
          {"actionUpdate_PLU", QT_TRANSLATE_NOOP("MainWindow", "Update PLU"), ""},
          {"actionUpload_PLU", QT_TRANSLATE_NOOP("MainWindow", "Upload PLU"), ""},
          {"", "", ""},
          {"actionScales", QT_TRANSLATE_NOOP("MainWindow", "Scales"), ""},
          {"actionSend_history", QT_TRANSLATE_NOOP("MainWindow", "Send history"), ""}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Help"), {{"actionAbout", QT_TRANSLATE_NOOP("MainWindow", "About"), ""}}},
    };
    return menus;
}

// Toolbar-only and form-only actions.
const ActionDef kExtraActions[] = {
    {"actionDownloadADInfo", QT_TRANSLATE_NOOP("MainWindow", "DownloadADInfo"), ""},
    {"actionFont", QT_TRANSLATE_NOOP("MainWindow", "Font"), ""},
    {"actionPreview_Hotkey_Card", QT_TRANSLATE_NOOP("MainWindow", "Preview Hotkey Card"), ""},
    {"actionImport_from_TXP_file", QT_TRANSLATE_NOOP("MainWindow", "Import from TXP file"), ""},
};

const char *const kIconFiles[][2] = {
    {"actionNew", "new.png"},
    {"actionOpen", "open.png"},
    {"actionSave", "save.png"},
    {"actionAdvertising_slogan", "advertising.png"},
    {"actionMessage_editing", "message.png"},
    {"actionDiscount_schedule", "schedule.png"},
    {"actionHotkey_editing", "hotkey.png"},
    {"actionDownloadADInfo", "download_ad.png"},
    {"actionDownload_PLU", "download.png"},
    {"actionUpload_PLU", "upload.png"},
    {"actionUpdate_PLU", "update.png"},
};

const char *const kLanguageMenu = QT_TRANSLATE_NOOP("MainWindow", "Language");
const char *const kAdvertisingTip = QT_TRANSLATE_NOOP("MainWindow", "Download AD Infomation");

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}
} // namespace

namespace MainMenus {

QString imagePath(const QString &file)
{
    const QString local = QStringLiteral("./Images/") + file;
    if (QFileInfo::exists(local))
        return local;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Images/") + file;
}

void build(QMainWindow *window)
{
    for (const MenuDef &menuDef : menuTable()) {
        QMenu *menu = window->menuBar()->addMenu(tr(menuDef.title));
        menu->setObjectName(QStringLiteral("menu") + QString::fromLatin1(menuDef.title).remove(QLatin1Char(' ')));
        for (const ActionDef &def : menuDef.actions) {
            if (!*def.name) {
                menu->addSeparator();
                continue;
            }
            auto *a = new QAction(tr(def.text), window);
            a->setObjectName(QString::fromLatin1(def.name));
            if (*def.shortcut)
                a->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
            a->setEnabled(false);
            menu->addAction(a);
        }
    }
    for (const ActionDef &def : kExtraActions) {
        auto *a = new QAction(tr(def.text), window);
        a->setObjectName(QString::fromLatin1(def.name));
        a->setEnabled(false);
    }
    // Help > Language: each language by its own name, so that anyone finds their way back.
    QMenu *help = window->findChild<QMenu *>(QStringLiteral("menuHelp"));
    QMenu *languages = new QMenu(tr(kLanguageMenu), help);
    languages->setObjectName(QStringLiteral("menuLanguage"));
    help->insertMenu(help->actions().value(0), languages);
    auto *group = new QActionGroup(languages);
    for (const Language::Choice &choice : Language::choices()) {
        QAction *a = languages->addAction(choice.name);
        a->setObjectName(QStringLiteral("actionLanguage_") + choice.code);
        a->setData(choice.code);
        a->setCheckable(true);
        a->setChecked(choice.code == Language::current());
        group->addAction(a);
    }
    help->insertSeparator(help->actions().value(1));

    auto find = [window](const char *name) { return window->findChild<QAction *>(QString::fromLatin1(name)); };
    find("actionDownloadADInfo")->setToolTip(tr(kAdvertisingTip));
    for (const auto &icon : kIconFiles)
        find(icon[0])->setIcon(QIcon(imagePath(QString::fromLatin1(icon[1]))));
}

void retranslate(QMainWindow *window)
{
    for (const MenuDef &menuDef : menuTable()) {
        const QString name = QStringLiteral("menu") + QString::fromLatin1(menuDef.title).remove(QLatin1Char(' '));
        if (QMenu *menu = window->findChild<QMenu *>(name))
            menu->setTitle(tr(menuDef.title));
        for (const ActionDef &def : menuDef.actions) {
            if (QAction *a = *def.name ? window->findChild<QAction *>(QString::fromLatin1(def.name)) : nullptr)
                a->setText(tr(def.text));
        }
    }
    for (const ActionDef &def : kExtraActions)
        window->findChild<QAction *>(QString::fromLatin1(def.name))->setText(tr(def.text));
    window->findChild<QAction *>(QStringLiteral("actionDownloadADInfo"))->setToolTip(tr(kAdvertisingTip));
    window->findChild<QMenu *>(QStringLiteral("menuLanguage"))->setTitle(tr(kLanguageMenu));
}

} // namespace MainMenus
