#include "TestSupport.h"

#include "comm/SerialPortWatcher.h"
#include "comm/ZQCommunicationConfig.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>

namespace {
QStringList g_ports;
}

class TestLinkSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SerialPortWatcher::setPortLister([] { return g_ports; });
    }
    void storedLinkComesBack_data();
    void storedLinkComesBack();
    void portListFollowsDevices();
    void realPortListNamesDevicesUnderDev();
    void okRefusesBadInput_data();
    void okRefusesBadInput();
};

void TestLinkSettings::storedLinkComesBack_data()
{
    QTest::addColumn<int>("commType");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("shownPort");
    QTest::addColumn<bool>("portGroupEnabled");
    QTest::newRow("tcp") << 1 << "ttyS1"
                         << "ttyS1" << false;
    QTest::newRow("serial") << 0 << "ttyUSB0"
                            << "ttyUSB0" << true;
    QTest::newRow("port gone: first listed") << 0 << "ttyACM7"
                                             << "ttyS0" << true;
    QTest::newRow("typed device path kept") << 0 << "/dev/pts/9"
                                            << "/dev/pts/9" << true;
}

void TestLinkSettings::storedLinkComesBack()
{
    QFETCH(int, commType);
    QFETCH(QString, port);
    QFETCH(QString, shownPort);
    QFETCH(bool, portGroupEnabled);
    g_ports = QStringList{"ttyS0", "ttyS1", "ttyUSB0"};
    TestEnvironment env({{"Comm/CommType", commType},
                         {"Comm/Port", port},
                         {"Comm/BaudRate", "9600"},
                         {"Comm/IP", "10.1.2.3"},
                         {"Link/TimeoutMs", 4500}});
    ZQCommunicationConfig dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Communication Config"));
    QCOMPARE(dialog.findChild<QComboBox *>("comboBoxPort")->currentText(), shownPort);
    QCOMPARE(dialog.findChild<QComboBox *>("comboBoxBaudRate")->currentText(), QStringLiteral("9600"));
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEditIPAddress")->text(), QStringLiteral("10.1.2.3"));
    auto *timeout = dialog.findChild<QDoubleSpinBox *>("doubleSpinBoxTimeout");
    QVERIFY(timeout);
    QCOMPARE(timeout->value(), 4.5);
    QCOMPARE(dialog.findChild<QGroupBox *>("groupBoxPort")->isEnabled(), portGroupEnabled);
    QVERIFY(dialog.findChild<QGroupBox *>("groupBoxIP")->isEnabled()); // editable in both modes
    QCOMPARE(dialog.findChild<QRadioButton *>("radioButtonIP")->isChecked(), commType == 1);
}

void TestLinkSettings::portListFollowsDevices()
{
    g_ports = QStringList{"ttyS0", "ttyUSB0"};
    TestEnvironment env({{"Comm/CommType", 0}, {"Comm/Port", "ttyUSB0"}});
    ZQCommunicationConfig dialog;
    auto *ports = dialog.findChild<QComboBox *>("comboBoxPort");
    auto *watcher = dialog.findChild<SerialPortWatcher *>();
    QVERIFY(watcher);
    // A device appears: listed, the choice stays.
    g_ports = QStringList{"ttyS0", "ttyUSB0", "ttyUSB1"};
    watcher->recheck();
    QCOMPARE(ports->count(), 3);
    QCOMPARE(ports->currentText(), QStringLiteral("ttyUSB0"));
    // The chosen device goes away: the first port is offered instead.
    g_ports = QStringList{"ttyS0", "ttyUSB1"};
    watcher->recheck();
    QCOMPARE(ports->count(), 2);
    QCOMPARE(ports->currentText(), QStringLiteral("ttyS0"));
}

void TestLinkSettings::realPortListNamesDevicesUnderDev()
{
    // The dialog hands the listed name to the link library, which opens it under /dev: the
    // system's own list must name its ports that way.
    SerialPortWatcher::setPortLister({});
    const QStringList names = SerialPortWatcher::availablePorts();
    SerialPortWatcher::setPortLister([] { return g_ports; });
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (ports.isEmpty())
        QSKIP("the system lists no serial port");
    QCOMPARE(names.size(), ports.size());
    for (int i = 0; i < ports.size(); ++i) {
        QCOMPARE(names.at(i), ports.at(i).portName());
        QCOMPARE(QStringLiteral("/dev/") + names.at(i), ports.at(i).systemLocation());
    }
}

void TestLinkSettings::okRefusesBadInput_data()
{
    QTest::addColumn<bool>("serial");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad address") << false << "192.168.1.256"
                                 << "Please input the correct IP adress";
    QTest::newRow("no serial port") << true << "10.0.0.1"
                                    << "Serial port not recognized";
}

void TestLinkSettings::okRefusesBadInput()
{
    QFETCH(bool, serial);
    QFETCH(QString, ip);
    QFETCH(QString, message);
    g_ports.clear();
    TestEnvironment env;
    ZQCommunicationConfig dialog;
    dialog.show();
    // A first start names no scale: OK must not reach some address on the network by chance.
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEditIPAddress")->text(), QString());
    if (serial)
        dialog.findChild<QRadioButton *>("radioButtonRS232")->click();
    dialog.findChild<QLineEdit *>("lineEditIPAddress")->setText(ip);
    dialog.findChild<QPushButton *>("OKBtn")->click();
    QCOMPARE(Prompt::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(Prompt::lastText(), message);
    QVERIFY(dialog.isVisible()); // stays open with its input
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEditIPAddress")->text(), ip);
    env.config()->sync();
    QVERIFY(!QSettings(env.settingsPath(), QSettings::IniFormat).childGroups().contains("Comm"));
}

QTEST_MAIN(TestLinkSettings)
#include "TestLinkSettings.moc"
