#pragma once

#include <QObject>

class EditorHost;

// Imports and exports of the File menu: spreadsheets, foreign text files. Owns their dialogs.
class IoController : public QObject
{
    Q_OBJECT
public:
    explicit IoController(EditorHost *host, QObject *parent = nullptr);
    ~IoController() override;

    void importPluFromExcel();
    void customImport();
    void exportToExcel();
    // Runs the custom text import with the stored layout.
    void importTxt();

private:
    EditorHost *m_host;
};
