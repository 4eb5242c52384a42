#pragma once

#include <QDialog>
#include <QModelIndex>
#include <memory>
#include <utility>
#include <vector>

namespace Ui {
class ZqSetHotKey;
}
class EditorHost;
class HotkeyFunctionStore;
class HotkeySheet;
class QComboBox;
class QLabel;
class QMenu;

// The hotkey sheet editor ("Import PLU HotKey"): the keys of one sheet, the property panel of
// the clicked key, the commands that assign PLUs and functions and style the keys, the ".Hotk"
// files, the hotkeys written back into the table, and the transfers of the sheet. The sheet
// itself is a HotkeySheet that outlives the window's showings.
class ZqSetHotKey : public QDialog
{
    Q_OBJECT
public:
    ZqSetHotKey(HotkeySheet *sheet, EditorHost *host, HotkeyFunctionStore *functions, QWidget *parent = nullptr);
    ~ZqSetHotKey() override;

    // Takes the stored sheet type first: a type other than the sheet's rebuilds the sheet from
    // the table.
    int exec() override;
    bool takeStoredType();
    // Shows the sheet of a ".Hotk" file; a damaged one is refused with a warning.
    bool openSheet(const QString &path);
    HotkeySheet *sheet() const { return m_sheet; }
    QString fileName() const { return m_fileName; }
    // Rows of the selected keys, in key order.
    QList<int> selectedRows() const;

    // Named after their widgets and menu entries but connected explicitly: as plain functions,
    // the form's by-name wiring does not connect them a second time.
    void on_OPEN_BTN_clicked();
    void on_SAVE_BTN_clicked();
    void on_SAVEAS_BTN_clicked();
    void on_IMPORT_PLU_HOTKEY_BTN_clicked();
    void on_SAVE_PLU_HOTKEY_BTN_clicked();
    void on_PRINT_PREVIEW_BTN_clicked();
    void on_DOWNLOAD_BTN_clicked();
    void on_UPLOAD_BTN_clicked();
    void loadplu();
    void loadplu2();
    void loadplu3();
    void showprice();
    void importpicture();
    void cancelpicture();
    void fontset1();
    void backgroundset1();
    void clear1();
    void fontset2();
    void backgroundset2();
    void clear2();
    void fontset3();
    void backgroundset3();
    void clear3();
    void use_page();
    void cancel_page();
    void check_all();
    void showlick(const QModelIndex &index);
    void on_checkBox_clicked(bool checked);
    void on_Color1_Btn_clicked();
    void on_Font1_Btn_clicked();
    void on_Color2_Btn_clicked();
    void on_Font2_Btn_clicked();
    void on_Name1_Box_currentIndexChanged(int index);
    void on_Name2_Box_currentIndexChanged(int index);
    void on_Code1_Show_returnPressed();
    void on_Code2_Show_returnPressed();
    void on_CustomizeBox_activated(int index);
    void on_CustomizeBox_2_activated(int index);

    // The sheet filled from the table's used rows and the stored function keys.
    void fillFromTable();
    // The hotkeys of the keys into the table (one undo step) and the function keys into their
    // store, without asking.
    void writeHotkeysBack();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenu();
    void retranslateHandBuilt();
    void sizeForType();
    void refillNameBoxes();
    void selectFirstKey();
    void showLayer(int layer, int row);
    void loadPluOn(int layer);
    void chooseName(int layer, int index);
    void chooseCode(int layer);
    void chooseFunction(int layer, int boxIndex);
    void setFontOf(int layer);
    void setBackgroundOf(int layer);
    void clearOf(int layer);
    void showFont(int layer, const QFont &font);
    void showColor(int layer, const QColor &color);
    bool writeSheet(const QString &path);
    QString askSheetName();
    QComboBox *nameBox(int layer) const;
    QComboBox *functionBox(int layer) const;

    std::unique_ptr<Ui::ZqSetHotKey> ui;
    HotkeySheet *m_sheet;
    EditorHost *m_host;
    HotkeyFunctionStore *m_functions;
    QMenu *m_menu;
    // Menu entries and their untranslated texts, to follow a change of language.
    std::vector<std::pair<QAction *, const char *>> m_menuTexts;
    QString m_fileName;
    int m_lastLayout = 0;
};
