#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class AdvertisingSloganDlg;
}
class QLineEdit;

// Edits the advertising lines printed on labels: one header line and three bottom lines.
class AdvertisingSloganDlg : public QDialog
{
    Q_OBJECT
public:
    explicit AdvertisingSloganDlg(QWidget *parent = nullptr);
    ~AdvertisingSloganDlg() override;

    // Element 0 into the header, 1..3 into the bottom lines; lines without an element keep what
    // they show, except that an empty list empties them all.
    void setTexts(const QStringList &texts);
    // Always four texts: header and the three bottom lines.
    QStringList texts() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    QVector<QLineEdit *> edits() const;
    std::unique_ptr<Ui::AdvertisingSloganDlg> ui;
};
