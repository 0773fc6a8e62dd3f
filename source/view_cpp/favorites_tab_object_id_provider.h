#pragma once

#include <QObject>
#include <QString>

namespace details {

// The object names of the favorites tab's items.
// The QML items take their object names from these slots and the start-up wiring looks the same
// names up, so the two cannot drift apart.
class FavoritesTabObjectIdProvider : public QObject
{
    Q_OBJECT

public:
    FavoritesTabObjectIdProvider();

public slots:
    QString favoritesSelectorName() const;
    QString favoriteBathTimeControlName() const;
};

} // namespace details
