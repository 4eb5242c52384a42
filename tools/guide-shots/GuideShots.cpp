#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/Language.h"
#include "core/PluColumns.h"
#include "core/Prompt.h"
#include "core/TPLU.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "hotkey/ZqSetHotKey.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
using C = PluColumns;

// Saves pictures of windows into one folder and remembers what it could not take.
class Camera
{
public:
    explicit Camera(const QString &dir) : m_dir(dir) {}
    void shoot(QWidget *w, const QString &name)
    {
        QApplication::processEvents();
        save(w->grab(), name);
    }
    // The screen around a window, for pop-up menus that are windows of their own.
    void shootScreen(const QRect &area, const QString &name)
    {
        QApplication::processEvents();
        save(QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()), name);
    }
    int failures() const { return m_failures; }

private:
    void save(const QPixmap &picture, const QString &name)
    {
        const QString path = m_dir.filePath(name + QStringLiteral(".png"));
        if (picture.isNull() || !picture.save(path, "PNG", 9)) {
            qWarning("cannot save %s", qPrintable(path));
            ++m_failures;
        } else {
            qInfo("%s", qPrintable(path));
        }
    }
    QDir m_dir;
    int m_failures = 0;
};

// Answers modal windows as they open: the handler given for a window's class runs once per window.
class ModalHandlers
{
public:
    ModalHandlers()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    void on(const char *className, std::function<void(QWidget *)> handler) { m_handlers[className] = handler; }
    void clear() { m_handlers.clear(); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last || !modal->isVisible())
            return;
        m_last = modal;
        const auto it = m_handlers.find(modal->metaObject()->className());
        QPointer<QWidget> target = modal;
        // Anything not expected is closed, so that a run never hangs.
        auto handler = it != m_handlers.end() ? it->second : [](QWidget *w) { w->close(); };
        QTimer::singleShot(150, modal, [handler, target] {
            if (target && target->isVisible())
                handler(target);
        });
    }
    QTimer m_timer;
    QPointer<QWidget> m_last;
    std::map<QByteArray, std::function<void(QWidget *)>> m_handlers;
};

void click(QWidget *window, const char *name)
{
    if (auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        b->click();
    else
        window->close();
}

struct Article
{
    const char *name;
    int lfCode;
    int price; // in cents
    int unit;  // weight unit code
    int hotkey;
};

void fillSample(MainWindow &w)
{
    const Article articles[] = {
        {"Apple Gala", 1001, 398, 4, 1},     {"Pear Conference", 1002, 450, 4, 2}, {"Banana", 1003, 199, 4, 3},
        {"Tomato", 1004, 320, 4, 4},         {"Cucumber", 1005, 89, 10, 5},        {"Pork chop", 2001, 1290, 4, 6},
        {"Chicken breast", 2002, 990, 4, 7}, {"Salmon fillet", 3001, 2490, 4, 8},  {"Cheddar", 4001, 1650, 4, 9},
        {"Bread roll", 5001, 45, 10, 10},
    };
    int row = 0;
    for (const Article &a : articles) {
        TPLU p;
        p.setPluNameBytes(QByteArray(a.name));
        p.LFCode = a.lfCode;
        p.setCodeBytes(QByteArray::number(a.lfCode));
        p.UnitPrice = a.price;
        p.WeightUnit = a.unit;
        p.HotKey = a.hotkey;
        p.ShlefTime = 3;
        w.pluToRow(p, row++);
    }
}

QAction *action(MainWindow &w, const char *name)
{
    return w.action(QString::fromLatin1(name));
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PLU Manager"));
    qRegisterMetaType<QVector<int>>("QVector<int>");
    qRegisterMetaType<TPLUList>("TPLUList");

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("dir")});
    parser.addOption({QStringLiteral("data"), QStringLiteral("Data folder (settings, lists)."), QStringLiteral("dir")});
    parser.addOption({QStringLiteral("all"), QStringLiteral("Also every other dialog, for a look at each.")});
    parser.process(app);
    const QString out = parser.value(QStringLiteral("out"));
    const QString data = parser.value(QStringLiteral("data"));
    if (out.isEmpty() || data.isEmpty() || !QDir().mkpath(out)) {
        qCritical("usage: guide-shots --out DIR --data DIR [--all]");
        return 2;
    }
    AppPaths::setDataDirOverride(data);
    auto config = std::make_unique<ZQConfig>(AppPaths::settingsFile());
    Language::install(config->language());
    // Boxes and file dialogs are answered by the script, so that a run needs nobody.
    Prompt::setScripted(true);

    Camera camera(out);
    ModalHandlers modal;
    auto w = std::make_unique<MainWindow>();
    w->resize(1000, 520);
    w->move(0, 0);
    w->show();

    QTimer::singleShot(300, w.get(), [&] {
        MainWindow &win = *w;
        QTableView *table = win.tableView();

        // The first start: an empty list with its hint, the simulator named in the status bar.
        camera.shoot(&win, QStringLiteral("first-start"));

        // Open a list: a sample saved and read back as an operator would.
        fillSample(win);
        const QString list = QDir(data).filePath(QStringLiteral("shop.txp"));
        Prompt::queueFileName(list);
        action(win, "actionSave_As")->trigger();
        win.loadFile(list);
        table->setCurrentIndex(win.model()->index(0, C::PluName));
        camera.shoot(&win, QStringLiteral("main-window"));

        // Change a price: typed into its cell.
        const QModelIndex price = win.model()->index(2, C::UnitPrice);
        table->setCurrentIndex(price);
        table->edit(price);
        const auto editors = table->viewport()->findChildren<QLineEdit *>();
        if (QLineEdit *editor = editors.isEmpty() ? nullptr : editors.last()) {
            editor->setText(QStringLiteral("2.19"));
            camera.shoot(&win, QStringLiteral("change-price"));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(editor, &enter);
        }

        // Find an article by a part of its name.
        if (auto *index = win.findChild<QComboBox *>(QStringLiteral("indexNameBox")))
            index->setCurrentIndex(1);
        if (auto *lookup = win.findChild<QComboBox *>(QStringLiteral("lookupBox")))
            lookup->setEditText(QStringLiteral("Chicken breast"));
        camera.shoot(&win, QStringLiteral("find"));

        // Print a hotkey card: the editor, then its print preview.
        modal.on("Printpreview", [&](QWidget *d) {
            camera.shoot(d, QStringLiteral("hotkey-card"));
            click(d, "CloseBtn");
        });
        modal.on("ZqSetHotKey", [&](QWidget *d) {
            camera.shoot(d, QStringLiteral("hotkey-editor"));
            click(d, "PRINT_PREVIEW_BTN");
            click(d, "CLOSE_BTN");
        });
        action(win, "actionHotkey_editing")->trigger();

        // Send to the scales: link, parts, progress.
        modal.on("ZQCommunicationConfig", [&](QWidget *d) {
            camera.shoot(d, QStringLiteral("send-link"));
            click(d, "OKBtn");
        });
        modal.on("ZQDownloadSelectDlg", [&](QWidget *d) {
            camera.shoot(d, QStringLiteral("send-parts"));
            click(d, "okPushButton");
        });
        modal.on("UploadDownDlg", [&](QWidget *d) { camera.shoot(d, QStringLiteral("send-progress")); });
        modal.on("SendProblemsDlg", [&](QWidget *d) {
            camera.shoot(d, QStringLiteral("send-problems"));
            d->close();
        });
        action(win, "actionDownload_PLU")->trigger();

        // Read back what the scale holds.
        win.setModified(false);
        modal.on("ZQCommunicationConfig", [&](QWidget *d) { click(d, "OKBtn"); });
        modal.on("UploadDownDlg", [&](QWidget *d) { camera.shoot(d, QStringLiteral("read-back")); });
        action(win, "actionUpload_PLU")->trigger();
        camera.shoot(&win, QStringLiteral("read-back-table"));

        // Import a spreadsheet: the list written as a workbook and read in again.
        const QString book = QDir(data).filePath(QStringLiteral("articles.xlsx"));
        Prompt::queueFileName(book);
        action(win, "actionExport_to_Excel")->trigger();
        modal.on("ImportExcelDialog", [&](QWidget *d) {
            // The workbook's first row holds the column captions.
            if (auto *first = d->findChild<QSpinBox *>(QStringLiteral("startRowSpinBox")))
                first->setValue(2);
            camera.shoot(d, QStringLiteral("import-rules"));
            click(d, "OKBtn");
        });
        Prompt::queueFileName(book);
        action(win, "actionImport_PLU_from_Excel")->trigger();

        // Switch the language: Help > Language.
        if (auto *help = win.findChild<QMenu *>(QStringLiteral("menuHelp"))) {
            auto *languages = win.findChild<QMenu *>(QStringLiteral("menuLanguage"));
            const QPoint at = win.mapToGlobal(win.menuBar()->actionGeometry(help->menuAction()).bottomLeft());
            help->popup(at);
            help->setActiveAction(languages->menuAction());
            languages->popup(at + QPoint(help->width() - 4, 0));
            camera.shootScreen(QRect(win.mapToGlobal(QPoint(0, 0)), QSize(win.width(), 200)),
                               QStringLiteral("language-menu"));
            languages->close();
            help->close();
        }

        if (parser.isSet(QStringLiteral("all"))) {
            const struct
            {
                const char *action;
                const char *dialog;
                const char *picture;
            } others[] = {
                {"actionMessage_editing", "MessageEditingDlg", "message-editing"},
                {"actionDiscount_schedule", "DiscountScheduleDlg", "discount-schedule"},
                {"actionAdvertising_slogan", "AdvertisingSloganDlg", "advertising-slogan"},
                {"actionChoose_Parameter", "SetHotkeyStyle", "hotkey-parameter"},
                {"actionAbout", "ZQAboutDialog", "about"},
                {"actionMove_to", "MoveToDlg", "move-to"},
                {"actionPackage_type_setting", "ZQPackagesettingDialog", "package-types"},
                {"actionScales", "ScaleListDlg", "scales"},
                {"actionSend_history", "SendHistoryDlg", "send-history"},
            };
            for (const auto &o : others) {
                const QString picture = QString::fromLatin1(o.picture);
                modal.on(o.dialog, [&camera, picture](QWidget *d) {
                    // The board of scales shows whether each answers once asked.
                    if (auto *check = d->findChild<QAbstractButton *>(QStringLiteral("checkBtn"))) {
                        check->click();
                        QEventLoop wait;
                        QTimer::singleShot(2500, &wait, &QEventLoop::quit);
                        wait.exec();
                    }
                    camera.shoot(d, picture);
                    d->close();
                });
                action(win, o.action)->trigger();
            }
            modal.on("ZQWeightUnitSetDialog", [&](QWidget *d) {
                camera.shoot(d, QStringLiteral("unit-values"));
                d->close();
            });
            modal.on("ZQDataImportDialog", [&](QWidget *d) {
                camera.shoot(d, QStringLiteral("custom-import"));
                click(d, "ChkWeightUnit"); // the unit values are set only for units read from the file
                click(d, "WeightUnitSetBtn");
                d->close();
            });
            action(win, "actionCustom_import")->trigger();
            // The pickers a double-click on a cell opens.
            const struct
            {
                int column;
                const char *dialog;
                const char *picture;
            } pickers[] = {
                {C::BarCode, "SelectBarcodeDlg", "barcode-type"},
                {C::Label, "MultiLabelDlg", "label"},
                {C::Rebate, "ZQRebateSelectDialog", "discount-pick"},
                {C::Message1, "ZQMessageInputDialog", "message-pick"},
                {C::Department, "ZQDepartmentConfigDialog", "department-pick"},
                {C::Nutrition, "ZQNutritionSetDlg", "nutrition-facts"},
            };
            for (const auto &p : pickers) {
                const QString picture = QString::fromLatin1(p.picture);
                modal.on(p.dialog, [&camera, picture](QWidget *d) {
                    camera.shoot(d, picture);
                    d->close();
                });
                const QModelIndex cell = win.model()->index(0, p.column);
                table->setCurrentIndex(cell);
                emit table->doubleClicked(cell);
            }
            modal.on("ZqsethotkeyLoadPLUdialog", [&](QWidget *d) {
                camera.shoot(d, QStringLiteral("hotkey-load-plu"));
                d->close();
            });
            modal.on("ZqSetHotKey", [&](QWidget *d) {
                static_cast<ZqSetHotKey *>(d)->loadplu();
                click(d, "CLOSE_BTN");
            });
            action(win, "actionHotkey_editing")->trigger();

            // A cell the scale would not take stops a transfer before it starts.
            TPLU bad = win.rowToPlu(0);
            bad.Tolerance = 30;
            win.pluToRow(bad, 0);
            modal.on("ZQCommunicationConfig", [&](QWidget *d) { click(d, "OKBtn"); });
            modal.on("ZQDownloadSelectDlg", [&](QWidget *d) { click(d, "okPushButton"); });
            modal.on("SendProblemsDlg", [&](QWidget *d) {
                camera.shoot(d, QStringLiteral("send-problems"));
                d->close();
            });
            action(win, "actionDownload_PLU")->trigger();
        }
        win.setModified(false);
        win.close();
        QApplication::quit();
    });
    const int code = app.exec();
    w.reset();
    config.reset();
    return code == 0 && camera.failures() == 0 ? 0 : 1;
}
