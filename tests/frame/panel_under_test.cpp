#include "panel_under_test.h"

#include "control/message_controller.h"
#include "pc_panel/connection_informer.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/user_message_provider.h"

#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>

using signalInterface::UserMessageTypes::UserMessage;

namespace {

constexpr quint32 pinFailedMessageId = pcPanel::ConnectionInformer::PinFailMessage;
// "Detecting system on IP adress %1..." and "System found on IP address %1".
constexpr quint32 detectingSystemMessageId = 0x2041;
constexpr quint32 systemFoundMessageId = 0x204d;

// A row of a program-built list that carries the application id.
std::function<bool(QQuickItem *)> rowWithId(int applId)
{
    return [applId](QQuickItem *item) {
        return item->property("applId").isValid() && item->property("applId").toInt() == applId &&
               item->height() > 0;
    };
}

} // namespace

void PanelUnderTest::prepareProcess()
{
    prepareFrameTestProcess();
    control::Settings::setValue(*pcPanel::InstanceSettings::settings(),
                                QString::fromLatin1(control::Settings::pcPanelAutoConnectKey),
                                false);
}

QDateTime PanelUnderTest::saunaStartClock()
{
    return QDateTime(QDate(2031, 6, 11), QTime(10, 0), Qt::UTC);
}

tools::SimulatorOptions PanelUnderTest::saunaOptions()
{
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.heatIntervalMs = 3600000; // no heating steps
    options.clock = saunaStartClock();
    return options;
}

tools::SimulatorOptions PanelUnderTest::saunaOptions(const QString &name, const QString &pin)
{
    tools::SimulatorOptions options = saunaOptions();
    options.name = name;
    options.pin = pin;
    return options;
}

void PanelUnderTest::startSauna(const tools::SimulatorOptions &options)
{
    m_saunaOptions = options;
    m_sauna = std::make_unique<tools::SimulatedSauna>(options);
    QString error;
    QVERIFY2(m_sauna->start(&error), qPrintable(error));
}

void PanelUnderTest::createPanel()
{
    prepareProcess();
    m_variant = std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
    startUp::FrameOptions frameOptions;
    frameOptions.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
    m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, frameOptions);
}

void PanelUnderTest::startPanel()
{
    STEP(showPanel(true));
}

void PanelUnderTest::showPanelWithoutLink()
{
    STEP(showPanel(false));
}

void PanelUnderTest::showPanel(bool startLink)
{
    if (!m_frame)
        STEP(createPanel());
    m_frame->loadScene();
    QVERIFY(m_frame->guiHandler.rootObject());
    QCOMPARE(m_frame->wire().total(), 0);
    if (startLink)
        QVERIFY(m_frame->start());
    m_frame->prepareWindow();
    m_frame->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));
}

void PanelUnderTest::startKnowingNoSauna(const tools::SimulatorOptions &options)
{
    prepareProcess();
    {
        pcPanel::RemoteSaunaList stored;
        stored.load();
        QCOMPARE(stored.size(), 0);
    }
    STEP(startSauna(options));
    QVERIFY(m_sauna->announcePort() !=
            pcPanel::SaunaCommunication::Timing().announcementRequestPort);
    STEP(createPanel());
    QVERIFY(m_frame->saunaCommunication.remoteSaunas().isEmpty());
    QVERIFY(!m_frame->saunaCommunication.autoConnect());
    STEP(startPanel());
}

void PanelUnderTest::startConnected(const tools::SimulatorOptions &options)
{
    STEP(startSauna(options));
    STEP(startPanel());
    STEP(connectToTheSauna());
}

void PanelUnderTest::addProductHumidityRows()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<bool>("offered");
    QTest::newRow("sauna") << dryProduct << false;
    QTest::newRow("ir") << infraredProduct << false;
    QTest::newRow("combi") << combiProduct << true;
    QTest::newRow("steam") << steamProduct << true;
}

void PanelUnderTest::startWithProduct(int product)
{
    tools::SimulatorOptions options = saunaOptions();
    options.rcbProduct = product;
    STEP(startSauna(options));
    STEP(startPanel());
    QSignalSpy functions(m_frame->saunaCommunication.saunaSystemReceiver(),
                         SIGNAL(saunaMasterFuncDescChanged(
                             ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)));
    QVERIFY(functions.isValid());
    STEP(connectToTheSauna());
    QTRY_VERIFY_WITH_TIMEOUT(!functions.isEmpty(), waitMs);
    STEP(dismissPopups());
    waitForPagesAtRest();
}

void PanelUnderTest::connectToTheSauna()
{
    pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
    signalInterface::RemoteSaunaTypes::RemoteSauna searched;
    searched.address = QHostAddress(QHostAddress::LocalHost);
    searched.port = m_sauna->announcePort();
    QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
    link.onIpDetectRequest(searched);
    QVERIFY(detected.wait(waitMs));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    QCOMPARE(link.remoteSaunas().size(), 1);
    signalInterface::RemoteSaunaTypes::RemoteSauna sauna = link.remoteSaunas().value(0);
    sauna.pin = signalInterface::PinTypes::Pin{m_saunaOptions.pin};
    link.onRemoteSaunaChangeRequest(sauna, true);
    QSignalSpy connected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
    link.onConnectRequest(sauna.identity);
    QVERIFY(connected.wait(waitMs));
    QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
}

void PanelUnderTest::shutDown()
{
    m_frame.reset();
    m_variant.reset();
    m_sauna.reset();
}

QQuickItem *PanelUnderTest::waitForItem(QQuickItem *root,
                                        const std::function<bool(QQuickItem *)> &test,
                                        const QString &what)
{
    QQuickItem *item = nullptr;
    if (!QTest::qWaitFor([&] { return (item = findVisibleItem(root, test)) != nullptr; }, waitMs))
        qWarning("no visible %s; shown: %s", qPrintable(what),
                 qPrintable(visibleNames().join(QLatin1Char(' '))));
    return item;
}

void PanelUnderTest::tap(const QString &objectName)
{
    QQuickItem *item = waitForItem(objectName);
    QVERIFY2(item, qPrintable(objectName));
    // The page may build the item anew before the tap (a language switch, a report): the one
    // found then is looked up again by its name.
    tap(item, [this, objectName] { return findVisibleItem(sceneRoot(), objectName); });
}

void PanelUnderTest::tap(QQuickItem *item, const std::function<QQuickItem *()> &finder)
{
    QPointer<QQuickItem> target(item);
    QVERIFY(target);
    // What the failure names when the item goes away for good.
    const QString what =
        QStringLiteral("%1 \"%2\"").arg(target->objectName(), target->property("text").toString());
    waitForPagesAtRest();
    auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
    QVERIFY(popup);
    QQuickWidget *view = m_frame->guiHandler.view();
    for (int attempt = 0; attempt < 3; ++attempt) {
        // The list or page builds its items anew a moment after it dropped the old ones.
        if (!target && finder &&
            !QTest::qWaitFor([&] { return (target = finder()) != nullptr; }, waitMs))
            qWarning("%s not found again; shown: %s", qPrintable(what),
                     qPrintable(visibleNames().join(QLatin1Char(' '))));
        QVERIFY2(target, qPrintable(what + QStringLiteral(" went away before the tap")));
        QTRY_VERIFY(!target || (target->isVisible() && target->isEnabled()));
        QVERIFY(QQuickTest::qWaitForPolish(view->quickWindow(), waitMs));
        if (target)
            break;
    }
    QVERIFY(target);
    // An open message takes every touch; only its own buttons can be tapped.
    QVERIFY2(!popup->isVisible() || popup->isAncestorOf(target),
             qPrintable(popup->property("popupText").toString()));
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QVERIFY2(view->rect().contains(centre.toPoint()), qPrintable(target->objectName()));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void PanelUnderTest::tapRow(const QString &listName, int applId)
{
    waitForPagesAtRest();
    const auto findTheRow = [this, &listName, applId] {
        return findVisibleItem(findVisibleItem(sceneRoot(), listName), rowWithId(applId));
    };
    QQuickItem *row = nullptr;
    const bool found = QTest::qWaitFor([&] { return (row = findTheRow()) != nullptr; }, waitMs);
    QVERIFY2(found, qPrintable(QStringLiteral("%1 row %2; shown: %3")
                                   .arg(listName)
                                   .arg(applId)
                                   .arg(visibleNames().join(QLatin1Char(' ')))));
    tap(row, findTheRow);
}

void PanelUnderTest::tapPageRow(const QString &pageName, int applId)
{
    dragIntoViewAndTap(
        [this, pageName, applId] {
            return findVisibleItem(findVisibleItem(sceneRoot(), pageName), rowWithId(applId));
        },
        QStringLiteral("%1 row %2").arg(pageName).arg(applId));
}

void PanelUnderTest::dragIntoViewAndTap(const std::function<QQuickItem *()> &findRow,
                                        const QString &what)
{
    waitForPagesAtRest();
    QQuickItem *row = nullptr;
    QVERIFY2(QTest::qWaitFor([&] { return (row = findRow()); }, waitMs),
             qPrintable(
                 QStringLiteral("%1; shown: %2").arg(what, visibleNames().join(QLatin1Char(' ')))));
    QQuickItem *list = row->parentItem();
    while (list && !list->inherits("QQuickListView"))
        list = list->parentItem();
    QVERIFY2(list, qPrintable(what));
    QQuickWidget *view = m_frame->guiHandler.view();
    for (int drags = 0; drags < 20; ++drags) {
        waitForPagesAtRest();
        const QRectF shown = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
        row = findRow();
        qreal distance = -shown.height() / 3; // towards the end, to find a row not built yet
        if (row) {
            const QRectF place = row->mapRectToScene(QRectF(0, 0, row->width(), row->height()));
            if (shown.contains(place))
                return tap(row);
            // Farther than a press may move and still be a tap, or the release taps the row.
            const qreal least = 3.0 * QGuiApplication::styleHints()->startDragDistance();
            const qreal most = std::max(least, shown.height() / 3);
            distance = place.bottom() > shown.bottom()
                           ? -std::clamp(place.bottom() - shown.bottom() + 4, least, most)
                           : std::clamp(shown.top() - place.top() + 4, least, most);
        }
        const QPoint from = shown.center().toPoint();
        const QPoint to = from + QPoint(0, int(distance));
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(view, from + (to - from) * step / 10, 10);
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to, 10);
    }
    QFAIL(qPrintable(QStringLiteral("%1 stays outside its list").arg(what)));
}

QQuickItem *PanelUnderTest::tabButton(const QString &text)
{
    return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
        return item->property("glyph").isValid() && item->property("text").toString() == text;
    });
}

QQuickItem *PanelUnderTest::tabButton(int index)
{
    QList<QQuickItem *> tabs;
    findVisibleItem(sceneRoot(), [&tabs](QQuickItem *item) {
        if (item->property("glyph").isValid())
            tabs << item;
        return false;
    });
    return tabs.value(index);
}

void PanelUnderTest::tapTab(const QString &text)
{
    const auto isTab = [&text](QQuickItem *item) {
        return item->property("glyph").isValid() && item->property("text").toString() == text;
    };
    QQuickItem *tab = waitForItem(sceneRoot(), isTab, QStringLiteral("tab \"%1\"").arg(text));
    QVERIFY2(tab, qPrintable(text));
    tap(tab, [this, &isTab] { return findVisibleItem(sceneRoot(), isTab); });
}

void PanelUnderTest::tapTab(int index)
{
    QQuickItem *tab = nullptr;
    QVERIFY2(QTest::qWaitFor([&] { return (tab = tabButton(index)) != nullptr; }, waitMs),
             qPrintable(QStringLiteral("tab %1").arg(index)));
    tap(tab, [this, index] { return tabButton(index); });
}

void PanelUnderTest::backToSettingsAreas()
{
    for (int pages = 0; pages < 6; ++pages) {
        waitForPagesAtRest();
        if (findVisibleItem(sceneRoot(), QStringLiteral("settingsAreaList")))
            break;
        QQuickItem *back = waitForItem(QStringLiteral("pageBackButton"));
        QVERIFY2(back, qPrintable(visibleNames().join(QLatin1Char(' '))));
        STEP(tap(back));
    }
    QVERIFY(waitForItem(QStringLiteral("settingsAreaList")));
}

void PanelUnderTest::openSettingsPage(const QString &area, int applId, const QString &pageName)
{
    STEP(tap(QStringLiteral("settingsArea_") + area));
    STEP(dragIntoViewAndTap(
        [this, applId] {
            return findVisibleItem(findVisibleItem(sceneRoot(), QStringLiteral("settingsList")),
                                   [applId](QQuickItem *item) {
                                       return isRow(item) &&
                                              item->property("applId").toInt() == applId;
                                   });
        },
        QStringLiteral("%1 row %2").arg(area).arg(applId)));
    QVERIFY(waitForItem(pageName));
}

void PanelUnderTest::openRelay(int relay)
{
    STEP(openSettingsPage(QStringLiteral("system"), signalInterface::ConfigureTypes::E_optionsAux,
                          QStringLiteral("auxRelaysPage")));
    STEP(tapRow(QStringLiteral("settingsList"), relay));
    QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
}

void PanelUnderTest::openDescalingPage()
{
    STEP(openRelay(descalingRelay()));
    STEP(tapRow(QStringLiteral("auxFunctionList"),
                view::ConfigureSystemAuxViewManager::descalingChoice));
    QVERIFY(waitForItem(QStringLiteral("auxDescalingPage")));
}

int PanelUnderTest::descalingRelay() const
{
    return int(m_sauna->model().auxRelays().descaling().relayIndex.value_or(0));
}

void PanelUnderTest::waitForDescalingRelay()
{
    const int relay = descalingRelay();
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->configureTab.manager<view::ConfigureSystemAuxViewManager>()
                                 .relays()
                                 .at(relay)
                                 .connected,
                             waitMs);
}

bool PanelUnderTest::showsText(const QString &text)
{
    return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
               return item->inherits("QQuickText") && item->property("text").toString() == text;
           }) != nullptr;
}

QList<int> PanelUnderTest::applIdsOf(const view::ListModel &model)
{
    QList<int> ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << model.getApplId(row);
    return ids;
}

QStringList PanelUnderTest::dismissPopups()
{
    QStringList texts;
    auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
    if (popup == nullptr) {
        QTest::qFail("the scene has no popup", __FILE__, __LINE__);
        return texts;
    }
    QSignalSpy pressed(popup, SIGNAL(popupBtnPressed(QString)));
    for (int shown = 0; popup->isVisible(); ++shown) {
        if (shown == 10) {
            QTest::qFail(qPrintable(QStringLiteral("still a message after ten: %1")
                                        .arg(texts.join(QLatin1String(" | ")))),
                         __FILE__, __LINE__);
            break;
        }
        texts << popup->property("popupText").toString();
        QQuickItem *button = findVisibleItem(popup, QStringLiteral("popupCenterButton"));
        if (button == nullptr) {
            QTest::qFail(qPrintable(QStringLiteral("no button answers \"%1\"").arg(texts.last())),
                         __FILE__, __LINE__);
            break;
        }
        tap(button);
        if (QTest::currentTestFailed())
            break;
        if (pressed.size() != shown + 1) {
            QTest::qFail(qPrintable(QStringLiteral("tap missed \"%1\"").arg(texts.constLast())),
                         __FILE__, __LINE__);
            break;
        }
        // A message that waits behind this one is shown as soon as it is answered, in the same
        // call: the loop reads it next.
    }
    return texts;
}

void PanelUnderTest::saveScreenshot(const QString &name)
{
    waitForPagesAtRest();
    // The scene renders asynchronously: let the last frame reach the window.
    QSignalSpy rendered(m_frame->guiHandler.view()->quickWindow(), &QQuickWindow::frameSwapped);
    m_frame->guiHandler.view()->update();
    rendered.wait(2000);
    const QString directory = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
    QVERIFY(QDir().mkpath(directory));
    const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
    QVERIFY(m_frame->mainWindow.grab().save(path));
    qInfo("screenshot: %s", qPrintable(path));
}

void PanelUnderTest::type(const QString &fieldName, const QString &text)
{
    QQuickItem *field = waitForItem(fieldName);
    QVERIFY2(field, qPrintable(fieldName));
    auto *input = field->property("inputItem").value<QQuickItem *>();
    QVERIFY(input);
    STEP(tap(input));
    QTRY_VERIFY(input->hasActiveFocus());
    QQuickWidget *view = m_frame->guiHandler.view();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClicks(view, text);
    QCOMPARE(field->property("text").toString(), text);
}

void PanelUnderTest::typeOnKeyboard(const QString &text)
{
    QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
    QVERIFY(keyboard);
    for (const QChar character : text) {
        if (character == QLatin1Char(' ')) {
            STEP(tap(QStringLiteral("keyboardSpaceKey")));
            continue;
        }
        const bool capital = character.isUpper();
        if (keyboard->property("caps").toBool() != capital)
            STEP(tap(QStringLiteral("keyboardShiftKey")));
        QTRY_COMPARE(keyboard->property("caps").toBool(), capital);
        QQuickItem *key = waitForItem(
            keyboard,
            [character](QQuickItem *item) {
                return item->objectName().startsWith(QStringLiteral("keyboardKey_")) &&
                       item->property("cap").toString() == QString(character);
            },
            QStringLiteral("key %1").arg(character));
        QVERIFY2(key, qPrintable(QString(character)));
        STEP(tap(key));
    }
}

QQuickItem *PanelUnderTest::stepUpButton(const QString &editorName, int column)
{
    QQuickItem *editor = waitForItem(editorName);
    if (editor == nullptr)
        return nullptr;
    QList<QQuickItem *> buttons;
    findVisibleItem(editor, [&buttons](QQuickItem *item) {
        if (item->property("increase").isValid() && item->property("increase").toBool() &&
            item->property("blocked").isValid())
            buttons << item;
        return false;
    });
    return column < buttons.size() ? buttons.at(column) : nullptr;
}

QQuickItem *PanelUnderTest::visibleOfClass(QQuickItem *parent, const char *className, bool increase)
{
    QList<QQuickItem *> found;
    findVisibleItem(parent, [&](QQuickItem *item) {
        if (QByteArray(item->metaObject()->className()).contains(className) &&
            (item->property("increase").isNull() ||
             item->property("increase").toBool() == increase))
            found << item;
        return false;
    });
    std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
    });
    return found.value(0);
}

void PanelUnderTest::stepHoursUpAndSave()
{
    QQuickItem *editor = waitForItem(QStringLiteral("durationEditor"));
    QVERIFY(editor);
    QTRY_VERIFY(editor->property("hoursText").toString() != QStringLiteral("--"));
    QQuickItem *plus = visibleOfClass(editor, "RoundStepButton", true);
    QVERIFY(plus);
    const QString before = editor->property("hoursText").toString();
    STEP(tap(plus));
    QTRY_VERIFY(editor->property("hoursText").toString() != before);
    STEP(tap(QStringLiteral("durationSaveButton")));
}

QDateTime PanelUnderTest::saunaClock() const
{
    return tools::SaunaStateModel::protocolEpoch().addMSecs(qint64(m_sauna->model().systemTime()));
}

QString PanelUnderTest::currentNetworkPage()
{
    for (const char *name : {"networkPinEditorPage", "networkIpConnectPage",
                             "networkSaunaDetailsPage", "networkListPage"}) {
        if (findVisibleItem(sceneRoot(), QString::fromLatin1(name)))
            return QString::fromLatin1(name);
    }
    return QString();
}

void PanelUnderTest::enterPinAndConnect(const QString &pin)
{
    QCOMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
    STEP(tap(QStringLiteral("networkEnterPinButton")));
    QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkPinEditorPage"));
    STEP(type(QStringLiteral("networkPinField"), pin));
    STEP(tap(QStringLiteral("networkPinSaveButton")));
    QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
    QTRY_COMPARE(m_frame->saunaCommunication.remoteSaunas().value(0).pin.pin(), pin);
    STEP(tap(QStringLiteral("networkConnectButton")));
}

void PanelUnderTest::connectOnTheNetworkScreen(const QString &screenshotName)
{
    view::ConfigureSystemNetworkViewManager &network =
        m_frame->configureTab.manager<view::ConfigureSystemNetworkViewManager>();
    QSignalSpy messages(&m_frame->connectionInformer,
                        &pcPanel::ConnectionInformer::panelUserMessageIssued);
    STEP(dismissPopups());

    // The settings tab, its System menu and the menu's Network entry.
    STEP(tapTab(QStringLiteral("Settings")));
    STEP(tap(QStringLiteral("settingsArea_system")));
    STEP(tapRow(QStringLiteral("settingsList"), 2));
    QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkListPage"));
    QCOMPARE(network.saunaListModel()->rowCount(), 0);

    // "IP detect": the address and the port typed in, then "Detect".
    QTRY_COMPARE(network.ipDetectModel()->rowCount(), 1);
    STEP(tapRow(QStringLiteral("networkIpDetectList"), network.ipDetectModel()->getApplId(0)));
    QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkIpConnectPage"));
    // Typed without Return: the address counts once the user leaves its field for the port,
    // the port once the user taps "Detect".
    const QHostAddress localHost(QHostAddress::LocalHost);
    STEP(type(QStringLiteral("networkIpAddressField"), QStringLiteral("127.0.0.1")));
    QVERIFY(network.formAddress() != localHost);
    STEP(type(QStringLiteral("networkPortField"), QString::number(m_sauna->announcePort())));
    QCOMPARE(network.formAddress(), localHost);
    QVERIFY(network.formPort() != int(m_sauna->announcePort()));

    QSignalSpy requested(&network, &view::ConfigureSystemNetworkViewManager::ipDetectRequest);
    QSignalSpy detected(&m_frame->saunaCommunication, &pcPanel::SaunaCommunication::ipDetectDone);
    // The form as the search starts: the list the tap goes back to sets it to its start values.
    int formPortAtSearch = -1;
    QObject formWatch; // ends the watch with this scope
    QObject::connect(&network, &view::ConfigureSystemNetworkViewManager::ipDetectRequest,
                     &formWatch, [&] { formPortAtSearch = network.formPort(); });
    STEP(tap(QStringLiteral("networkDetectButton")));
    QCOMPARE(requested.size(), 1);
    const auto searched =
        requested.at(0).at(0).value<signalInterface::RemoteSaunaTypes::RemoteSauna>();
    QCOMPARE(searched.address, localHost);
    QCOMPARE(searched.port, m_sauna->announcePort());
    QCOMPARE(formPortAtSearch, int(m_sauna->announcePort()));
    QVERIFY(detected.wait(waitMs));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    // The tap's notice with the typed address, then the link's that the sauna was found, with
    // the sauna's port.
    const QString detecting =
        view::UserMessageProvider::instance()->getText(detectingSystemMessageId);
    const QString found = view::UserMessageProvider::instance()->getText(systemFoundMessageId);
    const QStringList detectMessages = dismissPopups();
    QCOMPARE(detectMessages,
             QStringList({detecting.arg(QStringLiteral("127.0.0.1")),
                          found.arg(QStringLiteral("127.0.0.1:%1").arg(m_sauna->announcePort()))}));
    QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkListPage"));
    QTRY_COMPARE(network.saunaListModel()->rowCount(), 1);
    const QString saunaName = m_saunaOptions.name;
    QTRY_VERIFY(findVisibleItem(
        waitForItem(QStringLiteral("networkSaunaList")),
        [&saunaName](QQuickItem *item) { return item->property("text").toString() == saunaName; }));
    QVERIFY(!m_frame->saunaCommunication.isConnected());
    if (!screenshotName.isEmpty())
        STEP(saveScreenshot(screenshotName + QStringLiteral("_list")));

    // The found system's details.
    STEP(tapRow(QStringLiteral("networkSaunaList"), network.saunaListModel()->getApplId(0)));
    QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
    QTRY_COMPARE(network.saunaDetailsInfoModel()->rowCount(), 4);

    // A wrong PIN: the sauna refuses, the panel says why and stays unconnected.
    QSignalSpy refused(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
    STEP(enterPinAndConnect(QStringLiteral("1111")));
    QVERIFY(refused.wait(waitMs));
    QTRY_VERIFY(std::any_of(messages.begin(), messages.end(), [](const QList<QVariant> &call) {
        return call.at(0).value<UserMessage>().id == pinFailedMessageId;
    }));
    auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(!m_frame->saunaCommunication.isConnected());
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
    const QStringList pinMessages = dismissPopups();
    QVERIFY(pinMessages.contains(
        view::UserMessageProvider::instance()->getText(pinFailedMessageId).arg(saunaName)));

    // The right PIN connects.
    QSignalSpy connected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
    STEP(enterPinAndConnect(m_saunaOptions.pin));
    QVERIFY(connected.wait(waitMs));
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->saunaCommunication.isConnected(), waitMs);
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
    QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("networkDisconnectButton")));
    STEP(dismissPopups());
    if (!screenshotName.isEmpty())
        STEP(saveScreenshot(screenshotName + QStringLiteral("_details")));
}
