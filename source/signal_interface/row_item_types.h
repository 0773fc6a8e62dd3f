#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// When a list row shows its pressed background.
class RowItemTypes : public QObject
{
    Q_OBJECT

public:
    enum BackgroundPressedMode : int {
        E_showWhenPressed = 0,
        E_showWhenReleased = 1,
        E_disable = 2,
    };
    Q_ENUM(BackgroundPressedMode)

    explicit RowItemTypes(QObject *parent = nullptr);
    ~RowItemTypes() override;
};

} // namespace signalInterface
