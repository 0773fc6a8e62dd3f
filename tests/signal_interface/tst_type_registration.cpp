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

// The records that signals carry, by the names that string-based connections use.
QList<std::pair<QByteArray, QMetaType>> recordTypeNames()
{
    QList<std::pair<QByteArray, QMetaType>> names;
    auto add = [&names](const char *name, QMetaType type) {
        names.append({QByteArray("::signalInterface::") + name, type});
    };
    add("AuxiliaryRelayTypes::AuxiliaryRelayPost",
        QMetaType::fromType<AuxiliaryRelayTypes::AuxiliaryRelayPost>());
    add("AuxiliaryRelayTypes::Descaling", QMetaType::fromType<AuxiliaryRelayTypes::Descaling>());
    add("CalendarProgram", QMetaType::fromType<CalendarProgram>());
    add("DateTimeTypes::SaunaDateTime", QMetaType::fromType<DateTimeTypes::SaunaDateTime>());
    add("ErrorLogTypes::ErrorLogItem", QMetaType::fromType<ErrorLogTypes::ErrorLogItem>());
    add("FavoritesTypes::FavoritesPost", QMetaType::fromType<FavoritesTypes::FavoritesPost>());
    add("MasterFuncDescTypes::MasterFuncDescPost",
        QMetaType::fromType<MasterFuncDescTypes::MasterFuncDescPost>());
    add("NodeInformationTypes::NodeInformationPost",
        QMetaType::fromType<NodeInformationTypes::NodeInformationPost>());
    add("RelayStatusTypes::RelayStatusPost",
        QMetaType::fromType<RelayStatusTypes::RelayStatusPost>());
    add("RelayStatusTypes::RelayStatus", QMetaType::fromType<RelayStatusTypes::RelayStatus>());
    add("SmartStartTypes::SmartStartParameters",
        QMetaType::fromType<SmartStartTypes::SmartStartParameters>());
    add("UserMessageTypes::UserMessage", QMetaType::fromType<UserMessageTypes::UserMessage>());
    add("UserMessageTypes::UserMessageType",
        QMetaType::fromType<UserMessageTypes::UserMessageType>());
    add("UserMessageTypes::UserMessageAnswer",
        QMetaType::fromType<UserMessageTypes::UserMessageAnswer>());
    add("VersionTypes::Version", QMetaType::fromType<VersionTypes::Version>());
    add("PinTypes::Pin", QMetaType::fromType<PinTypes::Pin>());
    add("RemoteSaunaTypes::ExternalUnit", QMetaType::fromType<RemoteSaunaTypes::ExternalUnit>());
    add("RemoteSaunaTypes::RemoteSauna", QMetaType::fromType<RemoteSaunaTypes::RemoteSauna>());
    add("RemoteSaunaTypes::WiFiNetwork", QMetaType::fromType<RemoteSaunaTypes::WiFiNetwork>());
    add("UserMessageAction*", QMetaType::fromType<UserMessageAction *>());
    return names;
}

// Every enum holder; each of their enums travels in signals under its qualified name.
const QMetaObject *const enumHolders[] = {
    &AuxiliaryRelayTypes::staticMetaObject,  &CalendarTypes::staticMetaObject,
    &ConfigureTypes::staticMetaObject,       &DataProviderTypes::staticMetaObject,
    &DateTimeTypes::staticMetaObject,        &DisplayTypes::staticMetaObject,
    &ExternalSwitchTypes::staticMetaObject,  &HapticFeedbackTypes::staticMetaObject,
    &HumidityTypes::staticMetaObject,        &KeyboardTypes::staticMetaObject,
    &LanguageTypes::staticMetaObject,        &MasterFuncDescTypes::staticMetaObject,
    &NodeInformationTypes::staticMetaObject, &PinTypes::staticMetaObject,
    &RegionTypes::staticMetaObject,          &RegulatorTypes::staticMetaObject,
    &RelayStatusTypes::staticMetaObject,     &RowItemTypes::staticMetaObject,
    &SaunaStateTypes::staticMetaObject,      &TankStatusTypes::staticMetaObject,
    &TemperatureTypes::staticMetaObject,     &TimeEditTypes::staticMetaObject,
    &VariantTypes::staticMetaObject,
};

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
        QTest::addColumn<int>("typeId");
        QTest::addColumn<const QMetaObject *>("holder");
        for (const auto &[name, type] : recordTypeNames())
            QTest::newRow(name.constData()) << name << type.id() << (const QMetaObject *)nullptr;
        for (const QMetaObject *holder : enumHolders) {
            for (int e = holder->enumeratorOffset(); e < holder->enumeratorCount(); ++e) {
                const QMetaEnum metaEnum = holder->enumerator(e);
                const QByteArray name =
                    QByteArray("::") + holder->className() + "::" + metaEnum.enumName();
                QTest::newRow(name.constData()) << name << 0 << holder;
            }
        }
    }

    void metaTypeNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, typeId);
        QFETCH(const QMetaObject *, holder);
        const QMetaType found = QMetaType::fromName(name);
        QVERIFY2(found.isValid(), name.constData());
        if (holder) {
            // An enum: the registered type is that enum of its holder.
            QVERIFY(found.flags().testFlag(QMetaType::IsEnumeration));
            QCOMPARE(found.metaObject(), holder);
            typeId = found.id();
        }
        QCOMPARE(found.id(), typeId);
        // A value built from the name alone is the type's default value.
        const QVariant built(found);
        QVERIFY(built.isValid());
        QCOMPARE(built.metaType().id(), typeId);
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
