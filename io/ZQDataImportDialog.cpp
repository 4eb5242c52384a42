#include "io/ZQDataImportDialog.h"

#include "core/Prompt.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"
#include "io/CustomTextImport.h"
#include "io/ImportInstructions.h"
#include "io/ZQWeightUnitSetDialog.h"
#include "ui_ZQDataImportDialog.h"

#include <QDesktopServices>
#include <QRegularExpressionValidator>
#include <QUrl>

const char *const ZQDataImportDialog::Group = "ZQPLU_ImportPluSet";

namespace {
// Position and length boxes with what they show before anything stored is applied.
struct Row
{
    const char *position;
    const char *positionDefault;
    const char *length;
    const char *lengthDefault;
};
const Row kRows[CustomTextImport::PropertyCount] = {
    {"CboxHotKey", "1", "CboxHotKeyLen", "3"},
    {"CboxPluName", "2", "CboxPluNameLen", "37"},
    {"CboxLfcode", "3", "CboxLFCodeLen", "6"},
    {"CboxCode", "4", "CboxCodeLen", "7"},
    {"CboxBarCode", "5", "CboxBarCodeLen", "3"},
    {"CboxUnitPrice", "6", "CboxUnitPriceLen", "7"},
    {"CboxWeightPos", "7", "CboxWeightUnitLen", "8"},
    {"CboxDeptMent", "8", "CboxDeptMentLen", "3"},
    {"CboxTare", "9", "CboxTareLen", "6"},
    {"CboxShleftime", "10", "CboxShleftimeLen", "4"},
    {"CboxTolerance", "11", "CboxToleranceLen", "4"},
};

// Boxes stored by index rather than by text.
bool storedByIndex(const QString &name)
{
    return name == QLatin1String("CboxPluSep") || name == QLatin1String("CboxFixWeightUnit");
}

QString group()
{
    return QString::fromLatin1(ZQDataImportDialog::Group);
}

QVariant stored(const QString &key, const QVariant &fallback)
{
    ZQConfig *config = ZQConfig::instance();
    return config ? config->value(group(), key, fallback) : fallback;
}
} // namespace

ZQDataImportDialog::ZQDataImportDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ZQDataImportDialog>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui->edtCustSep->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\d]+")), ui->edtCustSep));
    fillItems();
    loadStored();

    connect(ui->CboxPluSep, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ZQDataImportDialog::onPluSepCurrentIndexChanged);
    connect(ui->InstructionsBtn, &QPushButton::clicked, this, &ZQDataImportDialog::onInstructionsBtnClicked);
    connect(ui->SaveBtn, &QPushButton::clicked, this, &ZQDataImportDialog::onSaveBtnClicked);
    connect(ui->WeightUnitSetBtn, &QPushButton::clicked, this, &ZQDataImportDialog::onWeightUnitSetBtnClicked);
    connect(ui->ImportBtn, &QPushButton::clicked, this, &ZQDataImportDialog::onImportBtnClicked);
    connect(ui->ExitBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->edtCustSep, &QLineEdit::textEdited, this, &ZQDataImportDialog::onEdtCustSepEtextChanged);
    connect(ui->ChkDiv100, &QCheckBox::clicked, this, &ZQDataImportDialog::on_ChkDiv100_clicked);
    connect(ui->ChkDiv1000, &QCheckBox::clicked, this, &ZQDataImportDialog::on_ChkDiv1000_clicked);
    const QList<QCheckBox *> boxes = findChildren<QCheckBox *>();
    for (QCheckBox *box : boxes)
        connect(box, &QCheckBox::clicked, this, &ZQDataImportDialog::onProjectNameClicked);
    const QList<QComboBox *> combos = findChildren<QComboBox *>();
    for (QComboBox *combo : combos)
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &ZQDataImportDialog::onPositionCurrentIndexChanged);
    m_modified = false;
}

ZQDataImportDialog::~ZQDataImportDialog() = default;

void ZQDataImportDialog::fillItems()
{
    QStringList numbers;
    for (int i = 1; i <= 50; ++i)
        numbers << QString::number(i);
    for (const Row &row : kRows) {
        for (const auto &[name, initial] :
             {std::make_pair(row.position, row.positionDefault), std::make_pair(row.length, row.lengthDefault)}) {
            QComboBox *box = findChild<QComboBox *>(QString::fromLatin1(name));
            box->addItems(numbers);
            box->setCurrentText(QString::fromLatin1(initial));
        }
    }
    ui->CboxFixWeightUnit->addItems(WeightUnits::names());
    ui->CboxFixWeightUnit->setCurrentIndex(WeightUnits::DefaultCode);
    ui->CboxPluSep->addItems({tr("Comma|\",\""), tr("Tabs|TAB"), tr("Semicolon|\";\""), tr("Space|spcace (\" \")"),
                              tr("No delimiter"), tr("Customize")});
    ui->CboxPluSep->setCurrentIndex(1);
}

void ZQDataImportDialog::loadStored()
{
    const QList<QComboBox *> combos = findChildren<QComboBox *>();
    for (QComboBox *combo : combos) {
        const QString key = combo->objectName();
        if (storedByIndex(key)) {
            const int index = stored(key, combo->currentIndex()).toInt();
            if (index >= 0 && index < combo->count())
                combo->setCurrentIndex(index);
        } else {
            const int index = combo->findText(stored(key, combo->currentText()).toString(), Qt::MatchExactly);
            if (index >= 0)
                combo->setCurrentIndex(index);
        }
    }
    const QList<QCheckBox *> boxes = findChildren<QCheckBox *>();
    for (QCheckBox *box : boxes)
        box->setChecked(ZQConfig::toBool(stored(box->objectName(), false)));
    ui->edtCustSep->setText(stored(ui->edtCustSep->objectName(), ui->edtCustSep->text()).toString());
    onPluSepCurrentIndexChanged(ui->CboxPluSep->currentIndex());
    updateUnitButtons();
    m_modified = false;
}

void ZQDataImportDialog::onPluSepCurrentIndexChanged(int index)
{
    ui->edtCustSep->setVisible(index == CustomTextImport::CustomSeparator);
    for (const Row &row : kRows)
        findChild<QComboBox *>(QString::fromLatin1(row.length))->setEnabled(index == CustomTextImport::FixedPositions);
}

void ZQDataImportDialog::updateUnitButtons()
{
    ui->WeightUnitSetBtn->setEnabled(ui->ChkWeightUnit->isChecked());
}

void ZQDataImportDialog::onProjectNameClicked()
{
    m_modified = true;
    QObject *box = sender();
    if (box == ui->ChkWeightUnit && ui->ChkWeightUnit->isChecked())
        ui->ChkFixWeightUnit->setChecked(false);
    if (box == ui->ChkFixWeightUnit && ui->ChkFixWeightUnit->isChecked())
        ui->ChkWeightUnit->setChecked(false);
    updateUnitButtons();
}

void ZQDataImportDialog::on_ChkDiv100_clicked(bool checked)
{
    if (checked)
        ui->ChkDiv1000->setChecked(false);
}

void ZQDataImportDialog::on_ChkDiv1000_clicked(bool checked)
{
    if (checked)
        ui->ChkDiv100->setChecked(false);
}

void ZQDataImportDialog::onPositionCurrentIndexChanged(int)
{
    m_modified = true;
}

void ZQDataImportDialog::onEdtCustSepEtextChanged(const QString &)
{
    m_modified = true;
}

bool ZQDataImportDialog::checkRequired()
{
    if (!ui->ChkPluName->isChecked()) {
        Prompt::warning(this, tr("Warning"), tr("Plu Name is not NULL"));
        return false;
    }
    if (!ui->ChkLfCode->isChecked()) {
        Prompt::warning(this, tr("Warning"), tr("LFCode is not NULL"));
        return false;
    }
    return true;
}

bool ZQDataImportDialog::onSaveBtnClicked()
{
    if (!checkRequired())
        return false;
    if (ui->CboxPluSep->currentIndex() == CustomTextImport::CustomSeparator && ui->edtCustSep->text().isEmpty()) {
        Prompt::warning(this, tr("Warning"), tr("Custom separator can't be empty"));
        return false;
    }
    ZQConfig *config = ZQConfig::instance();
    if (!config)
        return false;
    const QList<QComboBox *> combos = findChildren<QComboBox *>();
    for (QComboBox *combo : combos) {
        const QString key = combo->objectName();
        config->setValue(group(), key, storedByIndex(key) ? QVariant(combo->currentIndex()) : combo->currentText());
    }
    const QList<QCheckBox *> boxes = findChildren<QCheckBox *>();
    for (QCheckBox *box : boxes)
        config->setValue(group(), box->objectName(), box->isChecked() ? 1 : 0);
    config->setValue(group(), ui->edtCustSep->objectName(), ui->edtCustSep->text());
    config->sync();
    m_modified = false;
    return true;
}

void ZQDataImportDialog::onWeightUnitSetBtnClicked()
{
    ZQWeightUnitSetDialog dialog(this);
    dialog.exec();
}

void ZQDataImportDialog::onImportBtnClicked()
{
    if (m_modified) {
        const Prompt::Button answer =
            Prompt::information(this, tr("Info"), tr("Param is not saved,Cann't take effect,Do you want to save it?"),
                                QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes && !onSaveBtnClicked())
            return;
    }
    if (!checkRequired())
        return;
    const QString path = Prompt::openFileName(this, tr("Select File"), QString(),
                                              tr("TXT Files (*.TXT)") + QStringLiteral(";;") + tr("All Files (*)"));
    if (path.isEmpty())
        return;
    accept();
    emit importTxtFileReq(path);
}

void ZQDataImportDialog::onInstructionsBtnClicked()
{
    ZQConfig *config = ZQConfig::instance();
    const QString language = config ? config->language() : QStringLiteral("en_US");
    QString error;
    const QString path = ImportInstructions::ensureFile(language, &error);
    if (path.isEmpty()) {
        Prompt::warning(this, tr("Warning"), error);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        Prompt::warning(this, tr("Warning"), tr("No text viewer could open \"%1\".").arg(path));
}
