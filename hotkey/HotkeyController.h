#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class EditorHost;
class HotkeyFunctionStore;
class HotkeySheet;
class ZqSetHotKey;

// Hotkey sheets: the sheet editor, its preview and printing, the sheet type, and the key file
// export. Owns the sheet, which lives as long as the main window, and the editor showing it.
class HotkeyController : public QObject
{
    Q_OBJECT
public:
    explicit HotkeyController(EditorHost *host, QObject *parent = nullptr);
    ~HotkeyController() override;

    void hotkeyEditing();
    // The sheet editor on a ".Hotk" file, as when one is opened from the file manager.
    void openSheet(const QString &path);
    void exportHotkey();
    void chooseParameter();
    void previewHotkeyCard();

    HotkeySheet *sheet() const { return m_sheet; }
    // The editor, created on first use and kept.
    ZqSetHotKey *editor();
    // Where function keys are kept; the controller's own in-memory store unless one is given.
    void setFunctionStore(HotkeyFunctionStore *store);

private:
    void enableActions();

    EditorHost *m_host;
    HotkeySheet *m_sheet;
    std::unique_ptr<HotkeyFunctionStore> m_ownFunctions;
    HotkeyFunctionStore *m_functions;
    QPointer<ZqSetHotKey> m_editor;
    // The controller whose sheet the transfers read: the last one made.
    static HotkeyController *s_sourceOwner;
};
