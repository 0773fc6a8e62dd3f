#include "view_cpp/component_types.h"
#include "view_cpp/divider_item.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_icon.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <type_traits>
#include <vector>

namespace {

// The model counts its rows under any parent on purpose (QML only asks under the root). The
// model tester expects a list to have no children, so it watches this view of the model, which
// differs only there.
class TreeContractListModel : public view::ListModel
{
public:
    using view::ListModel::ListModel;
    // Lets the tests ask for rows past the end with indexes that look valid.
    using view::ListModel::createIndex;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : view::ListModel::rowCount(parent);
    }
};

QString layoutOrderOf(const view::ListItem *item)
{
    if (const auto *rowItem = qobject_cast<const view::RowItem *>(item))
        return rowItem->data(view::RowItem::LayoutOrderRole).toString();
    return item->data(view::RowItemBase::LayoutOrderRole).toString();
}

} // namespace

class TestListModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void appendAndInsertAnnounceRowsAndOwnership();
    void appendAndInsertGiveNoResult();
    void insertOutsideTheListIsRefused_data();
    void insertOutsideTheListIsRefused();
    void rowsOutOfRangeAreRefused();
    void rowCountIgnoresTheParent();
    void itemChangeIsReportedForItsRowOnly();
    void modelSetDataGoesThroughTheItem();
    void removeItemDeletesTheItem();
    void removeRows_data();
    void removeRows();
    void clearEmitsOneRemovalOrNone();
    void takeItemHandsOverAnUnparentedDisconnectedItem();
    void takeItemOutOfRangeIsRefused();
    void destructionDeletesEachItemOnce();
    void roleNamesAreTheTableGiven();
    void newApplIdAnnouncesItsRow();

    void layoutOrderFollowsRows_data();
    void layoutOrderFollowsRows();
    void layoutOrderCountsEveryKindOfRow();
    void layoutOrderSecondRunIsSilent();
    void layoutOrderOfAVectorSetsOnlyRowItems();

    void componentTypesFromInt_data();
    void componentTypesFromInt();
    void componentTypesText();

private:
    void appendTexts(const QStringList &texts);
    QString textAt(int row) const;

    std::unique_ptr<TreeContractListModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestListModel::init()
{
    m_model = std::make_unique<TreeContractListModel>(view::TextItem::roleNames(), nullptr);
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestListModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
}

void TestListModel::appendTexts(const QStringList &texts)
{
    for (const QString &text : texts)
        m_model->appendItem(new view::TextItem(text));
}

QString TestListModel::textAt(int row) const
{
    return m_model->data(m_model->indexOfRow(row), 34).toString();
}

void TestListModel::appendAndInsertAnnounceRowsAndOwnership()
{
    QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
    auto *first = new view::TextItem(QStringLiteral("first"));
    auto *last = new view::TextItem(QStringLiteral("last"));
    auto *middle = new view::TextItem(QStringLiteral("middle"));

    m_model->appendItem(first);
    m_model->appendItem(last);
    m_model->insertItem(1, middle);

    QCOMPARE(inserted.count(), 3);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1);
    QCOMPARE(inserted.at(2).at(1).toInt(), 1);
    QCOMPARE(inserted.at(2).at(2).toInt(), 1);
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->getNumberOfRows(), 3);
    QCOMPARE(textAt(0), QStringLiteral("first"));
    QCOMPARE(textAt(1), QStringLiteral("middle"));
    QCOMPARE(textAt(2), QStringLiteral("last"));
    QCOMPARE(m_model->data(m_model->indexOfRow(1), 33).toInt(), int(view::ComponentTypes::E_text));
    QCOMPARE(m_model->itemAt(1), middle);

    // Appending makes the model the parent; inserting leaves the parent alone.
    QCOMPARE(first->parent(), m_model.get());
    QCOMPARE(middle->parent(), nullptr);

    // An inserted item is owned all the same: the model deletes it with its row.
    QPointer<view::TextItem> watched(middle);
    QVERIFY(m_model->removeItem(1));
    QVERIFY(watched.isNull());
}

void TestListModel::appendAndInsertGiveNoResult()
{
    // A refusal is the caller's fault and is logged; there is no result to check.
    static_assert(std::is_same_v<decltype(&view::ListModel::appendItem),
                                 void (view::ListModel::*)(view::ListItem *)>);
    static_assert(std::is_same_v<decltype(&view::ListModel::insertItem),
                                 void (view::ListModel::*)(int, view::ListItem *)>);
}

void TestListModel::insertOutsideTheListIsRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("negative row") << -1;
    QTest::newRow("past the end") << 3;
    QTest::newRow("far past the end") << 1000;
}

void TestListModel::insertOutsideTheListIsRefused()
{
    QFETCH(int, row);
    appendTexts({QStringLiteral("a"), QStringLiteral("b")});
    QSignalSpy aboutToInsert(m_model.get(), &QAbstractItemModel::rowsAboutToBeInserted);

    auto item = std::make_unique<view::TextItem>(QStringLiteral("refused"));
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("refused an item at row %1 of 2 rows").arg(row)));
    m_model->insertItem(row, item.get());
    QCOMPARE(aboutToInsert.count(), 0);
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(item->parent(), nullptr);

    // A refused item stays the caller's and is not watched by the model.
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    item->setText(QStringLiteral("changed"));
    QCOMPARE(changed.count(), 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused a null item")));
    m_model->insertItem(0, nullptr);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused a null item")));
    m_model->appendItem(nullptr);
    QCOMPARE(aboutToInsert.count(), 0);
    QCOMPARE(m_model->rowCount(), 2);
}

void TestListModel::rowsOutOfRangeAreRefused()
{
    auto *toggle = new view::ToggleStandardItem(7, true);
    m_model->appendItem(toggle);
    m_model->appendItem(new view::TextItem(QStringLiteral("text")));

    QCOMPARE(m_model->getApplId(0), 7);
    QCOMPARE(m_model->getApplId(1), 0);
    QCOMPARE(m_model->getApplId(-1), -1);
    QCOMPARE(m_model->getApplId(2), -1);
    QCOMPARE(m_model->itemAt(-1), nullptr);
    QCOMPARE(m_model->itemAt(2), nullptr);
    QVERIFY(!m_model->data(m_model->createIndex(2, 0), 34).isValid());
    QVERIFY(!m_model->data(m_model->createIndex(-1, 0), 34).isValid());
    QVERIFY(!m_model->data(m_model->indexOfRow(0), 99).isValid());
    QVERIFY(!m_model->setData(m_model->createIndex(2, 0), QStringLiteral("x"), 34));
    QVERIFY(!m_model->removeItem(-1));
    QVERIFY(!m_model->removeItem(2));
    QCOMPARE(m_model->rowCount(), 2);

    // The owner may overwrite the id after building the row.
    toggle->setApplId(11);
    QCOMPARE(m_model->getApplId(0), 11);
}

void TestListModel::rowCountIgnoresTheParent()
{
    view::ListModel model(view::TextItem::roleNames(), nullptr);
    model.appendItem(new view::TextItem(QStringLiteral("a")));
    model.appendItem(new view::TextItem(QStringLiteral("b")));
    QCOMPARE(model.rowCount(model.indexOfRow(0)), 2);
    QCOMPARE(model.rowCount(), 2);
}

void TestListModel::itemChangeIsReportedForItsRowOnly()
{
    appendTexts({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    auto *second = qobject_cast<view::TextItem *>(m_model->itemAt(1));
    QVERIFY(second);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);

    second->setText(QStringLiteral("B"));
    QCOMPARE(changed.count(), 1);
    const QModelIndex index = changed.at(0).at(0).toModelIndex();
    QCOMPARE(index, m_model->indexOfRow(1));
    QCOMPARE(index.column(), 0);
    QCOMPARE(changed.at(0).at(1).toModelIndex(), index);
    // All roles of the row are reported together: no role list.
    QCOMPARE(changed.at(0).at(2).value<QList<int>>(), QList<int>());
    QCOMPARE(textAt(1), QStringLiteral("B"));

    // The text kind announces only real changes.
    second->setText(QStringLiteral("B"));
    QCOMPARE(changed.count(), 1);

    // After a row above it goes, the item reports its new row.
    QVERIFY(m_model->removeItem(0));
    second->setText(QStringLiteral("moved"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toModelIndex(), m_model->indexOfRow(0));
}

void TestListModel::modelSetDataGoesThroughTheItem()
{
    appendTexts({QStringLiteral("a"), QStringLiteral("b")});
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);

    QVERIFY(m_model->setData(m_model->indexOfRow(1), QStringLiteral("new"), 34));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->indexOfRow(1));
    QCOMPARE(changed.at(0).at(2).value<QList<int>>(), QList<int>());
    QCOMPARE(textAt(1), QStringLiteral("new"));

    QVERIFY(m_model->setData(m_model->indexOfRow(1), QStringLiteral("new"), 34));
    QCOMPARE(changed.count(), 1);

    // A role the item does not have is refused and announces nothing.
    QVERIFY(!m_model->setData(m_model->indexOfRow(1), 5, 40));
    QCOMPARE(changed.count(), 1);
}

void TestListModel::removeItemDeletesTheItem()
{
    appendTexts({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QPointer<view::ListItem> removed(m_model->itemAt(1));
    QSignalSpy removedRows(m_model.get(), &QAbstractItemModel::rowsRemoved);

    QVERIFY(m_model->removeItem(1));
    QCOMPARE(removedRows.count(), 1);
    QCOMPARE(removedRows.at(0).at(1).toInt(), 1);
    QCOMPARE(removedRows.at(0).at(2).toInt(), 1);
    QVERIFY(removed.isNull());
    QCOMPARE(textAt(0), QStringLiteral("a"));
    QCOMPARE(textAt(1), QStringLiteral("c"));
}

void TestListModel::removeRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("left");

    const QStringList all = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("count zero") << 1 << 0 << false << all;
    QTest::newRow("count negative") << 1 << -1 << false << all;
    QTest::newRow("negative row") << -1 << 2 << false << all;
    QTest::newRow("range past the end") << 2 << 2 << false << all;
    QTest::newRow("row past the end") << 3 << 1 << false << all;
    QTest::newRow("count at an int's end") << 2 << INT_MAX << false << all;
    QTest::newRow("row at an int's end") << INT_MAX << 1 << false << all;
    QTest::newRow("row and count at an int's end") << INT_MAX << INT_MAX << false << all;
    QTest::newRow("last two") << 1 << 2 << true << QStringList{QStringLiteral("a")};
    QTest::newRow("first one") << 0 << 1 << true
                               << QStringList{QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("all") << 0 << 3 << true << QStringList{};
}

void TestListModel::removeRows()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, removed);
    QFETCH(QStringList, left);

    appendTexts({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    std::vector<QPointer<view::ListItem>> items;
    for (int i = 0; i < 3; ++i)
        items.emplace_back(m_model->itemAt(i));
    QSignalSpy removedRows(m_model.get(), &QAbstractItemModel::rowsRemoved);
    // A range the model does not hold is caught where the model announces it, before it takes
    // any row out: the row fails, instead of the whole test ending where the model indexes its
    // list past the end.
    struct RangeOutsideTheRows
    {};
    view::ListModel *model = m_model.get();
    const QMetaObject::Connection check =
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [model](const QModelIndex &, int first, int last) {
                    if (first < 0 || last < first || last >= model->rowCount())
                        throw RangeOutsideTheRows();
                });
    const auto uncheck = qScopeGuard([check] { disconnect(check); });
    bool done = false;
    try {
        done = model->removeRows(row, count, QModelIndex());
    } catch (const RangeOutsideTheRows &) {
        QFAIL("the model announced the removal of rows it does not hold");
    }
    QCOMPARE(done, removed);
    QCOMPARE(removedRows.count(), removed ? 1 : 0);
    if (removed) {
        QCOMPARE(removedRows.at(0).at(1).toInt(), row);
        QCOMPARE(removedRows.at(0).at(2).toInt(), row + count - 1);
        for (int i = row; i < row + count; ++i)
            QVERIFY(items[std::size_t(i)].isNull());
    }
    QCOMPARE(m_model->rowCount(), left.size());
    for (int i = 0; i < left.size(); ++i)
        QCOMPARE(textAt(i), left.at(i));
}

void TestListModel::clearEmitsOneRemovalOrNone()
{
    QSignalSpy aboutToRemove(m_model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
    m_model->clear();
    QCOMPARE(aboutToRemove.count(), 0);

    appendTexts({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QPointer<view::ListItem> last(m_model->itemAt(2));
    m_model->clear();
    QCOMPARE(aboutToRemove.count(), 1);
    QCOMPARE(aboutToRemove.at(0).at(1).toInt(), 0);
    QCOMPARE(aboutToRemove.at(0).at(2).toInt(), 2);
    QCOMPARE(m_model->rowCount(), 0);
    QVERIFY(last.isNull());
}

void TestListModel::takeItemHandsOverAnUnparentedDisconnectedItem()
{
    auto model = std::make_unique<TreeContractListModel>(view::TextItem::roleNames(), nullptr);
    QAbstractItemModelTester tester(model.get(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    model->appendItem(new view::TextItem(QStringLiteral("a")));
    model->appendItem(new view::TextItem(QStringLiteral("b")));
    auto *inserted = new view::TextItem(QStringLiteral("inserted"));
    model->insertItem(0, inserted);
    QSignalSpy removedRows(model.get(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);

    std::unique_ptr<view::ListItem> taken(model->takeItem(2));
    QVERIFY(taken);
    QCOMPARE(taken->data(34).toString(), QStringLiteral("b"));
    QCOMPARE(removedRows.count(), 1);
    QCOMPARE(removedRows.at(0).at(1).toInt(), 2);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(taken->parent(), nullptr);

    // The taken item no longer updates the model.
    qobject_cast<view::TextItem *>(taken.get())->setText(QStringLiteral("changed"));
    QCOMPARE(changed.count(), 0);

    // An item that was never the model's child keeps its own parent when taken.
    QObject owner;
    auto *ownedElsewhere = new view::TextItem(QStringLiteral("owned"));
    ownedElsewhere->setParent(&owner);
    model->insertItem(0, ownedElsewhere);
    QCOMPARE(model->takeItem(0), ownedElsewhere);
    QCOMPARE(ownedElsewhere->parent(), &owner);

    // Destroying the model leaves the taken item alone.
    QPointer<view::ListItem> watched(taken.get());
    std::unique_ptr<view::ListItem> takenInserted(model->takeItem(0));
    QCOMPARE(takenInserted.get(), inserted);
    model.reset();
    QVERIFY(!watched.isNull());
    QCOMPARE(taken->data(34).toString(), QStringLiteral("changed"));
}

void TestListModel::takeItemOutOfRangeIsRefused()
{
    appendTexts({QStringLiteral("a")});
    QSignalSpy aboutToRemove(m_model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
    QCOMPARE(m_model->takeItem(-1), nullptr);
    QCOMPARE(m_model->takeItem(1), nullptr);
    QCOMPARE(aboutToRemove.count(), 0);
    QCOMPARE(m_model->rowCount(), 1);
}

void TestListModel::destructionDeletesEachItemOnce()
{
    int destroyedCount = 0;
    std::vector<QPointer<view::ListItem>> items;
    auto model = std::make_unique<view::ListModel>(view::TextItem::roleNames(), nullptr);
    for (int i = 0; i < 3; ++i) {
        auto *item = new view::TextItem(QString::number(i));
        connect(item, &QObject::destroyed, this, [&destroyedCount] { ++destroyedCount; });
        items.emplace_back(item);
        // The inserted row is not the model's child, so only the model's own delete frees it.
        if (i == 1)
            model->insertItem(1, item);
        else
            model->appendItem(item);
    }
    QSignalSpy aboutToRemove(model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
    model.reset();
    QCOMPARE(aboutToRemove.count(), 1);
    QCOMPARE(destroyedCount, 3);
    for (const auto &item : items)
        QVERIFY(item.isNull());
}

void TestListModel::roleNamesAreTheTableGiven()
{
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names, view::RowItem::roleNames());
    QCOMPARE(names.value(33), QByteArray("componentType"));
    QCOMPARE(names.value(47), QByteArray("opacity"));
    QVERIFY(!names.contains(40));
    QVERIFY(!names.contains(41));
}

void TestListModel::newApplIdAnnouncesItsRow()
{
    auto *toggle = new view::ToggleStandardItem(7, true);
    m_model->appendItem(new view::TextItem(QStringLiteral("text")));
    m_model->appendItem(toggle);
    QCOMPARE(m_model->getApplId(1), 7);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);

    // A view that shows the row reads its id again, although no role holds it.
    toggle->setApplId(11);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->indexOfRow(1));
    QCOMPARE(changed.at(0).at(2).value<QList<int>>(), QList<int>());
    QCOMPARE(m_model->getApplId(1), 11);

    // The same id again is no change.
    toggle->setApplId(11);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_model->data(m_model->indexOfRow(1), 64).isValid());
}

void TestListModel::layoutOrderFollowsRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("orders");
    QTest::newRow("one row") << 1 << QStringList{QStringLiteral("single")};
    QTest::newRow("two rows") << 2 << QStringList{QStringLiteral("top"), QStringLiteral("bottom")};
    QTest::newRow("four rows") << 4
                               << QStringList{QStringLiteral("top"), QStringLiteral("centre"),
                                              QStringLiteral("centre"), QStringLiteral("bottom")};
}

void TestListModel::layoutOrderFollowsRows()
{
    QFETCH(int, rows);
    QFETCH(QStringList, orders);
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    for (int i = 0; i < rows; ++i) {
        // Both row families take part.
        if (i % 2 == 0)
            model.appendItem(new view::RowItem(QString::number(i), i));
        else
            model.appendItem(new view::RowItem2(QString::number(i), i));
    }
    model.updateLayoutOrder();
    for (int i = 0; i < rows; ++i)
        QCOMPARE(layoutOrderOf(model.itemAt(i)), orders.at(i));
}

void TestListModel::layoutOrderCountsEveryKindOfRow()
{
    view::ListModel model(view::StepperControllerItem::roleNames(), nullptr);
    model.appendItem(new view::DividerItem(view::ComponentTypes::E_divider_large));
    model.appendItem(new view::RowItemIcon(1));
    model.appendItem(new view::ToggleStandardItem(2, false));
    model.updateLayoutOrder();
    QCOMPARE(layoutOrderOf(model.itemAt(1)), QStringLiteral("centre"));
    // Rows of other kinds are left alone.
    QVERIFY(!model.itemAt(0)->data(34).isValid());
    QCOMPARE(model.itemAt(2)->data(34).toString(), QString());
}

void TestListModel::layoutOrderSecondRunIsSilent()
{
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    for (int i = 0; i < 3; ++i)
        model.appendItem(new view::RowItem(QString::number(i), i));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.updateLayoutOrder();
    // Row 1 starts as "centre" already, so only the first and the last change.
    QCOMPARE(changed.count(), 2);
    model.updateLayoutOrder();
    QCOMPARE(changed.count(), 2);
}

void TestListModel::layoutOrderOfAVectorSetsOnlyRowItems()
{
    view::RowItem first(QStringLiteral("first"), 1);
    view::RowItem middle(QStringLiteral("middle"), 2);
    view::RowItem last(QStringLiteral("last"), 3);
    QSignalSpy middleChanged(&middle, &view::ListItem::dataChanged);
    view::updateLayoutOrder({&first, &middle, &last});
    QCOMPARE(layoutOrderOf(&first), QStringLiteral("top"));
    QCOMPARE(layoutOrderOf(&middle), QStringLiteral("centre"));
    QCOMPARE(layoutOrderOf(&last), QStringLiteral("bottom"));
    QCOMPARE(middleChanged.count(), 0);

    view::RowItem alone(2, 0, QStringLiteral("single"));
    view::updateLayoutOrder({&alone});
    QCOMPARE(layoutOrderOf(&alone), QStringLiteral("single"));
    view::updateLayoutOrder({});

    // A second-family row keeps its position, but still counts as a row of the vector.
    view::RowItemIcon icon(1);
    view::DividerItem divider(view::ComponentTypes::E_divider_small);
    view::RowItem bottom(QStringLiteral("bottom"), 2);
    QSignalSpy iconChanged(&icon, &view::ListItem::dataChanged);
    view::updateLayoutOrder({&icon, &divider, &bottom});
    QCOMPARE(layoutOrderOf(&icon), QStringLiteral("centre"));
    QCOMPARE(iconChanged.count(), 0);
    QCOMPARE(layoutOrderOf(&bottom), QStringLiteral("bottom"));

    view::RowItem2 lone(QStringLiteral("lone"), 4);
    view::updateLayoutOrder({&lone});
    QCOMPARE(layoutOrderOf(&lone), QStringLiteral("centre"));
}

void TestListModel::componentTypesFromInt_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("first key") << 0 << true;
    QTest::newRow("unused key") << 4 << true;
    QTest::newRow("last key") << 11 << true;
    QTest::newRow("one past the end") << 12 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestListModel::componentTypesFromInt()
{
    QFETCH(int, value);
    QFETCH(bool, accepted);
    view::ComponentTypes::QmlObjectType out = view::ComponentTypes::E_row;
    QCOMPARE(view::ComponentTypes::fromInt(value, out), accepted);
    QCOMPARE(int(out), accepted ? value : int(view::ComponentTypes::E_row));
}

void TestListModel::componentTypesText()
{
    QCOMPARE(view::ComponentTypes::toText(view::ComponentTypes::E_text_row),
             QStringLiteral("E_text_row"));
    QCOMPARE(view::ComponentTypes::toText(view::ComponentTypes::E_divider_large),
             QStringLiteral("E_divider_large"));
    QCOMPARE(view::ComponentTypes::toText(static_cast<view::ComponentTypes::QmlObjectType>(12)),
             QStringLiteral("undefined value:12"));
}

QTEST_GUILESS_MAIN(TestListModel)
#include "tst_list_model.moc"
