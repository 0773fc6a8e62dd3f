#include "qml/scene_stand_ins.h"
#include "qml/scene_test_support.h"

#include "signal_interface/type_registration.h"
#include "value/duration_manager_most_significant_component_minute.h"
#include "value/temperature_value_manager.h"
#include "value/time_value_manager.h"

#include <QDateTime>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <memory>

using sceneTest::findInItemTree;
using sceneTest::previousHandler;
using sceneTest::recordedWarnings;
using sceneTest::recordMessage;

// The shared editor pages of the settings, loaded alone with the program's value managers behind
// their steppers and a connected sauna: Save is offered only while the edited value is there to
// be sent.
class TestEditorSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void limitEditorSavesOnlyWithTheShownValues();
    void durationEditorSavesOnlyWithAValue();

private:
    // Shows the QML text as if it were a file of the directory (below the view's directory), so
    // that its relative imports find the pages and components.
    QQuickItem *show(const QString &directory, const QByteArray &qml);
    QQuickItem *saveButton(const char *objectName) const;

    std::unique_ptr<QQuickView> m_view;
    WiFiSymbolControllerStandIn m_wifi;
    value::TimeValueManager m_time;
    value::TemperatureValueManager m_temperature;
    value::TemperatureValueManager m_hiddenTemperature;
    value::DurationManagerMostSignificantComponentMinute m_duration{nullptr};
};

void TestEditorSave::initTestCase()
{
    previousHandler = qInstallMessageHandler(recordMessage);
    signalInterface::registerQmlTypes();
    m_wifi.setConnected(true);
}

void TestEditorSave::init()
{
    recordedWarnings.clear();
    m_view = std::make_unique<QQuickView>();
    m_view->resize(340, 600);
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("wifi_symbol_controller"), &m_wifi);
    context->setContextProperty(QStringLiteral("timeManager"), &m_time);
    context->setContextProperty(QStringLiteral("temperatureManager"), &m_temperature);
    context->setContextProperty(QStringLiteral("hiddenTemperatureManager"), &m_hiddenTemperature);
    context->setContextProperty(QStringLiteral("durationManager"), &m_duration);
}

void TestEditorSave::cleanup()
{
    m_view.reset();
    QVERIFY2(recordedWarnings.isEmpty(), qPrintable(recordedWarnings.join('\n')));
}

QQuickItem *TestEditorSave::show(const QString &directory, const QByteArray &qml)
{
    auto *component = new QQmlComponent(m_view->engine(), m_view.get());
    component->setData(qml, QUrl::fromLocalFile(QStringLiteral(PANEL_QML_VIEW_DIR "/") + directory +
                                                QStringLiteral("/EditorUnderTest.qml")));
    if (!component->isReady()) {
        qWarning() << component->errors();
        return nullptr;
    }
    auto *root = qobject_cast<QQuickItem *>(component->create(m_view->rootContext()));
    if (!root)
        return nullptr;
    root->setParent(m_view.get());
    root->setParentItem(m_view->contentItem());
    m_view->show();
    return root;
}

QQuickItem *TestEditorSave::saveButton(const char *objectName) const
{
    return findInItemTree(m_view->contentItem(), QString::fromLatin1(objectName));
}

// A Limits editor with a time, a temperature and a hidden temperature: Save waits for the two
// shown values, follows them when one is dropped again, and ignores the hidden editor.
void TestEditorSave::limitEditorSavesOnlyWithTheShownValues()
{
    QVERIFY(show(QStringLiteral("settings/limits"), R"(
        import QtQuick
        import QtQuick.Controls
        import "../../components"
        StackView {
            width: 340
            height: 600
            initialItem: LimitEditorPage {
                title: "Limit"
                TimeStepper { width: parent.width; manager: timeManager }
                TemperatureStepper { width: parent.width; manager: temperatureManager }
                TemperatureStepper {
                    width: parent.width
                    visible: false
                    manager: hiddenTemperatureManager
                }
            }
        })"));
    QQuickItem *save = saveButton("limitsSaveButton");
    QVERIFY(save);
    QVERIFY(save->isVisible());
    QVERIFY(!m_hiddenTemperature.value());

    QVERIFY(!save->isEnabled());
    m_time.setValue(QDateTime(QDate(2024, 3, 1), QTime(21, 30)));
    QVERIFY(!save->isEnabled());
    m_temperature.setValue(720);
    QVERIFY(save->isEnabled());

    m_time.clearValue();
    QVERIFY(!save->isEnabled());
    // Without a time each field reads "--", the half of the day's too.
    const auto fieldText = [this](const char *field) {
        QQuickItem *text = findInItemTree(m_view->contentItem(), QString::fromLatin1(field));
        return text ? text->property("text").toString() : QStringLiteral("no field");
    };
    m_time.onTimeFormatChanged(signalInterface::DateTimeTypes::E_am_pm);
    for (const char *field : {"timeField0", "timeField1", "timeField2"})
        QCOMPARE(fieldText(field), QStringLiteral("--"));
    m_time.setValue(QDateTime(QDate(2024, 3, 1), QTime(22, 0)));
    QVERIFY(save->isEnabled());
    QCOMPARE(fieldText("timeField2"), QStringLiteral("pm"));
    // A temperature outside the limits is held at the limit: there is a value to send.
    m_temperature.setValue(100000);
    QCOMPARE(m_temperature.value(), std::optional<int>(m_temperature.upperLimit()));
    QVERIFY(save->isEnabled());
    // Without a temperature there is nothing to send.
    m_temperature.clearValue();
    QVERIFY(!save->isEnabled());
}

// The duration editor of the Advanced and System screens: no Save before the value, Save once it
// is there, none again after the value was dropped, and none without a sauna.
void TestEditorSave::durationEditorSavesOnlyWithAValue()
{
    m_duration.setUpperLimitInMinutes(30);
    QVERIFY(show(QStringLiteral("settings/advanced"), R"(
        import QtQuick
        import QtQuick.Controls
        StackView {
            width: 340
            height: 600
            initialItem: DurationEditorPage { title: "Running time"; manager: durationManager }
        })"));
    QQuickItem *save = saveButton("durationSaveButton");
    QVERIFY(save);
    QVERIFY(save->isVisible());

    QVERIFY(!save->isEnabled());
    m_duration.setValueInMinutes(12);
    QVERIFY(save->isEnabled());
    m_wifi.setConnected(false);
    QVERIFY(!save->isEnabled());
    m_wifi.setConnected(true);
    QVERIFY(save->isEnabled());
    m_duration.clearValue();
    QVERIFY(!save->isEnabled());
}

QTEST_MAIN(TestEditorSave)
#include "tst_editor_save.moc"
