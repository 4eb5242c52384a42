#pragma once

#include <QCoreApplication>
#include <QString>
#include <xlsxwriter.h>

// libxlsxwriter, loaded at run time with its own symbols first. It writes the zip container
// through the system's minizip, whose function names QuaZip (our reader) exports too: linked
// normally, the writer's calls would land in QuaZip's variant and crash.
class XlsxWriterLibrary
{
    Q_DECLARE_TR_FUNCTIONS(XlsxWriterLibrary)

public:
    // The loaded library, or null with *error saying why.
    static const XlsxWriterLibrary *instance(QString *error);

    decltype(&workbook_new_opt) workbookNew = nullptr;
    decltype(&workbook_add_worksheet) addWorksheet = nullptr;
    decltype(&workbook_add_format) addFormat = nullptr;
    decltype(&format_set_bold) setBold = nullptr;
    decltype(&format_set_num_format) setNumFormat = nullptr;
    decltype(&worksheet_freeze_panes) freezePanes = nullptr;
    decltype(&worksheet_set_column) setColumn = nullptr;
    decltype(&worksheet_write_string) writeString = nullptr;
    decltype(&worksheet_write_number) writeNumber = nullptr;
    decltype(&workbook_close) close = nullptr;
    decltype(&lxw_strerror) strerror = nullptr;
};
