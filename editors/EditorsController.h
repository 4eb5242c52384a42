#pragma once

#include "table/PluEditCommands.h"

#include <QObject>

class EditorHost;
class QModelIndex;

// The side data editors: messages, discount schedule, advertising lines, package types,
// departments, nutrition, barcode types and labels. Owns their dialogs; the main window's
// actions and the double-clicks on the grid's side data columns land here.
class EditorsController : public QObject
{
    Q_OBJECT
public:
    explicit EditorsController(EditorHost *host, QObject *parent = nullptr);
    ~EditorsController() override;

    // Called once the main window is built: opens what the editors keep for the whole run.
    void start();

    void messageEditing();
    void discountSchedule();
    void advertisingSlogan();
    void packageTypeSetting();
    void nutritionElementsSet();
    // A double-click on a Barcode, Department, Message, Label, Discount/Schedule or Nutrition cell.
    void openCell(PluEditCommands::Choice choice, const QModelIndex &cell);

signals:
    // A barcode type chosen for one row (way 0), all weighed rows (1) or all counted rows (2).
    void updateBarcodeTypeReq(int way, const QString &text);

private:
    EditorHost *m_host;
};
