#include "view_cpp/favorites_tab_object_id_provider.h"

namespace details {

FavoritesTabObjectIdProvider::FavoritesTabObjectIdProvider()
    : QObject(nullptr)
{}

QString FavoritesTabObjectIdProvider::favoritesSelectorName() const
{
    static const QString name = QStringLiteral("favoritesSelector");
    return name;
}

QString FavoritesTabObjectIdProvider::favoriteBathTimeControlName() const
{
    static const QString name = QStringLiteral("favoriteBathTimeControl");
    return name;
}

} // namespace details
