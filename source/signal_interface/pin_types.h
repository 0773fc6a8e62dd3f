#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// PIN page kinds and the PIN code value.
class PinTypes : public QObject, public EnumConversions<PinTypes>
{
    Q_OBJECT

public:
    enum PinViewTypes : int {
        E_demandPin = 0,
        E_changePin = 1,
        E_last = 2,
    };
    Q_ENUM(PinViewTypes)

    explicit PinTypes(QObject *parent = nullptr);
    ~PinTypes() override;

    // A PIN code of at most four characters, kept as text.
    class Pin
    {
    public:
        static constexpr int maximumLength = 4;
        static QString defaultPinText() { return QStringLiteral("4826"); }

        Pin()
            : m_pin(defaultPinText())
        {}
        explicit Pin(const QString &text) { setPin(text); }
        Pin(const Pin &) = default;
        Pin(Pin &&) = default;
        Pin &operator=(const Pin &) = default;
        Pin &operator=(Pin &&) = default;
        virtual ~Pin() = default;

        const QString &pin() const { return m_pin; }
        // Keeps the first four characters; whether they are digits is the caller's concern.
        void setPin(const QString &text) { m_pin = text.left(maximumLength); }
        void assign(const QString &text) { setPin(text); }

        bool operator==(const Pin &other) const { return m_pin == other.m_pin; }
        bool operator!=(const Pin &other) const { return !(*this == other); }

    private:
        QString m_pin;
    };
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::PinTypes::Pin)
