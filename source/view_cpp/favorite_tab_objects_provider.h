#pragma once

#include "control/favorite_controller.h"
#include "control/favorite_overview_controller.h"

#include <QList>

namespace details {

// The controllers of the favorites tab.
class FavoriteTabObjectsProvider
{
public:
    FavoriteTabObjectsProvider();
    virtual ~FavoriteTabObjectsProvider();

    FavoriteTabObjectsProvider(const FavoriteTabObjectsProvider &) = delete;
    FavoriteTabObjectsProvider &operator=(const FavoriteTabObjectsProvider &) = delete;

    void publishToQml();
    // Each returns the number of connections that failed.
    int connectLanguageSignals(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);

    control::FavoriteController favoriteController;
    control::FavoriteOverviewController favoriteOverviewController;
};

} // namespace details
