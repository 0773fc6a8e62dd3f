#include "model_reader.h"

#include "signal_interface/language_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_menu_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_base.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

using signalInterface::UserMessageAction;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

// A manager of the smallest kind: it opens the base's helpers to the test.
class ProbeViewManager : public view::ConfigureViewManagerBase
{
    Q_OBJECT

public:
    ProbeViewManager()
        : ConfigureViewManagerBase(nullptr)
    {}

    using ConfigureViewManagerBase::askQuestion;
    using ConfigureViewManagerBase::issueNotice;
};

// A manager with texts of its own: it retranslates on a language change.
class RetranslatingViewManager : public view::ConfigureViewManagerBase
{
    Q_OBJECT

public:
    RetranslatingViewManager()
        : ConfigureViewManagerBase(nullptr)
    {}

    QList<signalInterface::LanguageTypes::Language> heard;

public slots:
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language)
    {
        heard.append(language);
    }
};

// The language controller's and the bridge receiver's side, as far as the managers listen.
class Announcer : public QObject
{
    Q_OBJECT

public:
    int listeners() const
    {
        return receivers(SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)));
    }

signals:
    void languageChanged(::signalInterface::LanguageTypes::Language language);
};

class NoAction : public UserMessageAction
{
public:
    void execute(const signalInterface::UserMessageTypes::UserMessageAnswer &) override {}
};

} // namespace

class TestConfigureFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void noticeAndQuestionFields();
    void languageReachesOnlyAManagerWithTexts();
    void aManagerWithoutReportsConnectsNoSaunaSignal();

    void menuBuildsRowsWithLayoutOrder_data();
    void menuBuildsRowsWithLayoutOrder();
    void menuSelectionRunsTheActionOfKnownIdsOnly();
    void menuRetranslationAnnouncesOnlyChangedTexts();
    void menuRebuildDeletesOldRows();

    void choiceMarkFollowsTheReportOnly();
    void choiceReportOfSameValueAnnouncesNothing();
    void choiceHidingDeletesRowsAndLaterReportsAreSafe();
    void choiceListOfOneRowIsSingle();
};

void TestConfigureFrame::initTestCase()
{
    signalInterface::registerMetaTypes();
}

void TestConfigureFrame::noticeAndQuestionFields()
{
    ProbeViewManager manager;
    QSignalSpy spy(&manager, &ProbeViewManager::panelUserMessageIssued);
    manager.issueNotice(0x2001, {QStringLiteral("a")});
    NoAction action;
    manager.askQuestion(0x2025, &action);
    QCOMPARE(spy.size(), 2);

    const auto notice = spy.at(0).at(0).value<UserMessage>();
    UserMessage expected(0x2001);
    expected.type = signalInterface::UserMessageTypes::E_typeOneButton;
    expected.arguments = {QStringLiteral("a")};
    QCOMPARE(notice, expected);
    QCOMPARE(spy.at(0).at(1).value<UserMessageAction *>(), nullptr);

    const auto question = spy.at(1).at(0).value<UserMessage>();
    QCOMPARE(question.id, 0x2025u);
    QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
    QCOMPARE(question.answer, signalInterface::UserMessageTypes::E_answerNone);
    QCOMPARE(question.timeout, 0u);
    QCOMPARE(spy.at(1).at(1).value<UserMessageAction *>(), &action);
}

void TestConfigureFrame::languageReachesOnlyAManagerWithTexts()
{
    Announcer language;
    RetranslatingViewManager withTexts;
    ProbeViewManager withoutTexts;
    QCOMPARE(withTexts.connectLanguageSignals({&language}), 0);
    QCOMPARE(withoutTexts.connectLanguageSignals({&language}), 0);
    QCOMPARE(language.listeners(), 1);
    emit language.languageChanged(signalInterface::LanguageTypes::E_german);
    QCOMPARE(withTexts.heard, QList({signalInterface::LanguageTypes::E_german}));

    // A sender without the signal is a failed connection.
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.core.qobject.connect=false\npanel.shared=false"));
    QObject stranger;
    QCOMPARE(withTexts.connectLanguageSignals({&stranger}), 1);
    QCOMPARE(withoutTexts.connectLanguageSignals({&stranger}), 0);
}

void TestConfigureFrame::aManagerWithoutReportsConnectsNoSaunaSignal()
{
    QObject stranger;
    ProbeViewManager manager;
    QCOMPARE(manager.connectSaunaSignals({&stranger}), 0);
}

void TestConfigureFrame::menuBuildsRowsWithLayoutOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("orders");
    QTest::newRow("one row") << 1 << QStringList{"single"};
    QTest::newRow("two rows") << 2 << QStringList{"top", "bottom"};
    QTest::newRow("four rows") << 4 << QStringList{"top", "centre", "centre", "bottom"};
}

void TestConfigureFrame::menuBuildsRowsWithLayoutOrder()
{
    QFETCH(int, count);
    QFETCH(QStringList, orders);
    view::ListModel model(view::RowItemBase::roleNames(), nullptr);
    QAbstractItemModelTester tester(&model);
    view::ConfigureMenuList menu(model, [](int id) { return id >= 0 && id < 10; });
    std::vector<view::ConfigureMenuList::Entry> entries;
    for (int id = 0; id < count; ++id)
        entries.push_back({id * 2, [id] { return QStringLiteral("Row %1").arg(id); }, {}});
    menu.rebuild(std::move(entries));

    QCOMPARE(modelReader::texts(model, "layoutOrder"), orders);
    QCOMPARE(modelReader::texts(model, "layoutType").size(), count);
    for (int row = 0; row < count; ++row) {
        QCOMPARE(model.getApplId(row), row * 2);
        QCOMPARE(modelReader::value(model, row, "textOnSubMenu").toString(),
                 QStringLiteral("Row %1").arg(row));
        QCOMPARE(modelReader::value(model, row, "truncateText").toBool(), false);
        QCOMPARE(modelReader::value(model, row, "layoutType").toString(),
                 QStringLiteral("multiple"));
        QCOMPARE(modelReader::value(model, row, "typeOfItem").toString(),
                 QStringLiteral("only_submenu"));
    }
}

void TestConfigureFrame::menuSelectionRunsTheActionOfKnownIdsOnly()
{
    view::ListModel model(view::RowItemBase::roleNames(), nullptr);
    view::ConfigureMenuList menu(model, [](int id) { return id >= 0 && id <= 22; });
    QList<int> ran;
    menu.rebuild({{2, [] { return QStringLiteral("Network"); },
                   [&ran] {
                       ran << 2;
                   }},
                  {10, [] { return QStringLiteral("Filter"); },
                   [&ran] {
                       ran << 10;
                   }}});
    QVERIFY(menu.select(10));
    QVERIFY(!menu.select(9));  // a valid id the menu does not have
    QVERIFY(!menu.select(23)); // outside the enum
    QVERIFY(!menu.select(-1));
    QVERIFY(menu.select(2));
    QCOMPARE(ran, (QList<int>{10, 2}));
}

void TestConfigureFrame::menuRetranslationAnnouncesOnlyChangedTexts()
{
    view::ListModel model(view::RowItemBase::roleNames(), nullptr);
    view::ConfigureMenuList menu(model, {});
    QString second = QStringLiteral("Filter");
    menu.rebuild({{2, [] { return QStringLiteral("Network"); }, {}},
                  {10, [&second] { return second; }, {}}});
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    menu.retranslate();
    QCOMPARE(changes.size(), 0);
    second = QStringLiteral("Suodatin");
    menu.retranslate();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex().row(), 1);
    QCOMPARE(modelReader::value(model, 1, "textOnSubMenu").toString(), second);
}

void TestConfigureFrame::menuRebuildDeletesOldRows()
{
    view::ListModel model(view::RowItemBase::roleNames(), nullptr);
    view::ConfigureMenuList menu(model, {});
    menu.rebuild({{2, [] { return QStringLiteral("Network"); }, {}}});
    QPointer<view::RowItem2> old = menu.entries().front().row;
    QVERIFY(old);
    menu.rebuild({{3, [] { return QStringLiteral("Cleanup note"); }, {}}});
    QVERIFY(old.isNull());
    QCOMPARE(modelReader::applIds(model), QList<int>{3});
    menu.retranslate();
}

namespace {
std::vector<view::ConfigureChoiceList::Choice> unitChoices()
{
    return {{0,
             [] {
                 return QStringLiteral("Celsius");
             }},
            {1, [] {
                 return QStringLiteral("Fahrenheit");
             }}};
}
} // namespace

void TestConfigureFrame::choiceMarkFollowsTheReportOnly()
{
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    QAbstractItemModelTester tester(&model);
    view::ConfigureChoiceList choices(model, unitChoices());
    choices.build(0);
    QCOMPARE(modelReader::applIds(model), (QList<int>{0, 1}));
    QCOMPARE(modelReader::texts(model, "textOnSubMenu"), (QStringList{"Celsius", "Fahrenheit"}));
    QCOMPARE(modelReader::texts(model, "typeOfItem"),
             (QStringList{"only_checkmark", "only_checkmark"}));
    QCOMPARE(modelReader::texts(model, "layoutOrder"), (QStringList{"top", "bottom"}));
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{true, false}));
    QVERIFY(choices.contains(1));
    QVERIFY(!choices.contains(2));

    choices.refresh(1);
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, true}));
    choices.refresh(std::nullopt);
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, false}));
}

void TestConfigureFrame::choiceReportOfSameValueAnnouncesNothing()
{
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    view::ConfigureChoiceList choices(model, unitChoices());
    choices.build(1);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    choices.refresh(1);
    QCOMPARE(changes.size(), 0);
}

void TestConfigureFrame::choiceHidingDeletesRowsAndLaterReportsAreSafe()
{
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    view::ConfigureChoiceList choices(model, unitChoices());
    choices.build(0);
    QVERIFY(choices.isBuilt());
    choices.clear();
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!choices.isBuilt());
    choices.refresh(1);
    QCOMPARE(model.rowCount(), 0);
    choices.build(1);
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, true}));
}

void TestConfigureFrame::choiceListOfOneRowIsSingle()
{
    view::ListModel model(view::RowItem::roleNames(), nullptr);
    view::ConfigureChoiceList choices(model, {{5, [] {
                                                   return QStringLiteral("Only");
                                               }}});
    choices.build(std::nullopt);
    QCOMPARE(modelReader::texts(model, "layoutOrder"), QStringList{"single"});
}

QTEST_GUILESS_MAIN(TestConfigureFrame)
#include "tst_configure_frame.moc"
