#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class ZQDownloadSelectDlg;
}
class QCheckBox;

// Asks which parts "Download PLU" sends; remembers the answer in the settings and in the
// process-wide selection the transfer reads.
class ZQDownloadSelectDlg : public QDialog
{
    Q_OBJECT
public:
    explicit ZQDownloadSelectDlg(QWidget *parent = nullptr);
    ~ZQDownloadSelectDlg() override;

    // Named after their widgets but connected explicitly: as plain functions, the form's
    // by-name wiring does not connect them a second time.
    void on_allSelectCheckBox_clicked(bool checked);
    // A send to many scales may read the PLUs back afterwards; a single send does not offer it.
    void offerVerify(bool checked);
    bool verifyChosen() const;

public slots:
    void onClickOkBtn();
    void onClickCancelBtn();

private:
    struct Box
    {
        QCheckBox *box;
        const char *key;
        bool defaultValue;
        bool *flag;
    };
    QVector<Box> boxes() const;
    std::unique_ptr<Ui::ZQDownloadSelectDlg> ui;
    QCheckBox *m_verifyBox = nullptr;
};
