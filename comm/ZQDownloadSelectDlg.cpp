#include "comm/ZQDownloadSelectDlg.h"

#include "comm/DownloadSelection.h"
#include "core/ZQConfig.h"
#include "ui_ZQDownloadSelectDlg.h"

namespace {
const QString kGroup = QStringLiteral("ChoiceDownLoad");
}

ZQDownloadSelectDlg::ZQDownloadSelectDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQDownloadSelectDlg>())
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    ZQConfig *config = ZQConfig::instance();
    for (const Box &b : boxes()) {
        const QVariant v = config ? config->value(kGroup, QString::fromLatin1(b.key), b.defaultValue) : b.defaultValue;
        b.box->setChecked(ZQConfig::toBool(v));
    }
    connect(ui->okPushButton, &QPushButton::clicked, this, &ZQDownloadSelectDlg::onClickOkBtn);
    connect(ui->CancelPushButton, &QPushButton::clicked, this, &ZQDownloadSelectDlg::onClickCancelBtn);
    connect(ui->allSelectCheckBox, &QCheckBox::clicked, this, &ZQDownloadSelectDlg::on_allSelectCheckBox_clicked);
}

ZQDownloadSelectDlg::~ZQDownloadSelectDlg() = default;

QVector<ZQDownloadSelectDlg::Box> ZQDownloadSelectDlg::boxes() const
{
    DownloadSelection &s = DownloadSelection::current();
    return {{ui->pluCheckBox, "SelectDown PLU", true, &s.plu},
            {ui->infoCheckBox, "SelectDown Info", false, &s.info},
            {ui->scheduleCheckBox, "SelectDown Schedule", false, &s.schedule},
            {ui->hotkeyCheckBox, "SelectDown HotKey", false, &s.hotkey},
            {ui->nutritionCheckBox, "SelectDown Nutrition", false, &s.nutrition},
            {ui->messageCheckBox, "SelectDown Message", false, &s.message}};
}

void ZQDownloadSelectDlg::on_allSelectCheckBox_clicked(bool)
{
    for (const Box &b : boxes()) {
        if (b.box->isEnabled())
            b.box->setChecked(true);
    }
}

void ZQDownloadSelectDlg::onClickOkBtn()
{
    ZQConfig *config = ZQConfig::instance();
    bool any = false;
    for (const Box &b : boxes()) {
        const bool on = b.box->isChecked();
        if (config)
            config->setValue(kGroup, QString::fromLatin1(b.key), on);
        *b.flag = on;
        any = any || on;
    }
    if (any)
        accept();
    else
        reject();
}

void ZQDownloadSelectDlg::onClickCancelBtn()
{
    reject();
}

void ZQDownloadSelectDlg::offerVerify(bool checked)
{
    if (!m_verifyBox) {
        m_verifyBox = new QCheckBox(tr("Verify after send"), this);
        m_verifyBox->setObjectName(QStringLiteral("verifyCheckBox"));
        ui->mainLayout->insertWidget(ui->mainLayout->count() - 1, m_verifyBox);
    }
    m_verifyBox->setChecked(checked);
}

bool ZQDownloadSelectDlg::verifyChosen() const
{
    return m_verifyBox && m_verifyBox->isChecked();
}
