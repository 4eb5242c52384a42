#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class ZQDataImportDialog;
}

// "Custom import": edits the stored layout of foreign text files and starts an import. Every
// box is stored under its object name in the group "ZQPLU_ImportPluSet".
class ZQDataImportDialog : public QDialog
{
    Q_OBJECT
public:
    static const char *const Group;

    explicit ZQDataImportDialog(QWidget *parent = nullptr);
    ~ZQDataImportDialog() override;

    bool isModified() const { return m_modified; }

    // Named after their widgets but connected explicitly: as plain functions, the form's
    // by-name wiring does not connect them a second time.
    void on_ChkDiv100_clicked(bool checked);
    void on_ChkDiv1000_clicked(bool checked);

public slots:
    void onPluSepCurrentIndexChanged(int index);
    void onInstructionsBtnClicked();
    // Checks and stores the layout; false when a check failed (its warning was shown).
    bool onSaveBtnClicked();
    void onWeightUnitSetBtnClicked();
    void onImportBtnClicked();
    void onProjectNameClicked();
    void onPositionCurrentIndexChanged(int index);
    void onEdtCustSepEtextChanged(const QString &text);

signals:
    void importTxtFileReq(const QString &fileName);

private:
    void fillItems();
    void loadStored();
    void updateUnitButtons();
    bool checkRequired();

    std::unique_ptr<Ui::ZQDataImportDialog> ui;
    bool m_modified = false;
};
