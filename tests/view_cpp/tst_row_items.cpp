#include "view_cpp/component_types.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_icon.h"
#include "view_cpp/row_item_large.h"
#include "view_cpp/row_item_plain.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/toggle_standard_item.h"

#include "support/member_detection.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace {

using ItemFactory = std::function<view::ListItem *()>;

ItemFactory rowItem()
{
    return [] {
        return new view::RowItem(QStringLiteral("text"), 5);
    };
}
ItemFactory rowItem2()
{
    return [] {
        return new view::RowItem2(QStringLiteral("text"), 5);
    };
}
ItemFactory rowItemPlain()
{
    return [] {
        return new view::RowItemPlain(QStringLiteral("text"), 5);
    };
}
ItemFactory rowItemLarge()
{
    return [] {
        return new view::RowItemLarge(5);
    };
}
ItemFactory rowItemIcon()
{
    return [] {
        return new view::RowItemIcon(5);
    };
}

} // namespace

Q_DECLARE_METATYPE(ItemFactory)

namespace {

// The setters and operations each kind offers are exactly those its interface lists: a RowItem
// is placed by its layoutOrder role and has no componentType() operation; the second family's
// base has both. Its values are set by role like every field that has no setter of its own.
PANEL_DETECT_MEMBER(HasPublicSetLayoutOrder, std::declval<T &>().setLayoutOrder(0));
PANEL_DETECT_MEMBER(HasPublicComponentType, std::declval<const T &>().componentType());
PANEL_DETECT_MEMBER(HasSetTextOnSubMenu, std::declval<T &>().setTextOnSubMenu(QString()));
PANEL_DETECT_MEMBER(HasSetTextValue1, std::declval<T &>().setTextValue1(QString()));
PANEL_DETECT_MEMBER(HasSetTextValue2, std::declval<T &>().setTextValue2(QString()));
PANEL_DETECT_MEMBER(HasSetTextValue3, std::declval<T &>().setTextValue3(QString()));
PANEL_DETECT_MEMBER(HasSetCheckmarkChecked, std::declval<T &>().setCheckmarkChecked(true));
PANEL_DETECT_MEMBER(HasSetLayoutType, std::declval<T &>().setLayoutType(QString()));
PANEL_DETECT_MEMBER(HasSetTypeOfItem, std::declval<T &>().setTypeOfItem(0));
PANEL_DETECT_MEMBER(HasSetTruncateText, std::declval<T &>().setTruncateText(true));
PANEL_DETECT_MEMBER(HasSetEnabled, std::declval<T &>().setEnabled(true));
PANEL_DETECT_MEMBER(HasSetOpacity, std::declval<T &>().setOpacity(1.0));
PANEL_DETECT_MEMBER(HasSetBackgroundPressedMode, std::declval<T &>().setBackgroundPressedMode(0));
PANEL_DETECT_MEMBER(HasSetIconType, std::declval<T &>().setIconType(0));
// Each kind names its roles by roleNames() alone; how it maps them onto its fields is its own.
PANEL_DETECT_MEMBER(HasPublicRoleTable, T::roleTable());
static_assert(!HasPublicRoleTable<view::RowItem>::value);
static_assert(!HasPublicRoleTable<view::RowItemBase>::value);
static_assert(!HasPublicRoleTable<view::RowItem2>::value);

// The setters a kind has, one bit each.
namespace setter {
enum : unsigned {
    textOnSubMenu = 1U << 0,
    textValue1 = 1U << 1,
    textValue2 = 1U << 2,
    textValue3 = 1U << 3,
    checkmarkChecked = 1U << 4,
    layoutType = 1U << 5,
    typeOfItem = 1U << 6,
    truncateText = 1U << 7,
    enabled = 1U << 8,
    opacity = 1U << 9,
    layoutOrder = 1U << 10,
    backgroundPressedMode = 1U << 11,
    iconType = 1U << 12,
};
} // namespace setter

template<typename T>
constexpr unsigned settersOf()
{
    return (HasSetTextOnSubMenu<T>::value ? setter::textOnSubMenu : 0U) |
           (HasSetTextValue1<T>::value ? setter::textValue1 : 0U) |
           (HasSetTextValue2<T>::value ? setter::textValue2 : 0U) |
           (HasSetTextValue3<T>::value ? setter::textValue3 : 0U) |
           (HasSetCheckmarkChecked<T>::value ? setter::checkmarkChecked : 0U) |
           (HasSetLayoutType<T>::value ? setter::layoutType : 0U) |
           (HasSetTypeOfItem<T>::value ? setter::typeOfItem : 0U) |
           (HasSetTruncateText<T>::value ? setter::truncateText : 0U) |
           (HasSetEnabled<T>::value ? setter::enabled : 0U) |
           (HasSetOpacity<T>::value ? setter::opacity : 0U) |
           (HasPublicSetLayoutOrder<T>::value ? setter::layoutOrder : 0U) |
           (HasSetBackgroundPressedMode<T>::value ? setter::backgroundPressedMode : 0U) |
           (HasSetIconType<T>::value ? setter::iconType : 0U);
}

static_assert(!HasPublicComponentType<view::RowItem>::value);
static_assert(HasPublicComponentType<view::RowItemBase>::value);
// A RowItem's values have no setters: they are set by role, as QML sets them.
static_assert(!HasSetTextValue1<view::RowItem>::value);
static_assert(!HasSetTextValue2<view::RowItem>::value);
static_assert(settersOf<view::RowItem>() ==
              (setter::textOnSubMenu | setter::checkmarkChecked | setter::layoutType |
               setter::typeOfItem | setter::truncateText | setter::enabled | setter::opacity));
constexpr unsigned baseSetters =
    setter::layoutOrder | setter::backgroundPressedMode | setter::enabled | setter::opacity;
static_assert(settersOf<view::RowItemBase>() == baseSetters);
static_assert(settersOf<view::RowItem2>() ==
              (baseSetters | setter::textOnSubMenu | setter::checkmarkChecked | setter::layoutType |
               setter::typeOfItem | setter::truncateText));
static_assert(settersOf<view::RowItemPlain>() == (baseSetters | setter::truncateText));
static_assert(settersOf<view::RowItemLarge>() ==
              (baseSetters | setter::textOnSubMenu | setter::textValue1 | setter::textValue2));
static_assert(settersOf<view::RowItemIcon>() == (baseSetters | setter::iconType));

} // namespace

class TestRowItems : public QObject
{
    Q_OBJECT

private slots:
    void rolesAnswered_data();
    void rolesAnswered();
    void setDataRules_data();
    void setDataRules();
    void componentTypeIsRefusedAndFixed_data();
    void componentTypeIsRefusedAndFixed();
    void tableTexts_data();
    void tableTexts();

    void rowItemConstructors();
    void rowItem2Constructors();
    void settersFollowTheirRules();
    void nullTolerantHelpers();
    void roleTables();

    void delegateRolesMeanTheSameInEveryFamily();
    void rowInAValueListShowsTheFieldsTheDelegateExpects();
};

void TestRowItems::rolesAnswered_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<QList<int>>("roles");

    QTest::newRow("RowItem") << rowItem()
                             << QList<int>{33, 34, 35, 36, 37, 38, 39, 42, 43, 44, 45, 46, 47};
    QTest::newRow("RowItem2") << rowItem2()
                              << QList<int>{33, 34, 35, 36, 37, 39, 40, 41, 42, 43, 44, 45, 46};
    QTest::newRow("RowItemPlain") << rowItemPlain()
                                  << QList<int>{33, 34, 35, 36, 37, 39, 40, 41, 42, 46};
    QTest::newRow("RowItemLarge") << rowItemLarge() << QList<int>{33, 34, 35, 36, 37, 39, 40, 41};
    QTest::newRow("RowItemIcon") << rowItemIcon() << QList<int>{33, 34, 35, 36, 37, 38};
}

void TestRowItems::rolesAnswered()
{
    QFETCH(ItemFactory, factory);
    QFETCH(QList<int>, roles);
    std::unique_ptr<view::ListItem> item(factory());
    for (int role = 0; role <= 60; ++role)
        QVERIFY2(item->data(role).isValid() == roles.contains(role),
                 qPrintable(QStringLiteral("role %1").arg(role)));
    // Ids the kind does not have are refused as well.
    for (int role = 33; role <= 48; ++role) {
        if (!roles.contains(role))
            QVERIFY2(!item->setData(QStringLiteral("x"), role),
                     qPrintable(QStringLiteral("role %1").arg(role)));
    }
}

void TestRowItems::setDataRules_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<bool>("emitsWhenUnchanged");

    const QVariant text = QStringLiteral("value text");
    QTest::newRow("RowItem textOnSubMenu") << rowItem() << 34 << text << text << false;
    QTest::newRow("RowItem textValue1") << rowItem() << 35 << text << text << false;
    QTest::newRow("RowItem textValue2") << rowItem() << 36 << text << text << false;
    QTest::newRow("RowItem textValue3") << rowItem() << 37 << text << text << false;
    QTest::newRow("RowItem layoutOrder")
        << rowItem() << 38 << QVariant("bottom") << QVariant("bottom") << false;
    QTest::newRow("RowItem layoutType")
        << rowItem() << 39 << QVariant("single") << QVariant("single") << true;
    QTest::newRow("RowItem backgroundPressedMode")
        << rowItem() << 42 << QVariant(2) << QVariant(2) << false;
    QTest::newRow("RowItem checkmarkChecked")
        << rowItem() << 43 << QVariant(true) << QVariant(true) << false;
    QTest::newRow("RowItem typeOfItem")
        << rowItem() << 44 << QVariant("raw_row") << QVariant("raw_row") << true;
    QTest::newRow("RowItem truncateText")
        << rowItem() << 45 << QVariant(true) << QVariant(true) << true;
    QTest::newRow("RowItem enabled")
        << rowItem() << 46 << QVariant(false) << QVariant(false) << true;
    QTest::newRow("RowItem opacity") << rowItem() << 47 << QVariant(0.5) << QVariant(0.5) << true;

    QTest::newRow("RowItem2 layoutOrder")
        << rowItem2() << 34 << QVariant("single") << QVariant("single") << false;
    QTest::newRow("RowItem2 enabled")
        << rowItem2() << 35 << QVariant(false) << QVariant(false) << true;
    QTest::newRow("RowItem2 opacity")
        << rowItem2() << 36 << QVariant(0.25) << QVariant(0.25) << true;
    QTest::newRow("RowItem2 backgroundPressedMode")
        << rowItem2() << 37 << QVariant(1) << QVariant(1) << false;
    QTest::newRow("RowItem2 textOnSubMenu") << rowItem2() << 39 << text << text << false;
    QTest::newRow("RowItem2 textValue1") << rowItem2() << 40 << text << text << false;
    QTest::newRow("RowItem2 textValue2") << rowItem2() << 41 << text << text << false;
    QTest::newRow("RowItem2 textValue3") << rowItem2() << 42 << text << text << false;
    QTest::newRow("RowItem2 layoutType")
        << rowItem2() << 43 << QVariant("single") << QVariant("single") << true;
    QTest::newRow("RowItem2 checkmarkChecked")
        << rowItem2() << 44 << QVariant(true) << QVariant(true) << false;
    QTest::newRow("RowItem2 typeOfItem")
        << rowItem2() << 45 << QVariant("only_checkmark") << QVariant("only_checkmark") << true;
    QTest::newRow("RowItem2 truncateText")
        << rowItem2() << 46 << QVariant(true) << QVariant(true) << true;

    QTest::newRow("RowItemPlain textOnSubMenu") << rowItemPlain() << 39 << text << text << false;
    QTest::newRow("RowItemPlain textValue3") << rowItemPlain() << 42 << text << text << false;
    QTest::newRow("RowItemPlain truncateText")
        << rowItemPlain() << 46 << QVariant(true) << QVariant(true) << true;
    QTest::newRow("RowItemLarge textOnSubMenu") << rowItemLarge() << 39 << text << text << false;
    QTest::newRow("RowItemLarge textValue2") << rowItemLarge() << 41 << text << text << false;
    QTest::newRow("RowItemIcon iconType")
        << rowItemIcon() << 38 << QVariant("plus") << QVariant("plus") << true;
    QTest::newRow("RowItemIcon layoutOrder")
        << rowItemIcon() << 34 << QVariant("top") << QVariant("top") << false;
}

void TestRowItems::setDataRules()
{
    QFETCH(ItemFactory, factory);
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(QVariant, shown);
    QFETCH(bool, emitsWhenUnchanged);

    std::unique_ptr<view::ListItem> item(factory());
    QSignalSpy changed(item.get(), &view::ListItem::dataChanged);
    QVERIFY(item->setData(value, role));
    QCOMPARE(item->data(role), shown);
    const int afterFirst = changed.count();
    QVERIFY(afterFirst <= 1);
    QVERIFY(item->setData(value, role));
    QCOMPARE(changed.count(), afterFirst + (emitsWhenUnchanged ? 1 : 0));
}

void TestRowItems::componentTypeIsRefusedAndFixed_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<int>("componentType");
    QTest::newRow("RowItem") << rowItem() << int(view::ComponentTypes::E_row);
    QTest::newRow("RowItem2") << rowItem2() << int(view::ComponentTypes::E_row);
    QTest::newRow("RowItemPlain") << rowItemPlain() << int(view::ComponentTypes::E_row_plain);
    QTest::newRow("RowItemLarge") << rowItemLarge() << int(view::ComponentTypes::E_row_large);
    QTest::newRow("RowItemIcon") << rowItemIcon() << int(view::ComponentTypes::E_row_icon);
}

void TestRowItems::componentTypeIsRefusedAndFixed()
{
    QFETCH(ItemFactory, factory);
    QFETCH(int, componentType);
    std::unique_ptr<view::ListItem> item(factory());
    QSignalSpy changed(item.get(), &view::ListItem::dataChanged);
    QCOMPARE(item->data(33), QVariant(componentType));
    QVERIFY(!item->setData(0, 33));
    QCOMPARE(item->data(33), QVariant(componentType));
    QCOMPARE(changed.count(), 0);
}

void TestRowItems::tableTexts_data()
{
    QTest::addColumn<ItemFactory>("factory");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QString>("shown");

    QTest::newRow("layoutOrder exact")
        << rowItem() << 38 << "top" << QVariant("bottom") << "bottom";
    QTest::newRow("layoutOrder capitalised")
        << rowItem() << 38 << "single" << QVariant("Bottom") << "top";
    QTest::newRow("layoutOrder unknown")
        << rowItem() << 38 << "single" << QVariant("middle") << "top";
    QTest::newRow("layoutOrder trailing blank")
        << rowItem() << 38 << "single" << QVariant("single ") << "top";
    QTest::newRow("layoutOrder from a number")
        << rowItem() << 38 << "single" << QVariant(2) << "top";
    QTest::newRow("typeOfItem mixed")
        << rowItem() << 44 << "raw_row" << QVariant("mix_checkmark_submenu")
        << "mix_checkmark_submenu";
    QTest::newRow("typeOfItem selectable")
        << rowItem2() << 45 << "raw_row" << QVariant("selectableSubmenu") << "selectableSubmenu";
    QTest::newRow("typeOfItem unknown")
        << rowItem2() << 45 << "raw_row" << QVariant("submenu") << "only_submenu";
    QTest::newRow("typeOfItem not Latin-1")
        << rowItem() << 44 << "raw_row" << QVariant(QStringLiteral("raw_row\u20ac"))
        << "only_submenu";
    QTest::newRow("iconType unknown")
        << rowItemIcon() << 38 << "plus" << QVariant("minus") << "plus";
    QTest::newRow("base layoutOrder")
        << rowItemLarge() << 34 << "top" << QVariant("centre") << "centre";
    QTest::newRow("base layoutOrder unknown")
        << rowItemPlain() << 34 << "bottom" << QVariant("Centre") << "top";
}

void TestRowItems::tableTexts()
{
    QFETCH(ItemFactory, factory);
    QFETCH(int, role);
    QFETCH(QString, before);
    QFETCH(QVariant, written);
    QFETCH(QString, shown);
    std::unique_ptr<view::ListItem> item(factory());
    QVERIFY(item->setData(before, role));
    QCOMPARE(item->data(role).toString(), before);
    QVERIFY(item->setData(written, role));
    QCOMPARE(item->data(role).toString(), shown);
}

void TestRowItems::rowItemConstructors()
{
    const view::RowItem fromText(QStringLiteral("Sauna"), 5);
    QCOMPARE(fromText.applId(), 5);
    QCOMPARE(fromText.data(34).toString(), QStringLiteral("Sauna"));
    QCOMPARE(fromText.data(35).toString(), QString());
    QCOMPARE(fromText.data(38).toString(), QStringLiteral("centre"));
    QCOMPARE(fromText.data(39).toString(), QStringLiteral("multiple"));
    QCOMPARE(fromText.data(44).toString(), QStringLiteral("only_submenu"));
    QCOMPARE(fromText.data(42), QVariant(0));
    QCOMPARE(fromText.data(43), QVariant(false));
    QCOMPARE(fromText.data(45), QVariant(false));
    QCOMPARE(fromText.data(46), QVariant(true));
    QCOMPARE(fromText.data(47), QVariant(1.0));

    const view::RowItem fromKind(2, 3, QStringLiteral("single"));
    QCOMPARE(fromKind.applId(), 0);
    QCOMPARE(fromKind.data(34).toString(), QString());
    QCOMPARE(fromKind.data(44).toString(), QStringLiteral("only_checkmark"));
    QCOMPARE(fromKind.data(38).toString(), QStringLiteral("single"));
    QCOMPARE(fromKind.data(39).toString(), QStringLiteral("single"));

    // A number without a text shows as an empty text.
    const view::RowItem outOfTable(9, 7, QStringLiteral("multiple"));
    QCOMPARE(outOfTable.data(44), QVariant(QString()));
    QCOMPARE(outOfTable.data(38), QVariant(QString()));
}

void TestRowItems::rowItem2Constructors()
{
    const view::RowItem2 fromText(QStringLiteral("Fan"), 4);
    QCOMPARE(fromText.applId(), 4);
    QCOMPARE(fromText.data(39).toString(), QStringLiteral("Fan"));
    QCOMPARE(fromText.data(34).toString(), QStringLiteral("centre"));
    QCOMPARE(fromText.data(43).toString(), QStringLiteral("multiple"));
    QCOMPARE(fromText.data(45).toString(), QStringLiteral("only_submenu"));
    QCOMPARE(fromText.data(35), QVariant(true));
    QCOMPARE(fromText.data(36), QVariant(1.0));
    QCOMPARE(fromText.data(37), QVariant(0));

    const view::RowItem2 fromKind(4, 0, QStringLiteral("single"));
    QCOMPARE(fromKind.applId(), 0);
    QCOMPARE(fromKind.data(45).toString(), QStringLiteral("raw_row"));
    QCOMPARE(fromKind.data(34).toString(), QStringLiteral("top"));

    const view::RowItemIcon icon(3);
    QCOMPARE(icon.applId(), 3);
    QCOMPARE(icon.data(38).toString(), QStringLiteral("plus"));
    QCOMPARE(icon.data(34).toString(), QStringLiteral("centre"));
    const view::RowItemLarge large(8);
    QCOMPARE(large.applId(), 8);
    QCOMPARE(large.data(39).toString(), QString());
    const view::RowItemPlain plain(QStringLiteral("Relay"), 6);
    QCOMPARE(plain.applId(), 6);
    QCOMPARE(plain.data(39).toString(), QStringLiteral("Relay"));
    QCOMPARE(plain.data(46), QVariant(false));
}

void TestRowItems::settersFollowTheirRules()
{
    view::RowItem row(QStringLiteral("a"), 1);
    QSignalSpy rowChanged(&row, &view::ListItem::dataChanged);
    row.setTextOnSubMenu(QStringLiteral("a"));
    row.setCheckmarkChecked(false);
    row.setData(QStringLiteral("centre"), view::RowItem::LayoutOrderRole);
    QCOMPARE(rowChanged.count(), 0);
    row.setTextOnSubMenu(QStringLiteral("b"));
    row.setCheckmarkChecked(true);
    row.setData(QStringLiteral("bottom"), view::RowItem::LayoutOrderRole);
    QCOMPARE(rowChanged.count(), 3);
    row.setLayoutType(QStringLiteral("multiple"));
    row.setTypeOfItem(0);
    row.setTruncateText(false);
    row.setEnabled(true);
    row.setOpacity(1.0);
    QCOMPARE(rowChanged.count(), 8);
    // A setter stores under its role in the item's own family: label 34, check mark 43,
    // position 38.
    QCOMPARE(row.data(34).toString(), QStringLiteral("b"));
    QCOMPARE(row.data(43), QVariant(true));
    QCOMPARE(row.data(38).toString(), QStringLiteral("bottom"));

    view::RowItem2 row2(QStringLiteral("a"), 1);
    QSignalSpy row2Changed(&row2, &view::ListItem::dataChanged);
    row2.setTextOnSubMenu(QStringLiteral("a"));
    row2.setCheckmarkChecked(false);
    row2.setLayoutOrder(1);
    row2.setBackgroundPressedMode(0);
    QCOMPARE(row2Changed.count(), 0);
    row2.setLayoutType(QStringLiteral("multiple"));
    row2.setTypeOfItem(0);
    row2.setTruncateText(false);
    row2.setEnabled(true);
    row2.setOpacity(1.0);
    QCOMPARE(row2Changed.count(), 5);
    row2.setBackgroundPressedMode(2);
    QCOMPARE(row2.data(37), QVariant(2));
    row2.setLayoutOrder(0);
    QCOMPARE(row2Changed.count(), 7);
    QCOMPARE(row2.data(34).toString(), QStringLiteral("top"));

    view::RowItemLarge large(1);
    QSignalSpy largeChanged(&large, &view::ListItem::dataChanged);
    large.setTextOnSubMenu(QStringLiteral("t"));
    large.setTextValue1(QStringLiteral("v1"));
    large.setTextValue2(QStringLiteral("v2"));
    large.setTextValue2(QStringLiteral("v2"));
    QCOMPARE(largeChanged.count(), 3);
    QCOMPARE(large.data(40).toString(), QStringLiteral("v1"));
    QCOMPARE(large.data(41).toString(), QStringLiteral("v2"));

    view::RowItemIcon icon(1);
    QSignalSpy iconChanged(&icon, &view::ListItem::dataChanged);
    icon.setIconType(0);
    QCOMPARE(iconChanged.count(), 1);

    view::RowItemPlain plain(QStringLiteral("p"), 1);
    QSignalSpy plainChanged(&plain, &view::ListItem::dataChanged);
    plain.setTruncateText(false);
    QCOMPARE(plainChanged.count(), 1);
}

void TestRowItems::nullTolerantHelpers()
{
    view::RowItem::setTextOnSubMenuOf(nullptr, QStringLiteral("x"));
    view::RowItem::setCheckmarkCheckedOf(nullptr, true);
    view::RowItem2::setTextOnSubMenuOf(nullptr, QStringLiteral("x"));
    view::RowItem2::setCheckmarkCheckedOf(nullptr, true);

    view::RowItem row(QStringLiteral("a"), 1);
    view::RowItem::setTextOnSubMenuOf(&row, QStringLiteral("b"));
    view::RowItem::setCheckmarkCheckedOf(&row, true);
    QCOMPARE(row.data(34).toString(), QStringLiteral("b"));
    QCOMPARE(row.data(43), QVariant(true));

    view::RowItem2 row2(QStringLiteral("a"), 1);
    view::RowItem2::setTextOnSubMenuOf(&row2, QStringLiteral("b"));
    view::RowItem2::setCheckmarkCheckedOf(&row2, true);
    QCOMPARE(row2.data(39).toString(), QStringLiteral("b"));
    QCOMPARE(row2.data(44), QVariant(true));
}

void TestRowItems::roleTables()
{
    const QHash<int, QByteArray> row = view::RowItem::roleNames();
    QCOMPARE(row.size(), 13);
    QCOMPARE(row.value(34), QByteArray("textOnSubMenu"));
    QCOMPARE(row.value(39), QByteArray("layoutType"));
    QCOMPARE(row.value(42), QByteArray("backgroundPressedMode"));
    QCOMPARE(row.value(44), QByteArray("typeOfItem"));

    const QHash<int, QByteArray> base = view::RowItemBase::roleNames();
    QCOMPARE(base.size(), 14);
    for (int role = 33; role <= 46; ++role)
        QVERIFY(base.contains(role));
    QCOMPARE(base.value(34), QByteArray("layoutOrder"));
    QCOMPARE(base.value(38), QByteArray("iconType"));
    QCOMPARE(base.value(46), QByteArray("truncateText"));
}

namespace {

// The role names the generic row delegate reads from its model, in the order it reads them.
QStringList delegateRoleNames()
{
    QFile file(QStringLiteral(PANEL_QML_VIEW_DIR "/components/GenericRowDelegate.qml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString source = QString::fromUtf8(file.readAll());
    QStringList names;
    const QRegularExpression read(QStringLiteral("\\bmodel\\.([A-Za-z][A-Za-z0-9]*)"));
    for (auto it = read.globalMatch(source); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

// The delegate's row texts and flags, each read under the row table's name first and the
// value table's name second: pick(model.<row name>, [isRowKind ? ]model.<value name>).
QList<QPair<QString, QString>> delegateFallbacks()
{
    QFile file(QStringLiteral(PANEL_QML_VIEW_DIR "/components/GenericRowDelegate.qml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString source = QString::fromUtf8(file.readAll());
    QList<QPair<QString, QString>> pairs;
    const QRegularExpression pick(QStringLiteral(
        "pick\\(\\s*model\\.(\\w+)\\s*,\\s*(?:isRowKind\\s*\\?\\s*)?model\\.(\\w+)"));
    for (auto it = pick.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pairs.append({match.captured(1), match.captured(2)});
    }
    return pairs;
}

int idOf(const QHash<int, QByteArray> &names, const QString &name)
{
    return names.key(name.toLatin1(), -1);
}

// The role names of the row's own family.
QHash<int, QByteArray> familyNames(const view::ListItem &row)
{
    return qobject_cast<const view::RowItem *>(&row) != nullptr ? view::RowItem::roleNames()
                                                                : view::RowItemBase::roleNames();
}

// A row of the given kind with every field it has set to a value no other field holds, through
// the ids its own family gives the names.
void fillDistinctly(view::ListItem &row)
{
    const QHash<QByteArray, QVariant> values = {
        {"textOnSubMenu", QStringLiteral("label")},
        {"textValue1", QStringLiteral("first value")},
        {"textValue2", QStringLiteral("second value")},
        {"textValue3", QStringLiteral("third value")},
        {"layoutOrder", QStringLiteral("bottom")},
        {"layoutType", QStringLiteral("single")},
        {"checkmarkChecked", true},
        {"typeOfItem", QStringLiteral("mix_checkmark_submenu")},
        {"truncateText", true},
        {"enabled", false},
        {"opacity", 0.25},
        {"backgroundPressedMode", 2},
        {"iconType", QStringLiteral("plus")},
    };
    const QHash<int, QByteArray> names = familyNames(row);
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (values.contains(it.value()))
            row.setData(values.value(it.value()), it.key());
    }
}

} // namespace

void TestRowItems::delegateRolesMeanTheSameInEveryFamily()
{
    const QStringList read = delegateRoleNames();
    QVERIFY2(read.contains(QStringLiteral("textOnSubMenu")), "the delegate was not read");

    // By the tables: a name the delegate reads is in both row families or in neither.
    for (const QString &name : read) {
        const bool inRowTable = idOf(view::RowItem::roleNames(), name) >= 0;
        const bool inBaseTable = idOf(view::RowItemBase::roleNames(), name) >= 0;
        QVERIFY2(inRowTable == inBaseTable,
                 qPrintable(name + QStringLiteral(" is read but missing from a row family")));
    }

    // By what the rows show: rows of every kind filled alike show the same value under each
    // name the delegate reads, whatever id the name has in their family.
    std::vector<std::unique_ptr<view::ListItem>> rows;
    rows.emplace_back(new view::RowItem(QString(), 1));
    rows.emplace_back(new view::RowItem2(QString(), 1));
    rows.emplace_back(new view::RowItemPlain(QString(), 1));
    rows.emplace_back(new view::RowItemLarge(1));
    rows.emplace_back(new view::RowItemIcon(1));
    for (const auto &row : rows)
        fillDistinctly(*row);
    const view::RowItem &reference = *qobject_cast<view::RowItem *>(rows.front().get());
    for (const QString &name : read) {
        if (name == QLatin1String("componentType"))
            continue; // each kind has its own
        const int referenceId = idOf(view::RowItem::roleNames(), name);
        if (referenceId < 0)
            continue; // a name of the value table, checked below
        for (const auto &row : rows) {
            const QVariant shown = row->data(idOf(familyNames(*row), name));
            if (!shown.isValid())
                continue; // this kind does not have the field; the delegate falls back
            QVERIFY2(shown == reference.data(referenceId),
                     qPrintable(name + QStringLiteral(" of ") + row->metaObject()->className()));
        }
    }
}

void TestRowItems::rowInAValueListShowsTheFieldsTheDelegateExpects()
{
    // A RowItem listed in a model named by the value table ("value" ... "value14") is read by
    // the delegate under the value names: each must show the field the row name shows.
    const QList<QPair<QString, QString>> fallbacks = delegateFallbacks();
    QVERIFY2(fallbacks.size() >= 4, "the delegate's fallbacks were not read");
    const QHash<int, QByteArray> valueNames = view::StepperControllerItem::roleNames();
    const QHash<int, QByteArray> rowNames = view::RowItem::roleNames();

    view::ListModel mixed(valueNames, nullptr);
    auto *row = new view::RowItem(QString(), 1);
    fillDistinctly(*row);
    mixed.appendItem(new view::ToggleStandardItem(2, true));
    mixed.appendItem(row);
    const QModelIndex index = mixed.indexOfRow(1);
    for (const auto &[rowName, valueName] : fallbacks) {
        const int rowId = idOf(rowNames, rowName);
        const int valueId = idOf(valueNames, valueName);
        QVERIFY2(rowId >= 0 && valueId >= 0, qPrintable(rowName + QLatin1Char('/') + valueName));
        QVERIFY2(row->data(rowId).isValid(), qPrintable(rowName));
        QVERIFY2(mixed.data(index, valueId) == row->data(rowId),
                 qPrintable(valueName + QStringLiteral(" is not ") + rowName));
    }
}

QTEST_APPLESS_MAIN(TestRowItems)
#include "tst_row_items.moc"
