#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// While it lives, the process's local time is that of the zone named (an IANA name such as
// "Asia/Tokyo"), as if it had been started with TZ set to it; then the zone it had comes back.
class LocalTimeZone
{
public:
    explicit LocalTimeZone(const QByteArray &zone)
        : m_hadZone(qEnvironmentVariableIsSet("TZ"))
        , m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }

    ~LocalTimeZone()
    {
        if (m_hadZone)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }

    LocalTimeZone(const LocalTimeZone &) = delete;
    LocalTimeZone &operator=(const LocalTimeZone &) = delete;

private:
    bool m_hadZone;
    QByteArray m_previous;
};
