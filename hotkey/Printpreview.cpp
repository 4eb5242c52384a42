#include "hotkey/Printpreview.h"

#include "core/Prompt.h"
#include "core/ScreenFit.h"
#include "hotkey/HotkeyCard.h"
#include "hotkey/HotkeySheet.h"
#include "hotkey/HotkeySheetTypes.h"
#include "hotkey/KeyListView.h"
#include "hotkey/PrintItemDelegate.h"
#include "ui_Printpreview.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

Printpreview::Printpreview(HotkeySheet *sheet, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::Printpreview>()), m_sheet(sheet)
{
    ui->setupUi(this);
    const int type = sheet->type();
    const HotkeySheetGeometry &g = HotkeySheetTypes::geometry(type);
    auto *proxy = new QSortFilterProxyModel(this);
    proxy->setFilterRole(Qt::UserRole);
    proxy->setDynamicSortFilter(true);
    proxy->setSourceModel(sheet->model());
    QListView *list = ui->listView;
    KeyListView::setUp(list, g.spacing, new PrintItemDelegate(type, list), proxy);
    list->setFrameShape(QFrame::NoFrame);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    KeyListView::setCardSize(list, ui->previewScrollArea, g.previewList);
    // The card's own size where the screen has room; on a smaller one (1920 x 1080 at 150 % leaves
    // 720 pixels) the card scrolls inside the window.
    setFixedSize(ScreenFit::bounded(QSize(830, 730)));
    connect(ui->pushButton, &QPushButton::clicked, this, &Printpreview::on_pushButton_clicked);
    connect(ui->ExportPdfBtn, &QPushButton::clicked, this, &Printpreview::on_ExportPdfBtn_clicked);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

Printpreview::~Printpreview() = default;

QPageLayout::Orientation Printpreview::orientation() const
{
    return ui->LandscapeRadioBtn->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool Printpreview::printCard(QPrinter *printer)
{
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation());
    QString error;
    if (!HotkeyCard::paint(printer, m_sheet->keys(), m_sheet->type(), &error)) {
        Prompt::warning(this, tr("Warning"), error);
        return false;
    }
    return true;
}

void Printpreview::on_pushButton_clicked()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printCard(&printer);
}

void Printpreview::on_ExportPdfBtn_clicked()
{
    QString path = Prompt::saveFileName(this, tr("Export PDF"), QString(), tr("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".pdf");
    QString error;
    if (!HotkeyCard::writePdf(path, m_sheet->keys(), m_sheet->type(), orientation(), &error))
        Prompt::warning(this, tr("Warning"), error);
}
