#pragma once

#include "signal_interface/favorites_types.h"
#include "value/error_text.h"

#include "favorite.pb.h"

namespace pbSupport::conversion {

// A sauna keeps eight favorites, in slots 0-7.
constexpr unsigned favoriteCount = 8;

// Index 0-7, a name of at most 20 code units, and either no relay flags or all seven. Absent
// fields keep out's values, so a report may update part of a favorite.
value::ErrorText_SPT toSiFavorite(const vaholumo::Favorite_post &post,
                                  signalInterface::FavoritesTypes::FavoritesPost &out);

// A deleted favorite (not in use) travels as its index and the in-use flag only.
void toPbFavorite(const signalInterface::FavoritesTypes::FavoritesPost &favorite,
                  vaholumo::Favorite_post &out);

} // namespace pbSupport::conversion
