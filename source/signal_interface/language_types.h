#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Languages of the panel's user interface.
class LanguageTypes : public QObject, public EnumConversions<LanguageTypes>
{
    Q_OBJECT

public:
    enum Language : int {
        E_czech = 0,
        E_dutch = 1,
        E_english = 2,
        E_finnish = 3,
        E_french = 4,
        E_german = 5,
        E_polish = 6,
        E_russian = 7,
        E_slovak = 8,
        E_spanish = 9,
        E_swedish = 10,
        E_danish = 11,
        E_norwegian = 12,
        E_portuguese = 13,
    };
    Q_ENUM(Language)

    explicit LanguageTypes(QObject *parent = nullptr);
    ~LanguageTypes() override;
};

} // namespace signalInterface
