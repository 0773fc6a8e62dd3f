#include "view_cpp/gui_handler.h"

#include "view_cpp/global_qml_settings_provider.h"
#include "view_cpp/qeyboard.h"
#include "view_cpp/source_file_name.h"
#include "view_cpp/window_sizes.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QUrl>

namespace view {

QString GuiHandler::defaultQmlDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/qml/view/");
}

GuiHandler::GuiHandler(QMainWindow *window, QObject *parent, const QString &qmlDirectory)
    : QObject(parent)
    , m_view(new QQuickWidget(window->parentWidget()))
    , m_qmlDirectory(qmlDirectory.isEmpty() ? defaultQmlDirectory() : qmlDirectory)
{
    if (!m_qmlDirectory.endsWith(QLatin1Char('/')))
        m_qmlDirectory += QLatin1Char('/');
    // The scene follows the fixed window size instead of sizing the widget after its root item.
    m_view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    window->setCentralWidget(m_view);
}

GuiHandler::~GuiHandler() = default;

void GuiHandler::loadQml(const QString &fileName)
{
    delete m_keyboard;
    m_keyboard = nullptr;

    m_view->setSource(QUrl::fromLocalFile(m_qmlDirectory + fileName));
    m_engine = m_view->engine();
    m_rootContext = m_engine->rootContext();
    m_rootObject = m_view->rootObject();
    // The keyboard object looks for the scene's keyboard item, so it follows the scene.
    m_keyboard = new Qeyboard(m_view);
    // The default filter passes every event on; the installation keeps the handler in the
    // application's event path as the panel has always had it.
    QCoreApplication::instance()->installEventFilter(this);
}

void GuiHandler::unloadQml()
{
    delete m_keyboard;
    m_keyboard = nullptr;
    m_rootObject = nullptr;
    m_view->setSource(QUrl());
}

void GuiHandler::initializeGlobalSettings(signalInterface::VariantTypes::Brand brand,
                                          signalInterface::VariantTypes::ProductType productType)
{
    // The view's own engine exists from construction on; the scene is not loaded yet.
    m_globalSettings = std::make_unique<GlobalQmlSettingsProvider>(
        m_view->engine(), m_qmlDirectory + QStringLiteral("SettingsBase.qml"));
    m_globalSettings->initializeSettings(brand, productType);
}

QObject *GuiHandler::popupWidget() const
{
    return m_rootObject ? m_rootObject->findChild<QObject *>(QStringLiteral("popup_widget"))
                        : nullptr;
}

void GuiHandler::applicationSize(int productType, int &width, int &height)
{
    const QSize size = appSize(appSizeTable(), productType);
    width = size.width();
    height = size.height();
}

bool GuiHandler::findItem(const QString &objectName, QList<QObject *> &items)
{
    if (m_rootObject) {
        if (QObject *item = m_rootObject->findChild<QObject *>(objectName)) {
            items.append(item);
            return true;
        }
    }
    signalInterface::UserMessageTypes::UserMessage message(missingItemMessageId);
    message.arguments << message::sourceFileName(QStringLiteral(__FILE__))
                      << QString::number(__LINE__) << objectName;
    emit panelUserMessageIssued(message, nullptr);
    return false;
}

QList<QObject *> GuiHandler::findItems(const QString &objectName)
{
    QList<QObject *> items;
    findItem(objectName, items);
    return items;
}

QList<QObject *> GuiHandler::popupWidgetItems()
{
    return findItems(QStringLiteral("popup_widget"));
}

QList<QObject *> GuiHandler::tabManagerRootItems()
{
    return findItems(QStringLiteral("tabManagerRoot"));
}

} // namespace view
