#include "table/ZQCheckBoxDeletate.h"
#include "table/ZQComboBoxDelegate.h"
#include "table/ZQSpinBoxDelegate.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QtTest>

class TestCellDelegates : public QObject
{
    Q_OBJECT
private slots:
    void comboSelectsExactText_data();
    void comboSelectsExactText();
    void spinBoxWritesTheInterpretedNumber_data();
    void spinBoxWritesTheInterpretedNumber();
    void checkBoxToggles_data();
    void checkBoxToggles();
};

void TestCellDelegates::comboSelectsExactText_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("selected");
    QTest::newRow("present") << "Fat" << 1;
    QTest::newRow("other case is no match") << "fat" << -1;
    QTest::newRow("absent") << "Salt" << -1;
}

void TestCellDelegates::comboSelectsExactText()
{
    QFETCH(QString, cell);
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), cell);
    ZQComboBoxDelegate delegate({QStringLiteral("Energy"), QStringLiteral("Fat"), QStringLiteral("Sugar")});
    QWidget parent;
    auto *box = qobject_cast<QComboBox *>(delegate.createEditor(&parent, {}, model.index(0, 0)));
    QVERIFY(box);
    delegate.setEditorData(box, model.index(0, 0));
    QTEST(box->currentIndex(), "selected");
    box->setCurrentIndex(2);
    delegate.setModelData(box, &model, model.index(0, 0));
    QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole), QVariant(QStringLiteral("Sugar")));
}

void TestCellDelegates::spinBoxWritesTheInterpretedNumber_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("integer") << 0 << "42" << QVariant(42);
    QTest::newRow("integer above the range keeps the value") << 0 << "150" << QVariant(3);
    QTest::newRow("decimal") << 2 << "7.25" << QVariant(7.25);
}

void TestCellDelegates::spinBoxWritesTheInterpretedNumber()
{
    QFETCH(int, decimals);
    QFETCH(QString, typed);
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), 3);
    ZQSpinBoxDelegate delegate(0, 99, decimals);
    QWidget parent;
    QWidget *editor = delegate.createEditor(&parent, {}, model.index(0, 0));
    QCOMPARE(qobject_cast<QDoubleSpinBox *>(editor) != nullptr, decimals != 0);
    delegate.setEditorData(editor, model.index(0, 0));
    QLineEdit *text = editor->findChild<QLineEdit *>();
    QVERIFY(text);
    // Typed text that the box has not yet taken as its value must still be written.
    text->setText(typed);
    delegate.setModelData(editor, &model, model.index(0, 0));
    QTEST(model.data(model.index(0, 0), Qt::EditRole), "stored");
}

void TestCellDelegates::checkBoxToggles_data()
{
    QTest::addColumn<bool>("dragEnabled");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("checked");
    QTest::newRow("click inside toggles") << true << true << true;
    QTest::newRow("click beside the box") << true << false << false;
    QTest::newRow("cell without the drag flag") << false << true << false;
}

void TestCellDelegates::checkBoxToggles()
{
    QFETCH(bool, dragEnabled);
    QFETCH(bool, inside);
    QStandardItemModel model(1, 1);
    auto *item = new QStandardItem;
    item->setData(false, Qt::UserRole);
    if (!dragEnabled)
        item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
    model.setItem(0, 0, item);
    ZQCheckBoxDeletate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 200, 30);
    const QRect box = ZQCheckBoxDeletate::indicatorRect(option.rect);
    QCOMPARE(box.size(), QSize(20, 20));
    QVERIFY(option.rect.contains(box));
    const QPoint at = inside ? box.center() : QPoint(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    delegate.editorEvent(&press, &model, option, model.index(0, 0));
    QTEST(model.data(model.index(0, 0), Qt::UserRole).toBool(), "checked");
}

QTEST_MAIN(TestCellDelegates)
#include "TestCellDelegates.moc"
