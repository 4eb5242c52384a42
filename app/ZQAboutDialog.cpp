#include "app/ZQAboutDialog.h"

#include "core/AppPaths.h"
#include "core/ZQConfig.h"
#include "ui_ZQAboutDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

namespace {
// The logo path is relative to the working folder; the program's resource folder is tried as well, and
// the folder name without regard to case, so "./images/..." finds "Images/".
QString findLogo(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    QString relative = path;
    if (relative.startsWith(QLatin1String("./")))
        relative = relative.mid(2);
    const QDir programDir(AppPaths::resourceDir());
    if (QFileInfo::exists(programDir.filePath(relative)))
        return programDir.filePath(relative);
    const int slash = relative.indexOf(QLatin1Char('/'));
    if (slash > 0) {
        const QString folder = relative.left(slash);
        for (const QString &entry : programDir.entryList(QDir::Dirs)) {
            if (entry.compare(folder, Qt::CaseInsensitive) == 0)
                return programDir.filePath(entry + relative.mid(slash));
        }
    }
    return QString();
}
} // namespace

ZQAboutDialog::ZQAboutDialog(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::ZQAboutDialog>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->versionLabel->setText(tr("Version %1").arg(QStringLiteral(PLU_VERSION)));
    ui->buildLabel->setText(tr("Build %1").arg(QStringLiteral(PLU_BUILD_DATE)));

    ZQConfig *config = ZQConfig::instance();
    auto override = [config](ZQConfig::Key key, QLabel *label) {
        if (!config)
            return;
        const QVariant v = config->stored(key, QVariant());
        if (v.isValid())
            label->setText(v.toString());
    };
    override(ZQConfig::PLUAppName, ui->appNameLabel);
    override(ZQConfig::VersionText, ui->versionLabel);
    override(ZQConfig::VersionBuild, ui->buildLabel);
    override(ZQConfig::CompanyName, ui->companyLabel);
    override(ZQConfig::Www, ui->wwwLabel);

    const QString logo = findLogo(config ? config->value(ZQConfig::LogoName).toString()
                                         : ZQConfig::info(ZQConfig::LogoName).defaultValue.toString());
    QPixmap pixmap(logo);
    if (!pixmap.isNull())
        ui->logoLabel->setPixmap(pixmap.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

ZQAboutDialog::~ZQAboutDialog() = default;
