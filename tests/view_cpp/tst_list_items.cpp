#include "view_cpp/button_item.h"
#include "view_cpp/calendar_month_day_item.h"
#include "view_cpp/component_types.h"
#include "view_cpp/divider_item.h"
#include "view_cpp/list_model.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_item.h"
#include "view_cpp/text_row_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using ItemFactory = std::function<view::ListItem *()>;

ItemFactory button()
{
    return [] {
        return new view::ButtonItem(QStringLiteral("Save"));
    };
}
ItemFactory toggle()
{
    return [] {
        return new view::ToggleStandardItem(7, true);
    };
}
ItemFactory stepper()
{
    return [] {
        return new view::StepperControllerItem(QStringLiteral("80"), 2);
    };
}
ItemFactory text()
{
    return [] {
        return new view::TextItem(QStringLiteral("Line"));
    };
}
ItemFactory textRow()
{
    return [] {
        return new view::TextRowItem(QStringLiteral("Heading"), true);
    };
}
ItemFactory divider()
{
    return [] {
        return new view::DividerItem(view::ComponentTypes::E_divider_small);
    };
}
ItemFactory dayCell()
{
    return [] {
        return new view::CalendarMonthDayItem(QStringLiteral("14"), true, true, 0.5);
    };
}

using Values = QMap<int, QVariant>;

} // namespace

Q_DECLARE_METATYPE(ItemFactory)

class TestListItems : public QObject
{
    Q_OBJECT

private slots:
    void startValues_data();
    void startValues();
    void componentTypeWrites_data();
    void componentTypeWrites();
    void setDataRules_data();
    void setDataRules();

    void settersFollowTheirRules();
    void textOfNullItemIsSafe();
    void stepperSecondConstructor();
    void toggleApplIdThroughTheModel();
    void roleTables();
};

void TestListItems::startValues_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<Values>("values");

    QTest::newRow("button") << button()
                            << Values{{33, 6}, {34, QStringLiteral("Save")}, {35, true}, {36, 1.0}};
    QTest::newRow("toggle") << toggle() << Values{{33, 3},    {34, QString()}, {35, true},
                                                  {36, true}, {37, 1.0},       {38, false}};
    QTest::newRow("stepper") << stepper() << Values{{33, 2},         {34, QStringLiteral("80")},
                                                    {35, QString()}, {36, QString()},
                                                    {37, 1.0},       {38, 1.0}};
    QTest::newRow("text") << text() << Values{{33, 5}, {34, QStringLiteral("Line")}, {35, 16}};
    QTest::newRow("text row") << textRow()
                              << Values{{33, 5}, {34, QStringLiteral("Heading")}, {35, true}};
    QTest::newRow("divider") << divider() << Values{{33, 1}};
    QTest::newRow("day cell") << dayCell()
                              << Values{
                                     {33, QStringLiteral("14")}, {34, true}, {35, true}, {36, 0.5}};
}

void TestListItems::startValues()
{
    QFETCH(ItemFactory, factory);
    QFETCH(Values, values);
    std::unique_ptr<view::ListItem> item(factory());
    for (int role = 0; role <= 60; ++role) {
        const QVariant shown = item->data(role);
        QVERIFY2(shown.isValid() == values.contains(role),
                 qPrintable(QStringLiteral("role %1").arg(role)));
        if (values.contains(role)) {
            // The type matters: QML reads each value as the type it is given, and tells a text
            // row (value2 a flag) from a text item (value2 a number) by it.
            QCOMPARE(shown.metaType().id(), values.value(role).metaType().id());
            QCOMPARE(shown, values.value(role));
        } else {
            QVERIFY2(!item->setData(1, role), qPrintable(QStringLiteral("role %1").arg(role)));
        }
    }
}

void TestListItems::componentTypeWrites_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("button") << button() << true;
    QTest::newRow("text") << text() << true;
    QTest::newRow("text row") << textRow() << true;
    QTest::newRow("divider") << divider() << true;
    QTest::newRow("toggle") << toggle() << false;
    QTest::newRow("stepper") << stepper() << false;
}

void TestListItems::componentTypeWrites()
{
    QFETCH(ItemFactory, factory);
    QFETCH(bool, accepted);
    std::unique_ptr<view::ListItem> item(factory());
    const QVariant before = item->data(33);
    QSignalSpy changed(item.get(), &view::ListItem::dataChanged);
    QCOMPARE(item->setData(view::ComponentTypes::E_row, 33), accepted);
    QCOMPARE(item->data(33), before);
    QCOMPARE(changed.count(), 0);
}

void TestListItems::setDataRules_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("emitsWhenUnchanged");

    QTest::newRow("button text") << button() << 34 << QVariant("Go") << QVariant("Go") << true;
    QTest::newRow("button value2") << button() << 35 << QVariant(false) << QVariant(false) << true;
    QTest::newRow("button value3") << button() << 36 << QVariant(0.3) << QVariant(0.3) << true;
    QTest::newRow("toggle label") << toggle() << 34 << QVariant("Fan") << QVariant("Fan") << false;
    QTest::newRow("toggle state") << toggle() << 35 << QVariant(false) << QVariant(false) << false;
    QTest::newRow("toggle value3") << toggle() << 36 << QVariant(false) << QVariant(false) << false;
    QTest::newRow("toggle value4") << toggle() << 37 << QVariant(0.4) << QVariant(0.4) << true;
    QTest::newRow("toggle value5") << toggle() << 38 << QVariant(true) << QVariant(true) << true;
    QTest::newRow("toggle state from text")
        << toggle() << 35 << QVariant("false") << QVariant(false) << false;
    QTest::newRow("stepper value") << stepper() << 34 << QVariant("85") << QVariant("85") << true;
    QTest::newRow("stepper value2")
        << stepper() << 35 << QVariant("min") << QVariant("min") << true;
    QTest::newRow("stepper value3")
        << stepper() << 36 << QVariant("max") << QVariant("max") << true;
    QTest::newRow("stepper value4") << stepper() << 37 << QVariant(0.5) << QVariant(0.5) << true;
    QTest::newRow("stepper value5 from int")
        << stepper() << 38 << QVariant(2) << QVariant(2.0) << true;
    QTest::newRow("text text") << text() << 34 << QVariant("Other") << QVariant("Other") << false;
    QTest::newRow("text size") << text() << 35 << QVariant(20) << QVariant(20) << false;
    QTest::newRow("text size from text") << text() << 35 << QVariant("18") << QVariant(18) << false;
    QTest::newRow("text row text")
        << textRow() << 34 << QVariant("Other") << QVariant("Other") << false;
    QTest::newRow("text row flag") << textRow() << 35 << QVariant(false) << QVariant(false) << true;
    QTest::newRow("day label") << dayCell() << 33 << QVariant("15") << QVariant("15") << false;
    QTest::newRow("day post") << dayCell() << 34 << QVariant(false) << QVariant(false) << false;
    QTest::newRow("day enabled") << dayCell() << 35 << QVariant(false) << QVariant(false) << false;
    QTest::newRow("day opacity") << dayCell() << 36 << QVariant(0.75) << QVariant(0.75) << false;
}

void TestListItems::setDataRules()
{
    QFETCH(ItemFactory, factory);
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(bool, emitsWhenUnchanged);

    std::unique_ptr<view::ListItem> item(factory());
    QSignalSpy changed(item.get(), &view::ListItem::dataChanged);
    QVERIFY(item->setData(value, role));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(item->data(role), stored);
    QVERIFY(item->setData(value, role));
    QCOMPARE(changed.count(), emitsWhenUnchanged ? 2 : 1);
}

void TestListItems::settersFollowTheirRules()
{
    view::ButtonItem buttonItem(QStringLiteral("Save"));
    QSignalSpy buttonChanged(&buttonItem, &view::ListItem::dataChanged);
    buttonItem.setText(QStringLiteral("Save"));
    buttonItem.setValue2(true);
    buttonItem.setValue3(1.0);
    QCOMPARE(buttonChanged.count(), 3);

    view::TextItem textItem(QStringLiteral("Line"));
    QSignalSpy textChanged(&textItem, &view::ListItem::dataChanged);
    textItem.setText(QStringLiteral("Line"));
    textItem.setFontSize(16);
    QCOMPARE(textChanged.count(), 0);
    textItem.setFontSize(12);
    QCOMPARE(textChanged.count(), 1);
    QCOMPARE(textItem.data(35), QVariant(12));

    view::ToggleStandardItem toggleItem(1, false);
    QSignalSpy toggleChanged(&toggleItem, &view::ListItem::dataChanged);
    toggleItem.setValue(QString());
    toggleItem.setValue2(false);
    toggleItem.setValue3(true);
    QCOMPARE(toggleChanged.count(), 0);
    toggleItem.setValue4(1.0);
    toggleItem.setValue5(false);
    QCOMPARE(toggleChanged.count(), 2);
    toggleItem.setValue(QStringLiteral("Light"));
    toggleItem.setValue2(true);
    QCOMPARE(toggleChanged.count(), 4);
    QCOMPARE(toggleItem.data(34).toString(), QStringLiteral("Light"));
    QCOMPARE(toggleItem.data(35), QVariant(true));

    view::StepperControllerItem stepperItem(QStringLiteral("1"), 0);
    QSignalSpy stepperChanged(&stepperItem, &view::ListItem::dataChanged);
    stepperItem.setValue(QStringLiteral("1"));
    stepperItem.setValue2(QString());
    stepperItem.setValue3(QString());
    stepperItem.setValue4(1.0);
    stepperItem.setValue5(1.0);
    QCOMPARE(stepperChanged.count(), 5);

    view::TextRowItem textRowItem(QStringLiteral("Row"), false);
    QSignalSpy textRowChanged(&textRowItem, &view::ListItem::dataChanged);
    textRowItem.setValue2(false);
    QCOMPARE(textRowChanged.count(), 1);

    view::CalendarMonthDayItem day(QStringLiteral("1"), false, true, 1.0);
    QSignalSpy dayChanged(&day, &view::ListItem::dataChanged);
    day.setTextOnDayButton(QStringLiteral("1"));
    day.setDayPostAvailable(false);
    day.setDayButtonEnabled(true);
    day.setDayButtonOpacity(1.0);
    QCOMPARE(dayChanged.count(), 0);
    day.setDayButtonOpacity(0.4);
    QCOMPARE(dayChanged.count(), 1);
    day.setDayPostAvailable(true);
    day.setDayButtonEnabled(false);
    day.setTextOnDayButton(QStringLiteral("2"));
    QCOMPARE(dayChanged.count(), 4);
    QCOMPARE(day.data(33).toString(), QStringLiteral("2"));
}

void TestListItems::textOfNullItemIsSafe()
{
    view::TextItem::setTextOf(nullptr, QStringLiteral("ignored"));
    view::TextItem item(QStringLiteral("old"));
    QSignalSpy changed(&item, &view::ListItem::dataChanged);
    view::TextItem::setTextOf(&item, QStringLiteral("new"));
    QCOMPARE(item.data(34).toString(), QStringLiteral("new"));
    QCOMPARE(changed.count(), 1);
}

void TestListItems::stepperSecondConstructor()
{
    const view::StepperControllerItem item(QStringLiteral("v"), QStringLiteral("v2"),
                                           QStringLiteral("v3"), 0.25, 4.0);
    QCOMPARE(item.applId(), 0);
    QCOMPARE(item.data(34).toString(), QStringLiteral("v"));
    QCOMPARE(item.data(35).toString(), QStringLiteral("v2"));
    QCOMPARE(item.data(36).toString(), QStringLiteral("v3"));
    QCOMPARE(item.data(37), QVariant(0.25));
    QCOMPARE(item.data(38), QVariant(4.0));
    for (int role = 39; role <= 47; ++role)
        QVERIFY(!item.data(role).isValid());

    const view::StepperControllerItem first(QStringLiteral("x"), 9);
    QCOMPARE(first.applId(), 9);
}

void TestListItems::toggleApplIdThroughTheModel()
{
    view::ListModel model(view::StepperControllerItem::roleNames(), nullptr);
    model.appendItem(new view::ButtonItem(QStringLiteral("b")));
    model.appendItem(new view::ToggleStandardItem(7, true));
    model.appendItem(new view::TextRowItem(QStringLiteral("t"), false));
    QCOMPARE(model.getApplId(0), 0);
    QCOMPARE(model.getApplId(1), 7);
    QCOMPARE(model.getApplId(2), 0);
    QCOMPARE(model.data(model.indexOfRow(1), 35), QVariant(true));
    QCOMPARE(model.data(model.indexOfRow(2), 33), QVariant(int(view::ComponentTypes::E_text)));
}

void TestListItems::roleTables()
{
    const QHash<int, QByteArray> stepperNames = view::StepperControllerItem::roleNames();
    QCOMPARE(stepperNames.size(), 15);
    QCOMPARE(stepperNames.value(33), QByteArray("componentType"));
    QCOMPARE(stepperNames.value(34), QByteArray("value"));
    QCOMPARE(stepperNames.value(35), QByteArray("value2"));
    QCOMPARE(stepperNames.value(47), QByteArray("value14"));

    QCOMPARE(view::DividerItem::roleNames(),
             (QHash<int, QByteArray>{{33, QByteArray("componentType")}}));
    QCOMPARE(view::TextItem::roleNames().keys().size(), 3);
    QCOMPARE(view::TextRowItem::roleNames(), view::TextItem::roleNames());
    QCOMPARE(view::TextRowItem::roleNames().value(35), QByteArray("value2"));
    QCOMPARE(view::ButtonItem::roleNames().size(), 4);
    QCOMPARE(view::ToggleStandardItem::roleNames().size(), 6);
    QCOMPARE(view::ToggleStandardItem::roleNames().value(38), QByteArray("value5"));
    // Each shorter table is a leading part of the stepper table.
    const QHash<int, QByteArray> toggleNames = view::ToggleStandardItem::roleNames();
    for (auto it = toggleNames.cbegin(); it != toggleNames.cend(); ++it)
        QCOMPARE(it.value(), stepperNames.value(it.key()));

    const QHash<int, QByteArray> day = view::CalendarMonthDayItem::roleNames();
    QCOMPARE(day.size(), 4);
    QCOMPARE(day.value(33), QByteArray("textOnDayButton"));
    QCOMPARE(day.value(36), QByteArray("dayButtonOpacity"));
}

QTEST_APPLESS_MAIN(TestListItems)
#include "tst_list_items.moc"
