#pragma once

#include "document/NutritionElementFile.h"

#include <QDialog>
#include <memory>

namespace Ui {
class NutritionElementDlg;
}
class QStandardItemModel;

// The nutrition element table of one PLU file: edits the 12 names and units ("Nutrition
// elements set") and, in select mode, picks elements for a PLU.
class NutritionElementDlg : public QDialog
{
    Q_OBJECT
public:
    // Loads the element file of pluFile; opens in edit mode.
    explicit NutritionElementDlg(const QString &pluFile, QWidget *parent = nullptr);
    ~NutritionElementDlg() override;

    // Empties the grid and loads the element file of another PLU file.
    void reload(const QString &pluFile);
    // Select mode picks, edit mode edits; "Edit" in a dialog opened to pick returns to picking
    // after "Save" or "Cancel".
    void setSelectMode(bool select);
    bool isSelectMode() const { return m_showingSelect; }
    // Ticks the rows named in "1,4,7,"; other rows keep their tick.
    void setSelectionString(const QString &selection);
    QString selectionString() const { return m_selection; }
    QString elementFilePath() const { return m_path; }
    QVector<NutritionElementFile::Row> rows() const;
    QVector<NutritionElement> elements() const;

    void on_selectAllBtn_clicked();
    void on_selectInvertBtn_clicked();
    void on_okBtn_clicked();
    void on_EditBtn_clicked();
    void on_btn_Save_clicked();
    void on_btn_Cancel_clicked();
    void on_btn_Download_clicked();

signals:
    // "Download": the shown element table should go to a scale.
    void downloadReq(const QVector<NutritionElement> &elements);

private:
    void showMode(bool select);
    bool isSelected(int row) const;
    void setSelected(int row, bool selected);

    std::unique_ptr<Ui::NutritionElementDlg> ui;
    QStandardItemModel *m_model;
    QString m_path;
    QString m_selection;
    bool m_openedToSelect = false;
    bool m_showingSelect = false;
};
