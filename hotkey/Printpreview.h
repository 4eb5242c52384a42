#pragma once

#include <QDialog>
#include <QPageLayout>
#include <memory>

namespace Ui {
class Printpreview;
}
class HotkeySheet;
class QPagedPaintDevice;
class QPrinter;

// The card of a sheet as it prints, with printing and the export as PDF. Shows the sheet's own
// model and never changes it.
class Printpreview : public QDialog
{
    Q_OBJECT
public:
    Printpreview(HotkeySheet *sheet, QWidget *parent = nullptr);
    ~Printpreview() override;

    QPageLayout::Orientation orientation() const;
    // Prints the card on a printer already chosen; a card that does not fit is refused with a
    // warning.
    bool printCard(QPrinter *printer);

    // Named after their widgets but connected explicitly: as plain functions, the form's
    // by-name wiring does not connect them a second time.
    void on_pushButton_clicked();
    void on_ExportPdfBtn_clicked();

private:
    std::unique_ptr<Ui::Printpreview> ui;
    HotkeySheet *m_sheet;
};
