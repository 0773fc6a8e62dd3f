#pragma once

#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/variant_types.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QMainWindow;
class QQmlContext;
class QQmlEngine;
class QQuickWidget;

namespace view {

class GlobalQmlSettingsProvider;
class Qeyboard;

// Puts the QML scene into the main window and finds the scene's items by object name. Every name
// it cannot find is reported as the internal-error message, so a scene that lacks an item shows
// it instead of silently leaving the item unconnected.
class GuiHandler : public QObject
{
    Q_OBJECT

public:
    // The internal-error message that names a missing item.
    static constexpr quint32 missingItemMessageId = 0x201b;

    // The directory of the QML files beside the program: "<program directory>/qml/view/".
    static QString defaultQmlDirectory();

    // Creates the view and makes it the window's central widget. The QML files are looked up in
    // qmlDirectory (with a trailing "/"); empty means defaultQmlDirectory().
    GuiHandler(QMainWindow *window, QObject *parent, const QString &qmlDirectory = QString());
    ~GuiHandler() override;

    // Loads the file of the QML directory as the scene, then creates the keyboard object.
    void loadQml(const QString &fileName);
    // Destroys the scene while every object it binds to still exists.
    void unloadQml();
    // Creates the settings object "SettingsBase.qml" on the view's engine and fills it in.
    void initializeGlobalSettings(signalInterface::VariantTypes::Brand brand,
                                  signalInterface::VariantTypes::ProductType productType);

    QQuickWidget *view() const { return m_view; }
    QObject *rootObject() const { return m_rootObject; }
    Qeyboard *keyboard() const { return m_keyboard; }
    const QString &qmlDirectory() const { return m_qmlDirectory; }

    // The message popup "popup_widget", or null; a missing popup is not reported.
    QObject *popupWidget() const;

    // The application size of the product type: 340 x 600 for the PC, 272 x 480 for the wall
    // panels, 0 x 0 for anything else.
    void applicationSize(int productType, int &width, int &height);

    // Appends the first item of the scene with the name and returns true; otherwise reports the
    // name and returns false.
    bool findItem(const QString &objectName, QList<QObject *> &items);
    QList<QObject *> findItems(const QString &objectName);

    QList<QObject *> popupWidgetItems();
    QList<QObject *> tabManagerRootItems();

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    QQuickWidget *m_view = nullptr;
    QQmlContext *m_rootContext = nullptr;
    QQmlEngine *m_engine = nullptr;
    QObject *m_rootObject = nullptr;
    Qeyboard *m_keyboard = nullptr;
    // Deleted with the handler, while the view's engine still exists.
    std::unique_ptr<GlobalQmlSettingsProvider> m_globalSettings;
    QString m_qmlDirectory;
};

} // namespace view
