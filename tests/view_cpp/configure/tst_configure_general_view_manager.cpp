#include "../test_translator.h"
#include "model_reader.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_general_view_manager.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using signalInterface::ConfigureTypes;
using view::ConfigureGeneralViewManager;

// The General menu: its fixed rows, which ids a tap may answer with, and the retranslation.
class TestConfigureGeneralViewManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void rowsInOrderWithLayoutPositions()
    {
        ConfigureGeneralViewManager manager(nullptr);
        QAbstractItemModelTester tester(manager.model());
        QCOMPARE(modelReader::texts(*manager.model(), "textOnSubMenu"),
                 QStringList({"About", "Language", "Region", "Units", "PIN"}));
        QCOMPARE(
            modelReader::applIds(*manager.model()),
            QList<int>({ConfigureTypes::E_about, ConfigureTypes::E_language,
                        ConfigureTypes::E_region, ConfigureTypes::E_units, ConfigureTypes::E_pin}));
        QCOMPARE(modelReader::texts(*manager.model(), "layoutOrder"),
                 QStringList({"top", "centre", "centre", "centre", "bottom"}));
        QCOMPARE(modelReader::column(*manager.model(), "truncateText"),
                 QVariantList({false, false, false, false, false}));
    }

    void selectionAnswersOnlyTheMenusIds_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("answered");
        QTest::newRow("about") << 0 << true;
        QTest::newRow("language") << 1 << true;
        QTest::newRow("region") << 2 << true;
        QTest::newRow("units") << 3 << true;
        QTest::newRow("display, no row") << 4 << false;
        QTest::newRow("pin") << 5 << true;
        QTest::newRow("licence, About's own") << 6 << false;
        QTest::newRow("identify boards, About's own") << 7 << false;
        QTest::newRow("component info, About's own") << 8 << false;
        QTest::newRow("above the enum") << 9 << false;
        QTest::newRow("negative") << -1 << false;
    }

    void selectionAnswersOnlyTheMenusIds()
    {
        QFETCH(int, id);
        QFETCH(bool, answered);
        ConfigureGeneralViewManager manager(nullptr);
        QSignalSpy selected(&manager, &ConfigureGeneralViewManager::editSelected);
        manager.onItemSelected(id);
        QCOMPARE(selected.count(), answered ? 1 : 0);
        if (answered)
            QCOMPARE(selected.first().first().toInt(), id);
    }

    void languageChangeRetranslatesInPlace()
    {
        ConfigureGeneralViewManager manager(nullptr);
        TestTranslator translator;
        translator.add(QStringLiteral("view::ConfigureGeneralViewManager"), QStringLiteral("PIN"),
                       QStringLiteral("PIN-koodi"));
        QCoreApplication::installTranslator(&translator);
        QSignalSpy reset(manager.model(), &QAbstractItemModel::modelReset);
        QSignalSpy changed(manager.model(), &QAbstractItemModel::dataChanged);
        manager.onLanguageChanged(signalInterface::LanguageTypes::E_finnish);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(modelReader::texts(*manager.model(), "textOnSubMenu").last(),
                 QStringLiteral("PIN-koodi"));
    }

    void connectsToTheMenuItem()
    {
        ConfigureGeneralViewManager manager(nullptr);
        QObject withoutSignal;
        QCOMPARE(manager.connectToView({&withoutSignal}), 1);
        QCOMPARE(manager.connectLanguageSignals({&withoutSignal}), 1);
    }
};

QTEST_MAIN(TestConfigureGeneralViewManager)
#include "tst_configure_general_view_manager.moc"
