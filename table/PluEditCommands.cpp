#include "table/PluEditCommands.h"

#include "core/PackageTypes.h"
#include "core/PluColumns.h"
#include "core/PluLimits.h"
#include "core/Prompt.h"
#include "core/WeightUnits.h"
#include "document/PluDocument.h"
#include "table/MoveToDlg.h"
#include "table/PluCellChecker.h"
#include "table/PluContentCommand.h"
#include "table/PluGridCommand.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QTableView>
#include <QUndoStack>
#include <algorithm>
#include <functional>
#include <numeric>

using C = PluColumns;

namespace {
constexpr int kHotkeyCount = 224;
constexpr qint64 kCodeModulus = 9999999999LL;
constexpr int kNumberingTries = 20000;

QVector<int> identityOrder()
{
    QVector<int> order(PluColumns::RowCount);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// A pasted field as the file loader stores it: LF code as an integer, code as a 64-bit integer
// or empty text, everything else as text.
QVariant loaderValue(int column, const QString &field)
{
    if (column == C::LFCode)
        return field.trimmed().toInt();
    if (column == C::Code)
        return field.isEmpty() ? QVariant(QString()) : QVariant(field.trimmed().toLongLong());
    return field;
}

// The grid's ordering of cell values: the left value's type decides, integers compare as numbers,
// everything else as text by character codes.
bool cellLess(const QVariant &left, const QVariant &right)
{
    switch (left.userType()) {
    case QMetaType::UnknownType:
        return false;
    case QMetaType::Int:
        return left.toInt() < right.toInt();
    case QMetaType::LongLong:
        return left.toLongLong() < right.toLongLong();
    case QMetaType::Double:
        return left.toDouble() < right.toDouble();
    default:
        return left.toString().compare(right.toString(), Qt::CaseSensitive) < 0;
    }
}

QString convertedWeight(const QString &text, int fromCode, int toCode)
{
    const double value =
        text.trimmed().toDouble() / WeightUnits::perKilogram(fromCode) * WeightUnits::perKilogram(toCode);
    return QString::number(value, 'f', WeightUnits::decimals(toCode));
}

bool isPieceUnitText(const QString &unit)
{
    return unit.contains(QLatin1String("pcs"), Qt::CaseInsensitive);
}
} // namespace

PluEditCommands::PluEditCommands(PluDocument *document, QTableView *view, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_document(document), m_view(view), m_dialogParent(dialogParent), m_undo(new QUndoStack(this))
{
    model()->setEditHandler(
        [this](const QModelIndex &index, const QVariant &value) { return operatorEdit(index, value); });
    connect(m_document, &PluDocument::historyReset, m_undo, &QUndoStack::clear);
    // The modified flag follows the history: undoing back to the saved state clears it.
    connect(m_undo, &QUndoStack::cleanChanged, m_document, &PluDocument::setHistoryClean);
    connect(m_document, &PluDocument::savedStateReached, m_undo, &QUndoStack::setClean);
    m_document->setHistoryClean(m_undo->isClean());
}

PluEditCommands::~PluEditCommands()
{
    model()->setEditHandler(nullptr);
}

PluTableModel *PluEditCommands::model() const
{
    return m_document->model();
}

QModelIndexList PluEditCommands::selection() const
{
    return m_view->selectionModel() ? m_view->selectionModel()->selectedIndexes() : QModelIndexList();
}

void PluEditCommands::push(const QString &text, PluGridChange &change)
{
    if (change.isEmpty())
        return;
    m_undo->push(new PluGridCommand(text, model(), std::move(change)));
}

void PluEditCommands::reorder(const QString &text, const QVector<int> &source)
{
    if (source == identityOrder())
        return;
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        change.reorderRows(model(), source);
    }
    push(text, change);
}

void PluEditCommands::runChecks(PluGridChange &change)
{
    const QModelIndexList selected = selection();
    if (selected.isEmpty())
        return;
    const int rows = m_document->recomputeRowCount();
    for (const PluCellChecker::Finding &f : PluCellChecker::check(*model(), selected, rows)) {
        if (f.critical)
            Prompt::critical(m_dialogParent, f.title, f.text);
        else
            Prompt::warning(m_dialogParent, f.title, f.text);
        if (f.column == C::LFCode)
            m_view->selectionModel()->setCurrentIndex(model()->index(f.row, f.column), QItemSelectionModel::NoUpdate);
        change.write(model(), f.row, f.column, 0);
    }
}

void PluEditCommands::finishOperatorChange(const QString &text, PluGridChange &change)
{
    if (change.isEmpty())
        return;
    {
        PluTableModel::BulkUpdate bulk(model());
        runChecks(change);
    }
    push(text, change);
}

bool PluEditCommands::operatorEdit(const QModelIndex &index, const QVariant &value)
{
    if (!index.isValid())
        return false;
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        change.write(model(), index.row(), index.column(), value);
    }
    finishOperatorChange(tr("Edit %1").arg(PluColumns::caption(index.column())), change);
    return true;
}

void PluEditCommands::replaceContent(const QString &text, const PluDocument::Content &content)
{
    m_undo->push(new PluContentCommand(text, m_document, m_document->content(), content));
}

// --- clipboard ---

QString PluEditCommands::copyText()
{
    QModelIndexList cells = selection();
    std::sort(cells.begin(), cells.end(), [](const QModelIndex &a, const QModelIndex &b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    const int rows = m_document->recomputeRowCount();
    cells.erase(std::remove_if(cells.begin(), cells.end(), [rows](const QModelIndex &i) { return i.row() > rows; }),
                cells.end());
    if (cells.isEmpty())
        return QString();
    const int top = cells.first().row();
    const int left = cells.first().column();
    int bottom = top;
    int right = left;
    QSet<QPair<int, int>> chosen;
    for (const QModelIndex &i : qAsConst(cells)) {
        bottom = qMax(bottom, i.row());
        right = qMax(right, i.column());
        chosen.insert({i.row(), i.column()});
    }
    QString text;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c > left)
                text += QLatin1Char('\t');
            if (chosen.contains({r, c}))
                text += model()->text(r, c);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void PluEditCommands::copy()
{
    const QString text = copyText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void PluEditCommands::cut()
{
    const QModelIndexList cells = selection();
    if (cells.isEmpty())
        return;
    copy();
    QVector<int> order = identityOrder();
    int previous = -1;
    for (auto it = cells.crbegin(); it != cells.crend(); ++it) {
        if (it->row() == previous)
            continue;
        previous = it->row();
        order.remove(previous);
        order.append(-1);
    }
    reorder(tr("Cut"), order);
}

void PluEditCommands::paste()
{
    pasteText(QGuiApplication::clipboard()->text());
}

void PluEditCommands::pasteText(const QString &text)
{
    const QModelIndexList cells = selection();
    if (cells.isEmpty())
        return;
    const QModelIndex anchor = cells.first();
    const QStringList lines = text.split(QLatin1Char('\n'));
    PluGridChange change;
    m_view->setUpdatesEnabled(false);
    {
        PluTableModel::BulkUpdate bulk(model());
        // The part after the last line feed is no complete line and is left out.
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const int row = anchor.row() + i;
            if (row >= PluColumns::RowCount)
                break;
            // Every line keeps its own fields, however many the first line has.
            const QStringList fields = lines.at(i).split(QLatin1Char('\t'));
            for (int j = 0; j < fields.size() && anchor.column() + j < PluColumns::Count; ++j)
                change.write(model(), row, anchor.column() + j, loaderValue(anchor.column() + j, fields.at(j)));
        }
    }
    m_view->setUpdatesEnabled(true);
    push(tr("Paste"), change);
}

// --- rows ---

void PluEditCommands::insertRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    QVector<int> order = identityOrder();
    order.insert(current.row(), -1);
    order.removeLast();
    reorder(tr("Insert"), order);
}

void PluEditCommands::deleteRows()
{
    const QModelIndexList cells = selection();
    const int rows = m_document->recomputeRowCount();
    QVector<int> order = identityOrder();
    int removed = -1;
    for (auto it = cells.crbegin(); it != cells.crend(); ++it) {
        if (it->row() == removed || it->row() > rows)
            continue;
        removed = it->row();
        order.remove(removed);
        order.append(-1);
    }
    reorder(tr("Delete"), order);
}

void PluEditCommands::receiveData(const QString &text)
{
    m_moveTarget = text;
}

void PluEditCommands::moveTo()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    m_moveTarget.clear();
    MoveToDlg dialog(m_dialogParent);
    connect(&dialog, &MoveToDlg::sendData, this, &PluEditCommands::receiveData);
    dialog.exec();
    bool ok = false;
    const int target = m_moveTarget.trimmed().toInt(&ok);
    if (ok)
        moveRow(current.row(), target);
}

void PluEditCommands::moveRow(int row, int target)
{
    if (row < 0 || row >= PluColumns::RowCount || target < 1 || target > PluColumns::RowCount || target == row + 1)
        return;
    QVector<int> order = identityOrder();
    const bool down = row < target - 1;
    if (down) {
        order.insert(target, row);
        order.remove(row);
    } else {
        order.insert(target - 1, row);
        order.remove(row + 1);
    }
    const int moved = target - 1;
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        change.reorderRows(model(), order);
        // The moved row is rebuilt from its texts; beyond the hotkey range it has no hotkey.
        for (int c = 0; c < PluColumns::Count; ++c)
            change.write(model(), moved, c, model()->text(moved, c));
        if (target > kHotkeyCount)
            change.write(model(), moved, C::HotKey, QStringLiteral("0"));
        for (int r = 0; r < kHotkeyCount; ++r)
            change.write(model(), r, C::HotKey, QString::number(r + 1));
    }
    m_view->selectRow(down ? moved : target);
    push(tr("Move to"), change);
}

void PluEditCommands::sortBy(int column)
{
    const QVector<PluTableModel::Row> &rows = model()->rows();
    QVector<int> order = identityOrder();
    std::stable_sort(order.begin(), order.end(),
                     [&rows, column](int a, int b) { return cellLess(rows.at(a)[column], rows.at(b)[column]); });
    // Named rows first, in sorted order; the unnamed ones that sorted above them go last.
    const auto firstNamed = std::find_if(order.begin(), order.end(),
                                         [&rows](int r) { return !rows.at(r)[C::PluName].toString().isEmpty(); });
    if (firstNamed != order.end())
        std::rotate(order.begin(), firstNamed, order.end());
    const QString text = column == C::PluName  ? tr("Sort by Name")
                         : column == C::LFCode ? tr("Sort by LF Code")
                                               : tr("Sort by Code");
    reorder(text, order);
    if (column == C::PluName)
        m_view->selectRow(0);
    else
        m_view->setCurrentIndex(model()->index(0, 0));
}

// --- numbering ---

void PluEditCommands::generateHotkeys()
{
    const int rows = m_document->recomputeRowCount();
    const QModelIndexList cells = selection();
    if (cells.isEmpty() || cells.first().row() >= rows)
        return;
    const int first = cells.first().row();
    const int end = qMin(cells.last().row() + 1, rows);
    int value = model()->cell(first, C::HotKey).toInt();
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        for (int r = first; r < end; ++r)
            change.write(model(), r, C::HotKey, QStringLiteral("0"));
        QHash<int, int> used;
        for (int r = 0; r < rows; ++r)
            ++used[model()->cell(r, C::HotKey).toInt()];
        for (int r = first; r < end; ++r) {
            // 0 always counts as taken: rows without a hotkey hold it.
            int tries = 0;
            while (value == 0 || used.contains(value)) {
                if (++tries >= kHotkeyCount) {
                    value = 0;
                    break;
                }
                value = value % kHotkeyCount + 1;
            }
            change.write(model(), r, C::HotKey, value);
            if (value == 0)
                break;
            ++used[value];
        }
    }
    push(tr("Generate hotkey"), change);
}

void PluEditCommands::setCells(const QString &text, const QVector<CellValue> &cells)
{
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        for (const CellValue &c : cells)
            change.write(model(), c.row, c.column, c.value);
    }
    if (change.isEmpty())
        return;
    m_document->setModified(true);
    push(text, change);
}

namespace {
// Numbers rows first..end-1 of an LF code or code column: values held outside those rows are
// taken; each row tries the previous result plus one and skips taken values, wrapping at the
// modulus. A row for which nothing is free gets `none` and ends the numbering.
void numberColumn(PluTableModel *model, PluGridChange &change, int column, int first, int end, int rows, qint64 modulus,
                  const QVariant &cleared, const std::function<QVariant(qint64)> &stored, const QVariant &none)
{
    qint64 value = model->cell(first, column).toLongLong();
    for (int r = first; r < end; ++r)
        change.write(model, r, column, cleared);
    QSet<qint64> taken;
    for (int r = 0; r < rows; ++r) {
        if (r < first || r >= end)
            taken.insert(model->cell(r, column).toLongLong());
    }
    qint64 candidate = value == 0 ? 1 : value;
    for (int r = first; r < end; ++r) {
        int tries = 0;
        // A value beyond the column's range counts as taken, so numbering wraps instead of
        // writing a code the scale cannot hold.
        while (taken.contains(candidate) || candidate > modulus) {
            if (++tries >= kNumberingTries) {
                candidate = 0;
                break;
            }
            candidate = candidate % modulus + 1;
        }
        if (candidate == 0) {
            change.write(model, r, column, none);
            return;
        }
        change.write(model, r, column, stored(candidate));
        ++candidate;
    }
}
} // namespace

void PluEditCommands::numberSelection(const QString &text, int column, qint64 modulus, const QVariant &cleared,
                                      const std::function<QVariant(qint64)> &stored, const QVariant &none)
{
    const int rows = m_document->recomputeRowCount();
    const QModelIndexList cells = selection();
    if (cells.isEmpty() || cells.first().row() >= rows)
        return;
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        numberColumn(model(), change, column, cells.first().row(), qMin(cells.last().row() + 1, rows), rows, modulus,
                     cleared, stored, none);
    }
    push(text, change);
}

void PluEditCommands::generateLfCodes()
{
    numberSelection(
        tr("Generate LF Code"), C::LFCode, qint64(PluLimits::columnRule(C::LFCode).max), QStringLiteral("0"),
        [](qint64 v) { return QVariant(static_cast<int>(v)); }, QVariant(0));
}

void PluEditCommands::generateCodes()
{
    numberSelection(
        tr("Generate Code"), C::Code, kCodeModulus, QString(),
        [](qint64 v) { return QVariant(static_cast<qlonglong>(v)); }, QVariant(QString()));
}

void PluEditCommands::generateMessageIds()
{
    const int rows = m_document->recomputeRowCount();
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        for (int r = 0; r < rows; ++r)
            change.write(model(), r, C::Message1, r + 1);
    }
    push(tr("Generate Message ID"), change);
}

// --- fill and clear ---

void PluEditCommands::fill()
{
    const QModelIndexList cells = selection();
    if (cells.size() < 2)
        return;
    const int rows = m_document->recomputeRowCount();
    const int source = cells.first().row();
    const int last = qMin(cells.last().row(), rows - 1);
    if (source == last || source >= rows)
        return;
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        for (const QModelIndex &cell : cells) {
            const int r = cell.row();
            const int c = cell.column();
            if (c < C::Code || c > C::Rebate || r >= rows)
                continue;
            const QString sourceUnit = model()->text(source, C::WeightUnit);
            const QString unit = model()->text(r, C::WeightUnit);
            switch (c) {
            case C::WeightUnit:
                convertRowUnit(change, r, unit, sourceUnit);
                change.write(model(), r, c, sourceUnit);
                break;
            case C::Tare:
            case C::PackageWeight:
                change.write(model(), r, c,
                             sourceUnit == unit
                                 ? model()->text(source, c)
                                 : convertedWeight(model()->text(source, c), unitCode(sourceUnit), unitCode(unit)));
                break;
            case C::PackageType:
                change.write(model(), r, c, isPieceUnitText(unit) ? PackageTypes::name(0) : model()->text(source, c));
                break;
            default:
                change.write(model(), r, c, model()->text(source, c));
                break;
            }
        }
    }
    finishOperatorChange(tr("Fill"), change);
}

void PluEditCommands::clear()
{
    const QModelIndexList cells = selection();
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        for (const QModelIndex &cell : cells) {
            if (cell.column() == C::WeightUnit)
                convertRowUnit(change, cell.row(), model()->text(cell.row(), C::WeightUnit),
                               unitName(WeightUnits::DefaultCode));
            change.write(model(), cell.row(), cell.column(), PluColumns::clearText(cell.column()));
        }
    }
    finishOperatorChange(tr("Clear"), change);
}

// --- choices ---

PluEditCommands::Choice PluEditCommands::doubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return Choice::None;
    switch (index.column()) {
    case C::BarCode:
        m_barcodeRow = index.row();
        return Choice::Barcode;
    // Their pickers write the cell through the model, which marks the document when a choice
    // is made; a cancelled picker changes nothing.
    case C::Department:
        return Choice::Department;
    case C::Message1:
    case C::Message2:
        return Choice::Message;
    case C::Label:
        return Choice::Label;
    case C::Rebate:
        return Choice::Schedule;
    case C::Nutrition:
        return Choice::Nutrition;
    case C::WeightUnit:
        m_choiceCell = index;
        return Choice::UnitMenu;
    case C::PackageType:
        m_choiceCell = index;
        return Choice::PackageMenu;
    default:
        return Choice::None;
    }
}

void PluEditCommands::chooseUnit(int code)
{
    if (!m_choiceCell.isValid() || !WeightUnits::isValid(code))
        return;
    const int row = m_choiceCell.row();
    const QString oldUnit = model()->text(row, m_choiceCell.column());
    const QString newUnit = WeightUnits::name(code);
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        change.write(model(), row, m_choiceCell.column(), newUnit);
        convertRowUnit(change, row, oldUnit, newUnit);
        if (WeightUnits::isPieceUnit(code))
            change.write(model(), row, C::PackageType, PackageTypes::name(0));
    }
    finishOperatorChange(tr("Weight unit"), change);
}

void PluEditCommands::choosePackageType(int code)
{
    if (!m_choiceCell.isValid())
        return;
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        change.write(model(), m_choiceCell.row(), m_choiceCell.column(), PackageTypes::name(code));
    }
    finishOperatorChange(tr("Package type"), change);
}

void PluEditCommands::convertRowUnit(PluGridChange &change, int row, const QString &oldUnit, const QString &newUnit)
{
    if (oldUnit == newUnit)
        return;
    const int from = unitCode(oldUnit);
    const int to = unitCode(newUnit);
    for (int c : {int(C::Tare), int(C::PackageWeight)})
        change.write(model(), row, c, convertedWeight(model()->text(row, c), from, to));
}

void PluEditCommands::convertRowUnit(int row, const QString &oldUnit, const QString &newUnit)
{
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        convertRowUnit(change, row, oldUnit, newUnit);
    }
    finishOperatorChange(tr("Weight unit"), change);
}

void PluEditCommands::updateBarcodeType(int way, const QString &text)
{
    const int rows = m_document->recomputeRowCount();
    PluGridChange change;
    {
        PluTableModel::BulkUpdate bulk(model());
        if (way == 1 || way == 2) {
            for (int r = 0; r < rows; ++r) {
                if (isPieceUnitText(model()->text(r, C::WeightUnit)) == (way == 2))
                    change.write(model(), r, C::BarCode, text);
            }
        } else if (m_barcodeRow >= 0) {
            change.write(model(), m_barcodeRow, C::BarCode, text);
        }
    }
    finishOperatorChange(tr("Barcode type"), change);
}
