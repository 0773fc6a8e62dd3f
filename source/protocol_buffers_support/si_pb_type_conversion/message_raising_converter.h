#pragma once

#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QObject>

namespace pbSupport::conversion {

// Base of the converters that report programming errors (a value without a pair) to the user.
class MessageRaisingConverter : public QObject
{
    Q_OBJECT

public:
    ~MessageRaisingConverter() override;

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

protected:
    explicit MessageRaisingConverter(QObject *parent = nullptr);

    // Raises the internal-error message 0x201b naming a value that has no pair.
    void raiseMissingPair(const char *sourcePath, int line, const char *typeName, int value);
};

} // namespace pbSupport::conversion
