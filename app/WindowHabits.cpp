#include "app/WindowHabits.h"

#include "app/HelpWindow.h"
#include "core/AppPaths.h"
#include "core/PluColumns.h"
#include "core/ScreenFit.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "table/PluColumnSetup.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QHostAddress>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

namespace {
const QString kGroup = QStringLiteral("MainWindow");
const QString kGeometry = QStringLiteral("Geometry");
const QString kColumns = QStringLiteral("Columns");
// The first start's size.
const QSize kFirstSize(1024, 768);
} // namespace

WindowHabits::WindowHabits(QMainWindow *window, QTableView *table, PluDocument *document, QComboBox *findBox)
    : QObject(window), m_window(window), m_table(table), m_document(document),
      m_linkLabel(new QLabel(window->statusBar())), m_emptyHint(new QLabel(table->viewport())),
      m_emptyCheck(new QTimer(this))
{
    window->setWindowIcon(appIcon());
    connect(document, &PluDocument::modifiedChanged, window, &QWidget::setWindowModified);

    if (QAction *find = window->findChild<QAction *>(QStringLiteral("actionFind"))) {
        window->addAction(find);
        find->setEnabled(true);
        connect(find, &QAction::triggered, findBox, [findBox] {
            findBox->setFocus(Qt::ShortcutFocusReason);
            if (findBox->lineEdit())
                findBox->lineEdit()->selectAll();
        });
    }
    if (QAction *guide = window->findChild<QAction *>(QStringLiteral("actionUser_Guide"))) {
        guide->setEnabled(true);
        connect(guide, &QAction::triggered, this, &WindowHabits::showUserGuide);
    }

    m_linkLabel->setObjectName(QStringLiteral("linkLabel"));
    window->statusBar()->addPermanentWidget(m_linkLabel);

    m_emptyHint->setObjectName(QStringLiteral("emptyHintLabel"));
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setAutoFillBackground(true);
    m_emptyHint->setMargin(12);
    m_emptyHint->setFrameShape(QFrame::StyledPanel);
    m_emptyHint->setFixedWidth(420);
    table->viewport()->installEventFilter(this);
    // Every edit may empty or fill the list; one look after a burst of changes is enough.
    m_emptyCheck->setSingleShot(true);
    m_emptyCheck->setInterval(0);
    connect(m_emptyCheck, &QTimer::timeout, this, &WindowHabits::checkEmpty);
    auto later = [this] { m_emptyCheck->start(); };
    connect(document->model(), &QAbstractItemModel::dataChanged, this, later);
    connect(document->model(), &QAbstractItemModel::modelReset, this, later);
    connect(document, &PluDocument::contentReplaced, this, later);
    connect(document, &PluDocument::currentFileChanged, this, later);
    retranslate();
    m_emptyCheck->start();
}

QIcon WindowHabits::appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(AppPaths::imagePath(QStringLiteral("icons/plu-manager-%1.png").arg(size)), QSize(size, size));
    return icon;
}

void WindowHabits::restore()
{
    ZQConfig *config = ZQConfig::instance();
    const QByteArray geometry =
        config ? QByteArray::fromBase64(config->value(kGroup, kGeometry).toString().toLatin1()) : QByteArray();
    if (geometry.isEmpty() || !m_window->restoreGeometry(geometry))
        m_window->resize(ScreenFit::bounded(kFirstSize));
    if (config && columnSetup())
        columnSetup()->setOperatorWidths(config->value(kGroup, kColumns).toString());
}

PluColumnSetup *WindowHabits::columnSetup() const
{
    return m_table->findChild<PluColumnSetup *>(QString(), Qt::FindDirectChildrenOnly);
}

void WindowHabits::save() const
{
    ZQConfig *config = ZQConfig::instance();
    if (!config)
        return;
    config->setValue(kGroup, kGeometry, QString::fromLatin1(m_window->saveGeometry().toBase64()));
    if (columnSetup())
        config->setValue(kGroup, kColumns, columnSetup()->operatorWidths());
}

void WindowHabits::refreshLink()
{
    ZQConfig *config = ZQConfig::instance();
    if (!config)
        return;
    const bool serial = config->value(ZQConfig::CommType).toInt() == 0;
    const QString port = config->value(ZQConfig::CommPort).toString();
    const QString ip = config->value(ZQConfig::CommIP).toString();
    QString text;
    if (serial && !port.isEmpty())
        text = tr("Scale: %1, %2 baud (RS-232)").arg(port, config->value(ZQConfig::CommBaudRate).toString());
    else if (serial || ip.isEmpty())
        text = tr("Scale: none chosen yet");
    else if (QHostAddress(ip).isLoopback())
        // Only the simulator that comes with the program answers on this machine's own address.
        text = tr("Scale: %1 (simulator)").arg(ip);
    else
        text = tr("Scale: %1 (TCP/IP)").arg(ip);
    m_linkLabel->setText(text);
    m_linkLabel->setToolTip(tr("The scale that Download PLU, Update PLU and Upload PLU talk to"));
}

void WindowHabits::retranslate()
{
    m_emptyHint->setText(tr("This list is empty.\n\nOpen a PLU file (File > Open), import one (File > Import "
                            "PLU from Excel or Custom import), or read the list of a scale "
                            "(Communication > Upload PLU).\n\nF1 opens the user guide."));
    m_emptyHint->adjustSize();
    refreshLink();
    if (m_help)
        m_help->showGuide();
}

void WindowHabits::showUserGuide()
{
    if (!m_help)
        m_help = new HelpWindow(m_window);
    m_help->showGuide();
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void WindowHabits::checkEmpty()
{
    const PluTableModel *model = m_document->model();
    bool empty = true;
    for (int row = 0; row < PluColumns::RowCount && empty; ++row)
        empty = model->text(row, PluColumns::PluName).isEmpty();
    if (empty) {
        m_emptyHint->adjustSize();
        const QWidget *viewport = m_table->viewport();
        m_emptyHint->move((viewport->width() - m_emptyHint->width()) / 2,
                          qMax(0, (viewport->height() - m_emptyHint->height()) / 3));
    }
    m_emptyHint->setVisible(empty);
}

bool WindowHabits::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        m_emptyCheck->start();
    return QObject::eventFilter(watched, event);
}
