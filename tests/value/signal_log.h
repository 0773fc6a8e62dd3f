#pragma once

#include "value/humidity_value.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <type_traits>

// Records the signals of the objects under test as "name(arg,arg)" texts in the order they were
// emitted, so that a test can check both the arguments and the order across signals.
class SignalLog
{
public:
    template<typename Sender, typename Object, typename... Args>
    void watch(Sender *object, void (Object::*signal)(Args...), const QString &name)
    {
        QObject::connect(object, signal, &m_context, [this, name](Args... args) {
            QStringList texts{describeArgument(args)...};
            m_entries.append(name + QLatin1Char('(') + texts.join(QLatin1Char(',')) +
                             QLatin1Char(')'));
        });
    }

    // The entries recorded since the last call.
    QStringList take()
    {
        QStringList entries;
        entries.swap(m_entries);
        return entries;
    }

private:
    template<typename T>
    static QString describeArgument(const T &argument)
    {
        if constexpr (std::is_same_v<T, bool>)
            return argument ? QStringLiteral("true") : QStringLiteral("false");
        else if constexpr (std::is_enum_v<T>)
            return QString::number(int(argument));
        else if constexpr (std::is_arithmetic_v<T>)
            return QString::number(argument);
        else if constexpr (std::is_same_v<T, QString>)
            return argument;
        else if constexpr (std::is_same_v<T, QDate>)
            return argument.toString(Qt::ISODate);
        else if constexpr (std::is_same_v<T, QDateTime>)
            return argument.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        else if constexpr (std::is_same_v<T, value::HumidityValue_T>)
            return QStringLiteral("{%1 %2}").arg(argument.value).arg(int(argument.unit));
        else
            static_assert(std::is_same_v<T, void>, "no text form for this argument type");
    }

    QObject m_context;
    QStringList m_entries;
};
