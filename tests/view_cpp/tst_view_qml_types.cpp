#include "view_cpp/circle_value_provider.h"
#include "view_cpp/component_types.h"
#include "view_cpp/drop_shadow.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>

#include <memory>

namespace {

const QByteArray sceneSource = R"(
import QtQuick 2.0
import ViewTypesLib 1.0
import Effects 1.0
import PanelComponents 1.0

Rectangle {
    width: 100
    height: 50
    color: "white"
    property int rowType: ViewTypes.E_row
    property int textRowType: ViewTypes.E_text_row
    DropShadow {
        objectName: "shadow"
        blurRadius: 4
        xOffset: 3
        yOffset: 5
        color: "black"
    }
    CircleValueProvider {
        objectName: "circle"
        width: 40
        height: 20
        actualPosition: 0.25
        foregroundColor: "red"
    }
}
)";

struct LoadResult
{
    std::unique_ptr<QObject> root;
    QString errors;
};

LoadResult load(QQmlEngine &engine, const QByteArray &source)
{
    QQmlComponent component(&engine);
    component.setData(source, QUrl(QStringLiteral("qrc:/test/Scene.qml")));
    LoadResult result;
    result.root.reset(component.create());
    result.errors = component.errorString();
    return result;
}

bool isShadowed(QRgb pixel)
{
    return qRed(pixel) < 235 && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

} // namespace

class TestViewQmlTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void indicatorIsUnknownBeforeItsStep();
    void typesLoadFromQml();
    void rowFlagsNameTheTextsTheRowsAnswer();
    void shadowFollowsItsParent();
    void shadowIsDrawnBeneathTheParent();
};

void TestViewQmlTypes::initTestCase()
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void TestViewQmlTypes::indicatorIsUnknownBeforeItsStep()
{
    // The start-up screen is loaded between the two registration steps.
    view::registerComponentQmlTypes();
    QQmlEngine engine;
    const LoadResult withIndicator = load(engine, sceneSource);
    QVERIFY(!withIndicator.root);
    QVERIFY2(withIndicator.errors.contains(QStringLiteral("PanelComponents")),
             qPrintable(withIndicator.errors));

    const LoadResult withoutIndicator = load(engine, R"(
import QtQuick 2.0
import ViewTypesLib 1.0
import Effects 1.0
Item { property int dividerType: ViewTypes.E_divider_small; DropShadow {} }
)");
    QVERIFY2(withoutIndicator.root, qPrintable(withoutIndicator.errors));
    QCOMPARE(withoutIndicator.root->property("dividerType").toInt(), 1);
}

void TestViewQmlTypes::typesLoadFromQml()
{
    view::registerViewQmlTypes();
    QQmlEngine engine;
    const LoadResult scene = load(engine, sceneSource);
    QVERIFY2(scene.root, qPrintable(scene.errors));
    QCOMPARE(scene.root->property("rowType").toInt(), int(view::ComponentTypes::E_row));
    QCOMPARE(scene.root->property("textRowType").toInt(), int(view::ComponentTypes::E_text_row));

    auto *circle = scene.root->findChild<CircleValueProvider *>(QStringLiteral("circle"));
    QVERIFY(circle);
    QCOMPARE(circle->actualPosition(), 0.25);
    QCOMPARE(circle->actualOuterRadius(), 10.0);
    QCOMPARE(circle->actualInnerRadius(), 9.5);
    QCOMPARE(circle->foregroundColor(), QColor(Qt::red));
    QCOMPARE(circle->property("actualOuterRadius").toReal(), 10.0);

    QVERIFY(scene.root->findChild<view::DropShadow *>(QStringLiteral("shadow")));
}

void TestViewQmlTypes::rowFlagsNameTheTextsTheRowsAnswer()
{
    using view::RowItem;
    view::registerComponentQmlTypes();
    QQmlEngine engine;
    const LoadResult scene = load(engine, R"(
import QtQml 2.0
import ViewTypesLib 1.0
QtObject {
    property var kinds: [RowFlags.onlySubmenu, RowFlags.selectableSubmenu, RowFlags.onlyCheckmark,
                         RowFlags.mixCheckmarkSubmenu]
    property var places: [RowFlags.bottom, RowFlags.single]
}
)");
    QVERIFY2(scene.root, qPrintable(scene.errors));

    QStringList kinds;
    for (int kind : {view::rowType::onlySubmenu, view::rowType::selectableSubmenu,
                     view::rowType::onlyCheckmark, view::rowType::mixCheckmarkSubmenu}) {
        RowItem row(kind, view::rowLayout::centre, view::rowLayoutType::multiple);
        kinds << row.data(RowItem::TypeOfItemRole).toString();
    }
    QCOMPARE(scene.root->property("kinds").toStringList(), kinds);

    QStringList places;
    for (int place : {view::rowLayout::bottom, view::rowLayout::single}) {
        RowItem row(view::rowType::onlySubmenu, place, view::rowLayoutType::multiple);
        places << row.data(RowItem::LayoutOrderRole).toString();
    }
    QCOMPARE(scene.root->property("places").toStringList(), places);
}

void TestViewQmlTypes::shadowFollowsItsParent()
{
    view::registerViewQmlTypes();
    QQmlEngine engine;
    const LoadResult scene = load(engine, sceneSource);
    QVERIFY2(scene.root, qPrintable(scene.errors));
    auto *rectangle = qobject_cast<QQuickItem *>(scene.root.get());
    auto *shadow = scene.root->findChild<view::DropShadow *>(QStringLiteral("shadow"));
    QVERIFY(rectangle && shadow);

    QCOMPARE(shadow->parentItem(), rectangle);
    QVERIFY(shadow->z() < 0);
    QCOMPARE(shadow->position(), QPointF(-1, 1));
    QCOMPARE(shadow->size(), QSizeF(108, 58));

    rectangle->setWidth(60);
    rectangle->setHeight(30);
    QCOMPARE(shadow->size(), QSizeF(68, 38));

    shadow->setBlurRadius(0);
    QCOMPARE(shadow->position(), QPointF(3, 5));
    QCOMPARE(shadow->size(), QSizeF(60, 30));
    shadow->setBlurRadius(-3);
    QCOMPARE(shadow->blurRadius(), 0.0);

    // Moved under another item, it shadows that one.
    QQuickItem other;
    other.setSize(QSizeF(10, 20));
    shadow->setParentItem(&other);
    QCOMPARE(shadow->size(), QSizeF(10, 20));
    rectangle->setWidth(500);
    QCOMPARE(shadow->size(), QSizeF(10, 20));
    shadow->setParentItem(nullptr);
    QCOMPARE(shadow->size(), QSizeF());
}

void TestViewQmlTypes::shadowIsDrawnBeneathTheParent()
{
    view::registerViewQmlTypes();
    QQmlEngine engine;
    const LoadResult scene = load(engine, sceneSource);
    QVERIFY2(scene.root, qPrintable(scene.errors));
    auto *rectangle = qobject_cast<QQuickItem *>(scene.root.get());
    QVERIFY(rectangle);

    QQuickWindow window;
    window.setColor(Qt::white);
    window.resize(200, 120);
    rectangle->setParentItem(window.contentItem());
    rectangle->setPosition(QPointF(20, 20));
    rectangle->findChild<QQuickItem *>(QStringLiteral("circle"))->setVisible(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.grabWindow();

    // The white rectangle hides the shadow beneath it.
    QCOMPARE(shown.pixel(60, 40), qRgb(255, 255, 255));
    // Right of and below the rectangle, inside the offset, the shadow shows.
    QVERIFY(isShadowed(shown.pixel(121, 50)));
    QVERIFY(isShadowed(shown.pixel(70, 72)));
    // Above and left of the rectangle the offset keeps it clear.
    QCOMPARE(shown.pixel(60, 17), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(17, 40), qRgb(255, 255, 255));
    // Beyond the soft edge nothing is drawn.
    QCOMPARE(shown.pixel(150, 50), qRgb(255, 255, 255));
}

QTEST_MAIN(TestViewQmlTypes)
#include "tst_view_qml_types.moc"
