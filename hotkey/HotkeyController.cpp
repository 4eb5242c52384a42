#include "hotkey/HotkeyController.h"

#include "comm/TransferSnapshot.h"
#include "core/Prompt.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "hotkey/HotkeyFunctionStore.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/KeyFile.h"
#include "hotkey/Printpreview.h"
#include "hotkey/SetHotkeyStyle.h"
#include "hotkey/ZqSetHotKey.h"
#include "table/EditorHost.h"

#include <QAction>

HotkeyController *HotkeyController::s_sourceOwner = nullptr;

HotkeyController::HotkeyController(EditorHost *host, QObject *parent)
    : QObject(parent), m_host(host), m_sheet(new HotkeySheet(this)),
      m_ownFunctions(std::make_unique<MemoryHotkeyFunctionStore>()), m_functions(m_ownFunctions.get())
{
    enableActions();
    // The editor's "Download" sends the hotkeys of the sheet's PLU list.
    HotkeySheet *sheet = m_sheet;
    TransferSnapshot::setHotkeySheetSource([sheet] { return sheet->hotkeyTablePlus(); });
    s_sourceOwner = this;
}

HotkeyController::~HotkeyController()
{
    if (s_sourceOwner == this) {
        TransferSnapshot::setHotkeySheetSource(nullptr);
        s_sourceOwner = nullptr;
    }
    delete m_editor;
}

void HotkeyController::enableActions()
{
    // "Preview Hotkey Card" is in no menu: the preview opens from the editor.
    for (const char *name : {"actionHotkey_editing", "actionExport_Hotkey_to", "actionChoose_Parameter"}) {
        QAction *a = m_host->action(QString::fromLatin1(name));
        if (a)
            a->setEnabled(true);
    }
}

void HotkeyController::setFunctionStore(HotkeyFunctionStore *store)
{
    m_functions = store ? store : m_ownFunctions.get();
    delete m_editor;
}

ZqSetHotKey *HotkeyController::editor()
{
    if (!m_editor)
        m_editor = new ZqSetHotKey(m_sheet, m_host, m_functions, m_host->hostWidget());
    return m_editor;
}

void HotkeyController::hotkeyEditing()
{
    editor()->exec();
}

void HotkeyController::openSheet(const QString &path)
{
    if (editor()->openSheet(path))
        editor()->exec();
}

void HotkeyController::exportHotkey()
{
    QWidget *parent = m_host->hostWidget();
    const QString path = Prompt::saveFileName(parent, tr("Export File"), QString(), tr("KEY Files (*.key)"));
    if (path.isEmpty())
        return;
    PluDocument *doc = m_host->document();
    QString error;
    if (!KeyFile::write(path, *doc->model(), doc->recomputeRowCount(), &error))
        Prompt::warning(parent, tr("Warning"), error);
}

void HotkeyController::chooseParameter()
{
    SetHotkeyStyle dialog(m_host->hostWidget());
    dialog.exec();
}

void HotkeyController::previewHotkeyCard()
{
    // The card of the sheet the editor would show: built from the table on first use.
    editor()->takeStoredType();
    Printpreview preview(m_sheet, m_host->hostWidget());
    preview.exec();
}
