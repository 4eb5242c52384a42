#pragma once

#include "document/NutritionElementFile.h"
#include "table/PluEditCommands.h"

#include "document/DepartmentRecord.h"

#include <QJsonArray>
#include <QObject>
#include <QPointer>
#include <memory>

class AdvertisingSloganDlg;
class LocalDatabase;
class ZQDepartmentConfigDialog;
class DiscountScheduleDlg;
class EditorHost;
class MessageEditingDlg;
class NutritionElementDlg;
class QModelIndex;
class SelectBarcodeDlg;

// The side data editors: messages, discount schedule, advertising lines, package types,
// departments, nutrition, barcode types and labels. Owns their dialogs; the main window's
// actions and the double-clicks on the grid's side data columns land here.
class EditorsController : public QObject
{
    Q_OBJECT
public:
    explicit EditorsController(EditorHost *host, QObject *parent = nullptr);
    ~EditorsController() override;

    // Called once the main window is built: opens what the editors keep for the whole run (the
    // local database, reported once when it cannot be opened, and the department table).
    void start();
    // Open or not; features that need it say why they are unavailable.
    LocalDatabase *localDatabase() const { return m_database.get(); }
    ZQDepartmentConfigDialog *departments() const;

    // What a transfer brought that belongs to these editors. A store that cannot take it keeps
    // its old rows and says so once.
    void receiveDepartments(const DepartmentRecords &records);
    void receivePackTypes(const QJsonArray &packTypes);
    void receiveHotkeyFunctions(const QJsonArray &functions);

    void messageEditing();
    void discountSchedule();
    void advertisingSlogan();
    void packageTypeSetting();
    void nutritionElementsSet();
    // A double-click on a Barcode, Department, Message, Label, Discount/Schedule or Nutrition cell.
    void openCell(PluEditCommands::Choice choice, const QModelIndex &cell);

signals:
    // The package types or hotkey functions of the local database changed.
    void updatePacktypeInfo();
    // A barcode type chosen for one row (way 0), all weighed rows (1) or all counted rows (2).
    void updateBarcodeTypeReq(int way, const QString &text);

private:
    void enableSideDataActions();
    // The pickers of the side data columns. A choice is written through the table model, so it
    // is checked, marks the document and is one undo step.
    void openBarcode(const QModelIndex &cell);
    void openMessage(const QModelIndex &cell);
    void openLabel(const QModelIndex &cell);
    void openSchedule(const QModelIndex &cell);
    void openNutrition(const QModelIndex &cell);
    // "Download" of an element window: the table it shows goes to the scale (job 7).
    void downloadNutritionElements(const QVector<NutritionElement> &elements);
    // Runs the schedule window on one mode; marks the document when the schedules changed.
    void runSchedule(int mode);
    void openDepartment(const QModelIndex &cell);
    void writeCell(const QModelIndex &cell, int value);

    EditorHost *m_host;
    // Kept for the whole run once opened, so their state (current mode, lines not in the list,
    // sample weight) is there the next time.
    QPointer<MessageEditingDlg> m_messages;
    QPointer<DiscountScheduleDlg> m_schedule;
    QPointer<AdvertisingSloganDlg> m_advertising;
    QPointer<SelectBarcodeDlg> m_barcode;
    std::unique_ptr<LocalDatabase> m_database;
    QPointer<ZQDepartmentConfigDialog> m_departments;
    QPointer<NutritionElementDlg> m_nutritionElements;
};
