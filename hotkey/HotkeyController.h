#pragma once

#include <QObject>

class EditorHost;

// Hotkey sheets: the sheet editor, its preview and printing, and the key file export. Owns
// their dialogs.
class HotkeyController : public QObject
{
    Q_OBJECT
public:
    explicit HotkeyController(EditorHost *host, QObject *parent = nullptr);
    ~HotkeyController() override;

    void hotkeyEditing();
    void exportHotkey();
    void chooseParameter();
    void previewHotkeyCard();

private:
    EditorHost *m_host;
};
