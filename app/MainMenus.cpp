#include "app/MainMenus.h"

#include "core/AppPaths.h"
#include "core/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QVector>

namespace {
// The menus and their actions in display order. An empty name is a rule.
struct ActionDef
{
    const char *name;
    const char *text;
    const char *shortcut;
    // The letter of the Alt key; a translation that lacks it shows it after the text, "(&F)".
    char mnemonic;
};

struct MenuDef
{
    const char *title;
    char mnemonic;
    QVector<ActionDef> actions;
};

const QVector<MenuDef> &menuTable()
{
    static const QVector<MenuDef> menus = {
        {QT_TRANSLATE_NOOP("MainWindow", "File"),
         'F',
         {{"actionNew", QT_TRANSLATE_NOOP("MainWindow", "New"), "Ctrl+N", 'N'},
          {"actionOpen", QT_TRANSLATE_NOOP("MainWindow", "Open"), "Ctrl+O", 'O'},
          {"actionSave", QT_TRANSLATE_NOOP("MainWindow", "Save"), "Ctrl+S", 'S'},
          {"actionSave_As", QT_TRANSLATE_NOOP("MainWindow", "Save As"), "Ctrl+Alt+S", 'A'},
          {"", "", "", 0},
          {"actionImport_PLU_from_Excel", QT_TRANSLATE_NOOP("MainWindow", "Import PLU from Excel"), "", 'I'},
          {"actionCustom_import", QT_TRANSLATE_NOOP("MainWindow", "Custom import"), "", 'C'},
          {"actionExport_to_Excel", QT_TRANSLATE_NOOP("MainWindow", "Export to Excel"), "", 'E'},
          {"actionExport_Hotkey_to", QT_TRANSLATE_NOOP("MainWindow", "Export Hotkey to ..."), "", 'H'},
          {"", "", "", 0},
          {"actionChoose_Parameter", QT_TRANSLATE_NOOP("MainWindow", "Choose Parameter"), "", 'P'},
          {"", "", "", 0},
          {"actionExit", QT_TRANSLATE_NOOP("MainWindow", "Exit"), "Ctrl+Q", 'x'}}},
        {QT_TRANSLATE_NOOP("MainWindow", "PLU Edit"),
         'E',
         {{"actionUndo", QT_TRANSLATE_NOOP("MainWindow", "Undo"), "Ctrl+Z", 'U'},
          {"actionRedo", QT_TRANSLATE_NOOP("MainWindow", "Redo"), "Ctrl+Y", 'R'},
          {"", "", "", 0},
          {"actionCut", QT_TRANSLATE_NOOP("MainWindow", "Cut"), "Ctrl+X", 't'},
          {"actionCopy", QT_TRANSLATE_NOOP("MainWindow", "Copy"), "Ctrl+C", 'C'},
          {"actionPaste", QT_TRANSLATE_NOOP("MainWindow", "Paste"), "Ctrl+V", 'P'},
          {"actionMove_to", QT_TRANSLATE_NOOP("MainWindow", "Move to"), "", 'M'},
          {"", "", "", 0},
          {"actionInsert", QT_TRANSLATE_NOOP("MainWindow", "Insert"), "", 'I'},
          {"actionDelete", QT_TRANSLATE_NOOP("MainWindow", "Delete"), "Ctrl+Del", 'D'},
          {"", "", "", 0},
          {"actionSort_by_Name", QT_TRANSLATE_NOOP("MainWindow", "Sort by Name"), "", 'N'},
          {"actionSort_by_LF_Code", QT_TRANSLATE_NOOP("MainWindow", "Sort by LF Code"), "", 'L'},
          {"actionSort_by_Code", QT_TRANSLATE_NOOP("MainWindow", "Sort by Code"), "", 'S'},
          {"", "", "", 0},
          {"actionHotkey_editing", QT_TRANSLATE_NOOP("MainWindow", "Hotkey editing"), "", 'k'},
          {"actionDiscount_schedule", QT_TRANSLATE_NOOP("MainWindow", "Discount schedule"), "", 'h'},
          {"actionNutrition_elements_set", QT_TRANSLATE_NOOP("MainWindow", "Nutrition elements set"), "", 'e'}}},
        {QT_TRANSLATE_NOOP("MainWindow", "PLU Selection"),
         'S',
         {{"actionSelect_entire_row", QT_TRANSLATE_NOOP("MainWindow", "Select entire row"), "", 'r'},
          {"actionSelect_block_column", QT_TRANSLATE_NOOP("MainWindow", "Select block, column"), "", 'b'},
          {"actionSelect_All", QT_TRANSLATE_NOOP("MainWindow", "Select All"), "", 'A'},
          {"", "", "", 0},
          {"actionFill", QT_TRANSLATE_NOOP("MainWindow", "Fill"), "", 'F'},
          {"actionClear", QT_TRANSLATE_NOOP("MainWindow", "Clear"), "Del", 'C'},
          {"", "", "", 0},
          {"actionGenerate_hotkey", QT_TRANSLATE_NOOP("MainWindow", "Generate hotkey"), "", 'h'},
          {"actionGenerate_LF_Code", QT_TRANSLATE_NOOP("MainWindow", "Generate LF Code"), "", 'L'},
          {"actionGenerate_Code", QT_TRANSLATE_NOOP("MainWindow", "Generate Code"), "", 'o'},
          {"actionGenerate_Message_ID", QT_TRANSLATE_NOOP("MainWindow", "Generate Message ID"), "", 'M'}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Info"),
         'I',
         {{"actionAdvertising_slogan", QT_TRANSLATE_NOOP("MainWindow", "Advertising slogan"), "", 'A'},
          {"actionMessage_editing", QT_TRANSLATE_NOOP("MainWindow", "Message editing"), "", 'M'},
          {"", "", "", 0},
          {"actionPackage_type_setting", QT_TRANSLATE_NOOP("MainWindow", "Package type setting"), "", 'P'}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Communication"),
         'C',
         {{"actionDownload_PLU", QT_TRANSLATE_NOOP("MainWindow", "Download PLU"), "", 'D'},
          {"actionUpdate_PLU", QT_TRANSLATE_NOOP("MainWindow", "Update PLU"), "", 'U'},
          {"actionUpload_PLU", QT_TRANSLATE_NOOP("MainWindow", "Upload PLU"), "", 'l'},
          {"", "", "", 0},
          {"actionScales", QT_TRANSLATE_NOOP("MainWindow", "Scales"), "", 'S'},
          {"actionSend_history", QT_TRANSLATE_NOOP("MainWindow", "Send history"), "", 'H'}}},
        {QT_TRANSLATE_NOOP("MainWindow", "Help"),
         'H',
         {{"actionUser_Guide", QT_TRANSLATE_NOOP("MainWindow", "User Guide"), "F1", 'G'},
          {"actionAbout", QT_TRANSLATE_NOOP("MainWindow", "About"), "", 'A'}}},
    };
    return menus;
}

// Toolbar-only and form-only actions.
const ActionDef kExtraActions[] = {
    {"actionDownloadADInfo", QT_TRANSLATE_NOOP("MainWindow", "DownloadADInfo"), "", 0},
    {"actionFont", QT_TRANSLATE_NOOP("MainWindow", "Font"), "", 0},
    {"actionPreview_Hotkey_Card", QT_TRANSLATE_NOOP("MainWindow", "Preview Hotkey Card"), "", 0},
    {"actionImport_from_TXP_file", QT_TRANSLATE_NOOP("MainWindow", "Import from TXP file"), "", 0},
    // The window's own: goes to the toolbar's find box.
    {"actionFind", QT_TRANSLATE_NOOP("MainWindow", "Find"), "Ctrl+F", 0},
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

// The translated text with its Alt key marked: the letter itself where the text has it, else
// after the text in brackets, as Chinese menus show it. A translation with its own mark keeps it.
QString marked(const QString &shown, char mnemonic)
{
    if (!mnemonic || shown.contains(QLatin1Char('&')))
        return shown;
    const QChar key = QLatin1Char(mnemonic);
    int at = shown.indexOf(key);
    if (at < 0)
        at = shown.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        return shown.left(at) + QLatin1Char('&') + shown.mid(at);
    return shown + QStringLiteral("(&") + key.toUpper() + QLatin1Char(')');
}

QString label(const char *text, char mnemonic)
{
    return marked(tr(text), mnemonic);
}

// The menu's text with its Alt key; the toolbar's and tooltip's without it ("新建", not "新建(N)").
void setTexts(QAction *action, const char *text, char mnemonic)
{
    action->setText(label(text, mnemonic));
    action->setIconText(tr(text).remove(QLatin1Char('&')));
}

const char kLanguageKey = 'L';
// Each language by its own name, with a key that does not depend on the language shown.
const char kLanguageKeys[] = {'E', 'Z'};
} // namespace

namespace MainMenus {

QString plainText(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("\\(&.\\)$"));
    return text.remove(bracketed).remove(QLatin1Char('&'));
}

void build(QMainWindow *window)
{
    for (const MenuDef &menuDef : menuTable()) {
        QMenu *menu = window->menuBar()->addMenu(label(menuDef.title, menuDef.mnemonic));
        menu->setObjectName(QStringLiteral("menu") + QString::fromLatin1(menuDef.title).remove(QLatin1Char(' ')));
        for (const ActionDef &def : menuDef.actions) {
            if (!*def.name) {
                menu->addSeparator();
                continue;
            }
            auto *a = new QAction(window);
            setTexts(a, def.text, def.mnemonic);
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
        if (*def.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
        a->setEnabled(false);
    }
    // Help > Language: each language by its own name, so that anyone finds their way back.
    QMenu *help = window->findChild<QMenu *>(QStringLiteral("menuHelp"));
    QMenu *languages = new QMenu(label(kLanguageMenu, kLanguageKey), help);
    languages->setObjectName(QStringLiteral("menuLanguage"));
    help->insertMenu(help->actions().value(0), languages);
    auto *group = new QActionGroup(languages);
    for (const Language::Choice &choice : Language::choices()) {
        const int index = int(&choice - Language::choices().constData());
        QAction *a =
            languages->addAction(marked(choice.name, index < int(sizeof kLanguageKeys) ? kLanguageKeys[index] : 0));
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
        find(icon[0])->setIcon(QIcon(AppPaths::imagePath(QString::fromLatin1(icon[1]))));
}

void retranslate(QMainWindow *window)
{
    for (const MenuDef &menuDef : menuTable()) {
        const QString name = QStringLiteral("menu") + QString::fromLatin1(menuDef.title).remove(QLatin1Char(' '));
        if (QMenu *menu = window->findChild<QMenu *>(name))
            menu->setTitle(label(menuDef.title, menuDef.mnemonic));
        for (const ActionDef &def : menuDef.actions) {
            if (QAction *a = *def.name ? window->findChild<QAction *>(QString::fromLatin1(def.name)) : nullptr)
                setTexts(a, def.text, def.mnemonic);
        }
    }
    for (const ActionDef &def : kExtraActions)
        window->findChild<QAction *>(QString::fromLatin1(def.name))->setText(tr(def.text));
    window->findChild<QAction *>(QStringLiteral("actionDownloadADInfo"))->setToolTip(tr(kAdvertisingTip));
    window->findChild<QMenu *>(QStringLiteral("menuLanguage"))->setTitle(label(kLanguageMenu, kLanguageKey));
}

} // namespace MainMenus
