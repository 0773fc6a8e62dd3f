#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace tools {

class SimulatedSauna;

// What the simulator prints while it runs, one line per event: panels that connect, are refused
// or leave, every request a connected panel makes with what came of it, and what the sauna does
// by itself at the time of a calendar program or of the descaling. Keep-alives are not printed.
class SimulatorConsole : public QObject
{
    Q_OBJECT

public:
    using Printer = std::function<void(const QString &line)>;

    SimulatorConsole(SimulatedSauna &sauna, Printer print, QObject *parent = nullptr);

private:
    Printer m_print;
};

} // namespace tools
