#include "editors/AdvertisingSloganDlg.h"

#include "ui_AdvertisingSloganDlg.h"

AdvertisingSloganDlg::AdvertisingSloganDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::AdvertisingSloganDlg>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    connect(ui->btn_Close, &QPushButton::clicked, this, &QDialog::reject);
}

AdvertisingSloganDlg::~AdvertisingSloganDlg() = default;

void AdvertisingSloganDlg::changeEvent(QEvent *event)
{
    // Kept for the whole run: it follows a language chosen while it exists.
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

QVector<QLineEdit *> AdvertisingSloganDlg::edits() const
{
    return {ui->headerEdt, ui->bottomEdt1, ui->bottomEdt2, ui->bottomEdt3};
}

void AdvertisingSloganDlg::setTexts(const QStringList &texts)
{
    const QVector<QLineEdit *> lines = edits();
    for (int i = 0; i < lines.size(); ++i) {
        if (texts.isEmpty())
            lines[i]->clear();
        else if (i < texts.size())
            lines[i]->setText(texts.at(i));
    }
}

QStringList AdvertisingSloganDlg::texts() const
{
    QStringList out;
    for (const QLineEdit *line : edits())
        out << line->text();
    return out;
}
