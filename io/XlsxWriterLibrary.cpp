#include "io/XlsxWriterLibrary.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
template <typename F> bool resolve(QLibrary &library, const char *name, F *function)
{
    *function = reinterpret_cast<F>(library.resolve(name));
    return *function != nullptr;
}

struct Loaded
{
    XlsxWriterLibrary functions;
    QString error;
    bool ok = false;
};

Loaded load()
{
    Loaded loaded;
    QLibrary library(QStringLiteral("xlsxwriter"), 4);
    library.setLoadHints(QLibrary::DeepBindHint);
    if (!library.load()) {
        loaded.error = XlsxWriterLibrary::tr("the workbook writer (libxlsxwriter) cannot be loaded: %1")
                           .arg(library.errorString());
        return loaded;
    }
    XlsxWriterLibrary &f = loaded.functions;
    loaded.ok = resolve(library, "workbook_new_opt", &f.workbookNew) &&
                resolve(library, "workbook_add_worksheet", &f.addWorksheet) &&
                resolve(library, "workbook_add_format", &f.addFormat) &&
                resolve(library, "format_set_bold", &f.setBold) &&
                resolve(library, "format_set_num_format", &f.setNumFormat) &&
                resolve(library, "worksheet_freeze_panes", &f.freezePanes) &&
                resolve(library, "worksheet_set_column", &f.setColumn) &&
                resolve(library, "worksheet_write_string", &f.writeString) &&
                resolve(library, "worksheet_write_number", &f.writeNumber) &&
                resolve(library, "workbook_close", &f.close) && resolve(library, "lxw_strerror", &f.strerror);
    if (!loaded.ok)
        loaded.error = XlsxWriterLibrary::tr("the workbook writer (libxlsxwriter) is incomplete");
    // Stays loaded for the rest of the run.
    return loaded;
}
} // namespace

const XlsxWriterLibrary *XlsxWriterLibrary::instance(QString *error)
{
    static const Loaded loaded = load();
    if (!loaded.ok) {
        *error = loaded.error;
        return nullptr;
    }
    return &loaded.functions;
}
