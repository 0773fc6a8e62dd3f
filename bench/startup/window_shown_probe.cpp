// Loaded into a measured program with LD_PRELOAD. When the first window of the class named in
// STARTUP_PROBE_WINDOW_CLASS is exposed, it notes the monotonic time, lets the program settle for
// STARTUP_PROBE_SETTLE_MS, writes "<exposed ns> <resident kB>" to STARTUP_PROBE_REPORT and quits
// the application. With STARTUP_PROBE_VALUE_ITEM set, it waits instead until the text of the scene
// item of that object name is no longer STARTUP_PROBE_VALUE_EMPTY, and writes
// "<exposed ns> <resident kB> <value shown ns>". The measured program itself is not changed.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <time.h>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

class WindowShownProbe : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_exposedAt != 0 || event->type() != QEvent::Expose)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget) {
            // Widgets receive their expose through their window handle.
            for (QWidget *topLevel : QApplication::topLevelWidgets()) {
                if (static_cast<QObject *>(topLevel->windowHandle()) == watched)
                    widget = topLevel;
            }
        }
        if (!widget || !widget->isVisible() ||
            qstrcmp(widget->metaObject()->className(), qgetenv("STARTUP_PROBE_WINDOW_CLASS")) != 0)
            return false;
        m_exposedAt = monotonicNanoseconds();
        if (qEnvironmentVariableIsSet("STARTUP_PROBE_VALUE_ITEM")) {
            m_view = widget->findChild<QQuickWidget *>();
            // Polled once a millisecond: the probe sees the scene only from outside.
            auto *poll = new QTimer(this);
            poll->setInterval(1);
            connect(poll, &QTimer::timeout, this, [this, poll] {
                if (!valueShown())
                    return;
                poll->stop();
                m_valueShownAt = monotonicNanoseconds();
                report();
            });
            poll->start();
            return false;
        }
        QTimer::singleShot(qEnvironmentVariableIntValue("STARTUP_PROBE_SETTLE_MS"), this,
                           [this] { report(); });
        return false;
    }

private:
    bool valueShown() const
    {
        if (!m_view || !m_view->rootObject())
            return false;
        const QObject *item = m_view->rootObject()->findChild<QObject *>(
            qEnvironmentVariable("STARTUP_PROBE_VALUE_ITEM"));
        if (!item)
            return false;
        const QString text = item->property("text").toString();
        return !text.isEmpty() && text != qEnvironmentVariable("STARTUP_PROBE_VALUE_EMPTY");
    }

    void report()
    {
        QFile file(qEnvironmentVariable("STARTUP_PROBE_REPORT"));
        QByteArray line =
            QByteArray::number(m_exposedAt) + ' ' + QByteArray::number(residentKilobytes());
        if (m_valueShownAt != 0)
            line += ' ' + QByteArray::number(m_valueShownAt);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(line + '\n');
        file.close();
        QCoreApplication::quit();
    }

    qint64 m_exposedAt = 0;
    qint64 m_valueShownAt = 0;
    QQuickWidget *m_view = nullptr;
};

void installProbe()
{
    if (qEnvironmentVariableIsEmpty("STARTUP_PROBE_REPORT"))
        return;
    QCoreApplication::instance()->installEventFilter(new WindowShownProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
