#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <vector>

namespace view {

// The licence information of the open source components this program ships: an introduction,
// the list of components, and for a chosen component its information and licence texts, read
// line by line from the files that lie beside the program. The libraries of the PC that the
// program loads have a list of their own.
class ConfigureGeneralAboutLicenseInfoViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    struct ComponentRecord
    {
        QString name;
        int id = 0;
        // Relative to the licence folder.
        QByteArray infoFile;
        QByteArray licenceFile;
    };

    // A file is read up to this size and this many lines (a row each); the rest of a larger one is
    // left out, so that a wrong file cannot hold the screen for long. The longest licence text
    // shipped has under 7000 lines.
    static constexpr qint64 maximumFileBytes = 1024 * 1024;
    static constexpr int maximumLines = 20000;

    explicit ConfigureGeneralAboutLicenseInfoViewManager(QObject *parent);

    // "qml/view/licenses/" beside the program unless set otherwise.
    static QString defaultLicenseDirectory();
    void setLicenseDirectory(const QString &directory);
    QString licenseDirectory() const { return m_licenseDirectory; }

    const std::vector<ComponentRecord> &softwareComponents() const { return m_softwareComponents; }
    const std::vector<ComponentRecord> &linuxComponents() const { return m_linuxComponents; }

    ListModel *licenseTextModel() { return &m_licenseTextModel; }
    ListModel *componentModel() { return &m_componentModel; }
    ListModel *componentInfoModel() { return &m_componentInfoModel; }
    ListModel *componentLicenseModel() { return &m_componentLicenseModel; }
    ListModel *linuxComponentsModel() { return &m_linuxComponentsModel; }

    // The QML pages' visibility and selection signals.
    int connectToView(const QList<QObject *> &senders);

signals:
    void softwareComponentSelected(int id);
    void linuxComponentSelected(int id);
    void componentTitleChanged(QString title);
    void timeConsumingActivityStarted();
    void timeConsumingActivityFinished();

public slots:
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onLicenseInfoViewVisibleChanged(bool visible);
    void onComponentInfoViewVisibleChanged(bool visible);
    void onLinuxComponentsViewVisibleChanged(bool visible);
    void onSoftwareComponentSelected(int id);
    void onLinuxComponentSelected(int id);

private:
    void fillSoftwareComponents();
    void fillLinuxComponents();
    void rebuildComponentList();
    static void fillList(ListModel &model, const std::vector<ComponentRecord> &records);
    void load(const ComponentRecord &record);
    void readInto(const QByteArray &relativePath, ListModel &model);

    std::vector<ComponentRecord> m_softwareComponents;
    std::vector<ComponentRecord> m_linuxComponents;
    ListModel m_licenseTextModel;
    ListModel m_componentModel;
    ListModel m_componentInfoModel;
    ListModel m_componentLicenseModel;
    ListModel m_linuxComponentsModel;
    QString m_licenseDirectory;
    // A selection that arrives while a component is being read is not started.
    bool m_loading = false;
};

} // namespace view
