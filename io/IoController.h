#pragma once

#include "io/Sheet.h"

#include <QObject>

class EditorHost;
class ImportExcelDialog;
struct ImportProblem;

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
    // Runs the custom text import with the stored layout, asking for the file.
    void importTxt();
    // The same on a named file (the custom import dialog's request).
    void importTxt(const QString &path);

    // Reads a spreadsheet with a progress window that can cancel it (shown when it takes long).
    bool readSheet(const QString &path, Sheet *sheet, SheetError *error);

private:
    // Lists the problems of an import, if any; true when the good rows are to be imported.
    bool takeGoodRows(const QString &path, const QVector<ImportProblem> &problems);
    void warnUnreadable(const QString &path, const QString &reason);

    EditorHost *m_host;
    ImportExcelDialog *m_excelDialog = nullptr;
};
