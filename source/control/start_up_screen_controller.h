#pragma once

#include "signal_interface/variant_types.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QMainWindow;
class QQmlEngine;
class QQuickWidget;

namespace control {

// The splash window shown while the main window is built: a window of its own with its own QML
// view, showing "main_startup_screen.qml". Given an engine, the view shows the scene on it, so that
// the main scene later finds the imports and components already loaded; the engine must outlive
// the controller. Without one, the view has an engine of its own.
class StartUpScreenController : public QObject
{
    Q_OBJECT

public:
    using ProductType = signalInterface::VariantTypes::ProductType;
    using Brand = signalInterface::VariantTypes::Brand;
    // Builds the global QML settings object on the splash engine and fills it for the brand and
    // product. The result is kept until close(): the splash scene binds to that object for as long
    // as it is shown.
    using GlobalSettingsFactory =
        std::function<std::shared_ptr<void>(QQmlEngine *engine, Brand brand, ProductType type)>;

    StartUpScreenController(ProductType productType, Brand brand, QObject *parent = nullptr,
                            QQmlEngine *engine = nullptr);
    ~StartUpScreenController() override;

    // The global QML settings come from the application frame; without a factory the splash has
    // only the two context properties.
    void setGlobalSettingsFactory(GlobalSettingsFactory factory);
    // Folder of the splash scene: "qml/view" beside the program by default.
    void setQmlDirectory(const QString &directory);
    QString qmlDirectory() const { return m_qmlDirectory; }

    // Icon, title and size, publishes "startup_screen_brand" and "startup_screen_product_type",
    // loads the splash scene and shows the window.
    void show();
    void close();

    QMainWindow *window() const { return m_window.get(); }
    QQuickWidget *view() const { return m_view; }

private:
    ProductType m_productType;
    Brand m_brand;
    QString m_qmlDirectory;
    GlobalSettingsFactory m_settingsFactory;
    std::shared_ptr<void> m_globalSettings;
    std::unique_ptr<QMainWindow> m_window;
    QQuickWidget *m_view = nullptr;
};

} // namespace control
