#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class ZQAboutDialog;
}

// Name, version, build, maker and web site; each text can be replaced from group "Version".
class ZQAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ZQAboutDialog(QWidget *parent = nullptr);
    ~ZQAboutDialog() override;

private:
    std::unique_ptr<Ui::ZQAboutDialog> ui;
};
