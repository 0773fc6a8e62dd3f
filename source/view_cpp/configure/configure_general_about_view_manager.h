#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/variant_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace view {

// The About page of the General settings: this panel program, the connected sauna system, the
// application that answered the connection and one block per node of the sauna's node list. A
// small sub-menu leads to the licence information and, on multi-steam systems, to the page that
// identifies the relay control boards. The page only shows; it sends nothing to the sauna. What a
// sauna reported is forgotten when its connection ends: the page then shows what it showed
// before any report ("Facility Type: Unknown", "System: Unknown", an empty software name).
class ConfigureGeneralAboutViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralAboutViewManager(QObject *parent);

    // The two lists, which the provider publishes as members: the sub-menu ("License Info" and,
    // on multi-steam systems, "Identify RCB") and the information rows.
    ListModel subFunctionModel;
    ListModel infoModel;

    // The QML page's aboutViewVisibleChanged(bool) and aboutSubFunctionSelected(int).
    int connectToView(const QList<QObject *> &senders);
    // The variant controller's brandChanged.
    int connectVariantSignals(const QList<QObject *> &senders);
    // The bridge receiver's node, facility type, system mode, board product and function reports.
    int connectSaunaSignals(const QList<QObject *> &senders) override;
    // The link's connection state machine: the application that answered the connection.
    int connectConnectionStateSignals(const QList<QObject *> &senders);
    // The link's connectedChanged(bool): a disconnect forgets the sauna.
    int connectLinkSignals(const QList<QObject *> &senders);

public slots:
    void onAboutViewVisibleChanged(bool visible);
    void onConnectedChanged(bool connected);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void
    onSaunaNodeListItemChanged(::signalInterface::NodeInformationTypes::NodeInformationPost post);
    void onRemoteApplicationIdentified(QString name, QString version);
    void onBrandChanged(::signalInterface::VariantTypes::Brand brand);
    void onSaunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType facilityType);
    void onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onAboutSubFunctionSelected(int id);
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);

private:
    static constexpr int nodeSlotCount = 8;
    // Addresses up to this one are not nodes of the bus that the page lists.
    static constexpr qint32 highestHiddenNodeAddress = 63;

    void rebuild();
    // Rebuilds only while the page is shown, that is while its information list has rows.
    void rebuildIfShown();
    void appendSubFunction(const QString &text, int id);
    void appendInfo(const QString &text, bool title = false);
    void appendLabelled(const QString &label, const QString &value);
    void appendNodeBlock(int slot);
    QString facilityText() const;
    QString systemText() const;
    QString productText(quint32 product) const;
    static QString profileText(::signalInterface::NodeInformationTypes::NodeProfileMode profile);

    // What the sauna system reported about itself.
    struct SaunaFacts
    {
        std::array<::signalInterface::NodeInformationTypes::NodeInformationPost, nodeSlotCount>
            nodes{};
        ::signalInterface::SaunaStateTypes::FacilityType facilityType =
            ::signalInterface::SaunaStateTypes::E_unknown;
        ::signalInterface::MasterFuncDescTypes::SystemMode systemMode =
            ::signalInterface::MasterFuncDescTypes::E_standard;
        ::signalInterface::MasterFuncDescTypes::RcbProduct masterProduct =
            ::signalInterface::MasterFuncDescTypes::E_unknown;
        bool lite = false;
        QString softwareName;
        QString softwareVersion;
    };

    std::optional<::signalInterface::VariantTypes::Brand> m_brand;
    SaunaFacts m_sauna;
};

} // namespace view
