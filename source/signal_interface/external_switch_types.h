#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Function of the external switch input.
class ExternalSwitchTypes : public QObject
{
    Q_OBJECT

public:
    enum ExternalSwitchFunction : int {
        E_onOff = 0,
        E_renew = 1,
    };
    Q_ENUM(ExternalSwitchFunction)

    explicit ExternalSwitchTypes(QObject *parent = nullptr);
    ~ExternalSwitchTypes() override;

    // fromInt writes result only for a declared value; toText gives the key text.
    static bool fromInt(int value, ExternalSwitchFunction &result);
    static QString toText(ExternalSwitchFunction value);
};

} // namespace signalInterface
