#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/display_types.h"
#include "signal_interface/error_log_types.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/haptic_feedback_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/keyboard_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/regulator_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/row_item_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/smart_start_types.h"
#include "signal_interface/tank_status_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/variant_types.h"
#include "signal_interface/version_types.h"

#include <QMetaEnum>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqml.h>

#include <memory>

using namespace signalInterface;

namespace {

// Names that string-based connections use, with the types they must resolve to.
QList<std::pair<QByteArray, QMetaType>> signalTypeNames()
{
    QList<std::pair<QByteArray, QMetaType>> names;
    auto add = [&names](const char *name, QMetaType type) {
        names.append({name, type});
    };
    add("::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost",
        QMetaType::fromType<AuxiliaryRelayTypes::AuxiliaryRelayPost>());
    add("::signalInterface::AuxiliaryRelayTypes::Descaling",
        QMetaType::fromType<AuxiliaryRelayTypes::Descaling>());
    add("::signalInterface::CalendarProgram", QMetaType::fromType<CalendarProgram>());
    add("::signalInterface::DateTimeTypes::SaunaDateTime",
        QMetaType::fromType<DateTimeTypes::SaunaDateTime>());
    add("::signalInterface::ErrorLogTypes::ErrorLogItem",
        QMetaType::fromType<ErrorLogTypes::ErrorLogItem>());
    add("::signalInterface::FavoritesTypes::FavoritesPost",
        QMetaType::fromType<FavoritesTypes::FavoritesPost>());
    add("::signalInterface::MasterFuncDescTypes::MasterFuncDescPost",
        QMetaType::fromType<MasterFuncDescTypes::MasterFuncDescPost>());
    add("::signalInterface::NodeInformationTypes::NodeInformationPost",
        QMetaType::fromType<NodeInformationTypes::NodeInformationPost>());
    add("::signalInterface::RelayStatusTypes::RelayStatusPost",
        QMetaType::fromType<RelayStatusTypes::RelayStatusPost>());
    add("::signalInterface::RelayStatusTypes::RelayStatus",
        QMetaType::fromType<RelayStatusTypes::RelayStatus>());
    add("::signalInterface::SmartStartTypes::SmartStartParameters",
        QMetaType::fromType<SmartStartTypes::SmartStartParameters>());
    add("::signalInterface::UserMessageTypes::UserMessage",
        QMetaType::fromType<UserMessageTypes::UserMessage>());
    add("::signalInterface::UserMessageTypes::UserMessageType",
        QMetaType::fromType<UserMessageTypes::UserMessageType>());
    add("::signalInterface::UserMessageTypes::UserMessageAnswer",
        QMetaType::fromType<UserMessageTypes::UserMessageAnswer>());
    add("::signalInterface::VersionTypes::Version", QMetaType::fromType<VersionTypes::Version>());
    add("::signalInterface::PinTypes::Pin", QMetaType::fromType<PinTypes::Pin>());
    add("::signalInterface::RemoteSaunaTypes::ExternalUnit",
        QMetaType::fromType<RemoteSaunaTypes::ExternalUnit>());
    add("::signalInterface::RemoteSaunaTypes::RemoteSauna",
        QMetaType::fromType<RemoteSaunaTypes::RemoteSauna>());
    add("::signalInterface::RemoteSaunaTypes::WiFiNetwork",
        QMetaType::fromType<RemoteSaunaTypes::WiFiNetwork>());
    add("::signalInterface::UserMessageAction*", QMetaType::fromType<UserMessageAction *>());
    add("::signalInterface::CalendarTypes::StartMode",
        QMetaType::fromType<CalendarTypes::StartMode>());
    add("::signalInterface::CalendarTypes::WeekDay", QMetaType::fromType<CalendarTypes::WeekDay>());
    add("::signalInterface::CalendarTypes::Month", QMetaType::fromType<CalendarTypes::Month>());
    add("::signalInterface::ConfigureTypes::ConfigureGeneral",
        QMetaType::fromType<ConfigureTypes::ConfigureGeneral>());
    add("::signalInterface::ConfigureTypes::SoftwareComponent",
        QMetaType::fromType<ConfigureTypes::SoftwareComponent>());
    add("::signalInterface::ConfigureTypes::LinuxComponent",
        QMetaType::fromType<ConfigureTypes::LinuxComponent>());
    add("::signalInterface::ConfigureTypes::ConfigureDateTime",
        QMetaType::fromType<ConfigureTypes::ConfigureDateTime>());
    add("::signalInterface::ConfigureTypes::ConfigureLimits",
        QMetaType::fromType<ConfigureTypes::ConfigureLimits>());
    add("::signalInterface::ConfigureTypes::ConfigureAdvancedSettings",
        QMetaType::fromType<ConfigureTypes::ConfigureAdvancedSettings>());
    add("::signalInterface::ConfigureTypes::ConfigureSystem",
        QMetaType::fromType<ConfigureTypes::ConfigureSystem>());
    add("::signalInterface::ConfigureTypes::ConfigureSystemAux",
        QMetaType::fromType<ConfigureTypes::ConfigureSystemAux>());
    add("::signalInterface::ConfigureTypes::ConfigureSystemWiFiNetwork",
        QMetaType::fromType<ConfigureTypes::ConfigureSystemWiFiNetwork>());
    add("::signalInterface::DataProviderTypes::StepperControlChange",
        QMetaType::fromType<DataProviderTypes::StepperControlChange>());
    add("::signalInterface::DateTimeTypes::TimeFormat",
        QMetaType::fromType<DateTimeTypes::TimeFormat>());
    add("::signalInterface::DateTimeTypes::DateFormat",
        QMetaType::fromType<DateTimeTypes::DateFormat>());
    add("::signalInterface::HumidityTypes::HumidityUnit",
        QMetaType::fromType<HumidityTypes::HumidityUnit>());
    add("::signalInterface::HumidityTypes::HumidityPresentation",
        QMetaType::fromType<HumidityTypes::HumidityPresentation>());
    add("::signalInterface::KeyboardTypes::KeyType", QMetaType::fromType<KeyboardTypes::KeyType>());
    add("::signalInterface::LanguageTypes::Language",
        QMetaType::fromType<LanguageTypes::Language>());
    add("::signalInterface::RowItemTypes::BackgroundPressedMode",
        QMetaType::fromType<RowItemTypes::BackgroundPressedMode>());
    add("::signalInterface::SaunaStateTypes::SaunaState",
        QMetaType::fromType<SaunaStateTypes::SaunaState>());
    add("::signalInterface::SaunaStateTypes::BathPriority",
        QMetaType::fromType<SaunaStateTypes::BathPriority>());
    add("::signalInterface::SaunaStateTypes::FacilityType",
        QMetaType::fromType<SaunaStateTypes::FacilityType>());
    add("::signalInterface::TankStatusTypes::TankWaterLevel",
        QMetaType::fromType<TankStatusTypes::TankWaterLevel>());
    add("::signalInterface::TemperatureTypes::TemperatureUnit",
        QMetaType::fromType<TemperatureTypes::TemperatureUnit>());
    add("::signalInterface::TemperatureTypes::TemperaturePresentation",
        QMetaType::fromType<TemperatureTypes::TemperaturePresentation>());
    add("::signalInterface::TimeEditTypes::Direction",
        QMetaType::fromType<TimeEditTypes::Direction>());
    add("::signalInterface::TimeEditTypes::TimeComponent",
        QMetaType::fromType<TimeEditTypes::TimeComponent>());
    add("::signalInterface::TimeEditTypes::StepperComponent",
        QMetaType::fromType<TimeEditTypes::StepperComponent>());
    add("::signalInterface::VariantTypes::ProductType",
        QMetaType::fromType<VariantTypes::ProductType>());
    add("::signalInterface::VariantTypes::Brand", QMetaType::fromType<VariantTypes::Brand>());
    add("::signalInterface::MasterFuncDescTypes::SystemMode",
        QMetaType::fromType<MasterFuncDescTypes::SystemMode>());
    add("::signalInterface::MasterFuncDescTypes::RcbProduct",
        QMetaType::fromType<MasterFuncDescTypes::RcbProduct>());
    add("::signalInterface::RegionTypes::RegionType",
        QMetaType::fromType<RegionTypes::RegionType>());
    add("::signalInterface::AuxiliaryRelayTypes::TimeScaling",
        QMetaType::fromType<AuxiliaryRelayTypes::TimeScaling>());
    add("::signalInterface::AuxiliaryRelayTypes::Function",
        QMetaType::fromType<AuxiliaryRelayTypes::Function>());
    add("::signalInterface::AuxiliaryRelayTypes::FragranceSetting",
        QMetaType::fromType<AuxiliaryRelayTypes::FragranceSetting>());
    add("::signalInterface::AuxiliaryRelayTypes::DescalingSetting",
        QMetaType::fromType<AuxiliaryRelayTypes::DescalingSetting>());
    add("::signalInterface::PinTypes::PinViewTypes", QMetaType::fromType<PinTypes::PinViewTypes>());
    add("::signalInterface::NodeInformationTypes::NodeProfileMode",
        QMetaType::fromType<NodeInformationTypes::NodeProfileMode>());
    add("::signalInterface::NodeInformationTypes::RcbMasterSlaveMode",
        QMetaType::fromType<NodeInformationTypes::RcbMasterSlaveMode>());
    add("::signalInterface::HapticFeedbackTypes::HapticFeedback",
        QMetaType::fromType<HapticFeedbackTypes::HapticFeedback>());
    add("::signalInterface::RelayStatusTypes::RelayType",
        QMetaType::fromType<RelayStatusTypes::RelayType>());
    add("::signalInterface::RegulatorTypes::RegulatorFunction",
        QMetaType::fromType<RegulatorTypes::RegulatorFunction>());
    add("::signalInterface::DisplayTypes::DisplaySleepTimeout",
        QMetaType::fromType<DisplayTypes::DisplaySleepTimeout>());
    add("::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction",
        QMetaType::fromType<ExternalSwitchTypes::ExternalSwitchFunction>());
    return names;
}

// The holders that screens read, as the QML module publishes them.
const QMetaObject *const qmlHolders[] = {
    &CalendarTypes::staticMetaObject,     &ConfigureTypes::staticMetaObject,
    &DataProviderTypes::staticMetaObject, &DateTimeTypes::staticMetaObject,
    &HumidityTypes::staticMetaObject,     &KeyboardTypes::staticMetaObject,
    &LanguageTypes::staticMetaObject,     &RowItemTypes::staticMetaObject,
    &SaunaStateTypes::staticMetaObject,   &TankStatusTypes::staticMetaObject,
    &TemperatureTypes::staticMetaObject,  &TimeEditTypes::staticMetaObject,
    &VariantTypes::staticMetaObject,      &MasterFuncDescTypes::staticMetaObject,
    &RegionTypes::staticMetaObject,
};

// Sends and receives a sauna state through signatures that name the type with a leading "::".
class StatePort : public QObject
{
    Q_OBJECT

public:
    QList<SaunaStateTypes::SaunaState> m_received;
    QList<UserMessageTypes::UserMessage> m_messages;
    QList<UserMessageAction *> m_actions;

signals:
    void saunaStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

public slots:
    void onSaunaStateChanged(::signalInterface::SaunaStateTypes::SaunaState state)
    {
        m_received.append(state);
    }
    void onPanelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                  ::signalInterface::UserMessageAction *action)
    {
        m_messages.append(message);
        m_actions.append(action);
    }
};

// Does nothing with the answer; only its address travels.
class SilentAction : public UserMessageAction
{
public:
    void execute(const UserMessageTypes::UserMessageAnswer &) override {}
};

} // namespace

// Registration of the signal types and of the QML enum holders.
class TestTypeRegistration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!QMetaType::fromName("::signalInterface::CalendarProgram").isValid());
        registerMetaTypes();
        registerQmlTypes();
        // A second call finds everything in place and changes nothing.
        registerMetaTypes();
    }

    void metaTypeNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QMetaType>("type");
        for (const auto &[name, type] : signalTypeNames())
            QTest::newRow(name.constData()) << name << type;
    }

    void metaTypeNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QMetaType, type);
        const QMetaType found = QMetaType::fromName(name);
        QVERIFY2(found.isValid(), name.constData());
        QCOMPARE(found.id(), type.id());
        // A value built from the name alone is the type's default value.
        const QVariant built(found);
        QVERIFY(built.isValid());
        QCOMPARE(built.metaType().id(), type.id());
    }

    void tableTypesAreRegistered_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("week day") << QByteArray("::signalInterface::CalendarTypes::WeekDay");
        QTest::newRow("time format") << QByteArray("::signalInterface::DateTimeTypes::TimeFormat");
        QTest::newRow("relay status")
            << QByteArray("::signalInterface::RelayStatusTypes::RelayStatus");
        QTest::newRow("version") << QByteArray("::signalInterface::VersionTypes::Version");
        QTest::newRow("direction") << QByteArray("::signalInterface::TimeEditTypes::Direction");
        QTest::newRow("remote sauna")
            << QByteArray("::signalInterface::RemoteSaunaTypes::RemoteSauna");
        QTest::newRow("user message action") << QByteArray("::signalInterface::UserMessageAction*");
    }

    void tableTypesAreRegistered()
    {
        QFETCH(QByteArray, name);
        QVERIFY2(QMetaType::fromName(name).isValid(), name.constData());
    }

    void queuedStringConnection()
    {
        StatePort port;
        QVERIFY(QObject::connect(
            &port, SIGNAL(saunaStateChanged(::signalInterface::SaunaStateTypes::SaunaState)), &port,
            SLOT(onSaunaStateChanged(::signalInterface::SaunaStateTypes::SaunaState)),
            Qt::QueuedConnection));
        emit port.saunaStateChanged(SaunaStateTypes::E_sauna_descaling);
        QVERIFY(port.m_received.isEmpty());
        QTRY_COMPARE(port.m_received,
                     (QList<SaunaStateTypes::SaunaState>{SaunaStateTypes::E_sauna_descaling}));
    }

    void queuedUserMessageWithAction()
    {
        StatePort port;
        QVERIFY(QObject::connect(
            &port,
            SIGNAL(panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                          ::signalInterface::UserMessageAction *)),
            &port,
            SLOT(onPanelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                          ::signalInterface::UserMessageAction *)),
            Qt::QueuedConnection));
        SilentAction action;
        UserMessageTypes::UserMessage message(0x2005);
        message.arguments << QStringLiteral("kitchen");
        emit port.panelUserMessageIssued(message, &action);
        emit port.panelUserMessageIssued(UserMessageTypes::UserMessage(), nullptr);
        QTRY_COMPARE(port.m_messages.size(), 2);
        QCOMPARE(port.m_messages.at(0), message);
        QCOMPARE(port.m_actions.at(0), static_cast<UserMessageAction *>(&action));
        QCOMPARE(port.m_messages.at(1).id, 0u);
        QCOMPARE(port.m_actions.at(1), nullptr);
    }

    void qmlReadsEveryKey_data()
    {
        QTest::addColumn<QByteArray>("expression");
        QTest::addColumn<int>("value");
        for (const QMetaObject *holder : qmlHolders) {
            const QByteArray className =
                QByteArray(holder->className()).mid(int(qstrlen("signalInterface::")));
            for (int e = holder->enumeratorOffset(); e < holder->enumeratorCount(); ++e) {
                const QMetaEnum metaEnum = holder->enumerator(e);
                for (int k = 0; k < metaEnum.keyCount(); ++k) {
                    const QByteArray expression = className + '.' + metaEnum.key(k);
                    QTest::newRow(expression.constData()) << expression << metaEnum.value(k);
                }
            }
        }
    }

    void qmlReadsEveryKey()
    {
        QFETCH(QByteArray, expression);
        QFETCH(int, value);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import SignalInterfaceLib 1.0\n"
                          "RegionTypes { property int value: " +
                              expression + "; }\n",
                          QUrl());
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        const std::unique_ptr<QObject> object(component.create());
        QVERIFY(object);
        QCOMPARE(object->property("value").toInt(), value);
    }

    void qmlCreatesHolders()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import SignalInterfaceLib 1.0\nSaunaStateTypes {}\n", QUrl());
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        const std::unique_ptr<QObject> object(component.create());
        QVERIFY(qobject_cast<SaunaStateTypes *>(object.get()));
    }

    void nativeHoldersStayOutOfQml_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("AuxiliaryRelayTypes") << QByteArray("AuxiliaryRelayTypes");
        QTest::newRow("PinTypes") << QByteArray("PinTypes");
        QTest::newRow("NodeInformationTypes") << QByteArray("NodeInformationTypes");
        QTest::newRow("HapticFeedbackTypes") << QByteArray("HapticFeedbackTypes");
        QTest::newRow("RelayStatusTypes") << QByteArray("RelayStatusTypes");
        QTest::newRow("RegulatorTypes") << QByteArray("RegulatorTypes");
        QTest::newRow("DisplayTypes") << QByteArray("DisplayTypes");
        QTest::newRow("ExternalSwitchTypes") << QByteArray("ExternalSwitchTypes");
    }

    void nativeHoldersStayOutOfQml()
    {
        QFETCH(QByteArray, name);
        QCOMPARE(qmlTypeId(signalInterfaceQmlUri(), 1, 0, name.constData()), -1);
    }

    void qmlModuleName()
    {
        QCOMPARE(QByteArray(signalInterfaceQmlUri()), QByteArray("SignalInterfaceLib"));
        for (const QMetaObject *holder : qmlHolders) {
            const QByteArray className =
                QByteArray(holder->className()).mid(int(qstrlen("signalInterface::")));
            QVERIFY2(qmlTypeId("SignalInterfaceLib", 1, 0, className.constData()) >= 0,
                     className.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestTypeRegistration)
#include "tst_type_registration.moc"
