#include "control/start_up_screen_controller.h"

#include "view_cpp/language_support.h"
#include "view_cpp/window_sizes.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QMainWindow>
#include <QQmlContext>
#include <QQuickWidget>
#include <QUrl>

namespace control {

StartUpScreenController::StartUpScreenController(ProductType productType, Brand brand,
                                                 QObject *parent, QQmlEngine *engine)
    : QObject(parent)
    , m_productType(productType)
    , m_brand(brand)
    , m_qmlDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/qml/view"))
    , m_window(std::make_unique<QMainWindow>())
    , m_view(engine ? new QQuickWidget(engine, m_window.get()) : new QQuickWidget(m_window.get()))
{
    m_view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_window->setCentralWidget(m_view);
}

StartUpScreenController::~StartUpScreenController()
{
    // The scene goes before the settings object it binds to.
    m_window.reset();
    m_globalSettings.reset();
}

void StartUpScreenController::setGlobalSettingsFactory(GlobalSettingsFactory factory)
{
    m_settingsFactory = std::move(factory);
}

void StartUpScreenController::setQmlDirectory(const QString &directory)
{
    m_qmlDirectory = directory;
}

void StartUpScreenController::show()
{
    const QString logo = view::LanguageSupport::brandLogoFileName(m_brand);
    if (!logo.isEmpty()) {
        m_window->setWindowIcon(QIcon(QStringLiteral(":images/") + logo));
    }
    m_window->setWindowTitle(view::LanguageSupport::pcControlPanelText());
    const QSize size = view::appSize(view::appSizeTable(), static_cast<int>(m_productType));
    if (!size.isEmpty()) {
        m_window->setFixedSize(size);
    }

    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("startup_screen_brand"), static_cast<int>(m_brand));
    context->setContextProperty(QStringLiteral("startup_screen_product_type"),
                                static_cast<int>(m_productType));
    if (m_settingsFactory && !m_globalSettings) {
        m_globalSettings = m_settingsFactory(m_view->engine(), m_brand, m_productType);
    }
    // One separator, whether or not the folder ends in one: the scene's imports must resolve to
    // the same files as the settings component's, or the scene gets a settings script of its own
    // that no settings object registers with.
    m_view->setSource(QUrl::fromLocalFile(
        QDir::cleanPath(m_qmlDirectory + QStringLiteral("/main_startup_screen.qml"))));
    m_window->show();
}

void StartUpScreenController::close()
{
    m_window->close();
    m_view->setSource(QUrl());
    m_globalSettings.reset();
}

} // namespace control
