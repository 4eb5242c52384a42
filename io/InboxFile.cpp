#include "io/InboxFile.h"

#include "document/PluDocument.h"
#include "document/PluFile.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"
#include "io/ImportCheck.h"
#include "io/SheetImport.h"
#include "io/SheetReader.h"

#include <QFileInfo>

namespace {
bool isWorkbook(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("xlsx") || suffix == QLatin1String("xls") || suffix == QLatin1String("ods");
}
} // namespace

bool InboxFile::isPriceList(const QString &path)
{
    return isWorkbook(path) || PluFile::kindOf(path) != PluFile::Kind::Unknown;
}

bool InboxFile::load(const QString &path, PluDocument *doc, QStringList *problems)
{
    problems->clear();
    if (!isWorkbook(path)) {
        QString error, warning;
        if (PluFileSet::load(doc, path, &error, &warning) != PluFileSet::LoadResult::Loaded) {
            *problems << (error.isEmpty() ? tr("the file cannot be read") : error);
            return false;
        }
        if (!warning.isEmpty()) {
            *problems << warning;
            return false;
        }
    } else {
        Sheet sheet;
        SheetError error;
        if (!SheetReader::read(path, &sheet, &error)) {
            *problems << error.reason;
            return false;
        }
        const QVector<SheetImport::SourceRow> rows = SheetImport::articleRows(sheet);
        ImportCheck check;
        const TPLUList records = SheetImport::checked(rows, SheetImport::proposedFirstRow(rows), rows.size(),
                                                      SheetImport::allChosen(), &check);
        for (const ImportProblem &p : check.problems())
            *problems << p.line();
        if (!problems->isEmpty())
            return false;
        doc->clear();
        doc->model()->replaceAllRows(SheetImport::place(records, 1));
        doc->setRowCount(records.size());
    }
    if (doc->recomputeRowCount() == 0) {
        *problems << tr("the file holds no PLU");
        return false;
    }
    return true;
}
