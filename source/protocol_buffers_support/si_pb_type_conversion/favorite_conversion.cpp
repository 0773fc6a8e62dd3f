#include "protocol_buffers_support/si_pb_type_conversion/favorite_conversion.h"

#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "signal_interface/protocol_facts.h"

namespace pbSupport::conversion {

namespace {

constexpr unsigned highestFavoriteIndex = favoriteCount - 1;
constexpr int longestName = signalInterface::protocolFacts::longestFavoriteName;

} // namespace

value::ErrorText_SPT toSiFavorite(const vaholumo::Favorite_post &post,
                                  signalInterface::FavoritesTypes::FavoritesPost &out)
{
    using signalInterface::FavoritesTypes::FavoritesPost;

    if (!post.has_index())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no index"));
    if (post.index() > highestFavoriteIndex)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                    static_cast<int>(post.index()));
    if (post.name_size() > longestName)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("namelength"), post.name_size());
    QString name;
    if (!codeUnitsToText(post.name(), name, longestName))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("name code unit"));
    if (post.aux_relay_active_size() != 0 &&
        post.aux_relay_active_size() != FavoritesPost::auxiliaryRelayCount)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("auxiliary_relay_active size"),
                                    post.aux_relay_active_size());

    FavoritesPost favorite = out;
    favorite.index = post.index();
    if (post.has_in_use())
        favorite.inUse = post.in_use();
    favorite.name = name;
    if (post.has_humidity())
        favorite.humidity = post.humidity();
    if (post.has_temperature())
        favorite.temperature = post.temperature();
    if (post.has_bath_time())
        favorite.bathTime = post.bath_time();
    if (post.has_lights())
        favorite.lights = post.lights();
    if (post.aux_relay_active_size() == FavoritesPost::auxiliaryRelayCount)
        favorite.auxRelayActive =
            QList<bool>(post.aux_relay_active().begin(), post.aux_relay_active().end());
    out = favorite;
    return {};
}

void toPbFavorite(const signalInterface::FavoritesTypes::FavoritesPost &favorite,
                  vaholumo::Favorite_post &out)
{
    out.Clear();
    out.set_index(favorite.index);
    out.set_in_use(favorite.inUse);
    if (!favorite.inUse)
        return;
    textToCodeUnits(favorite.name, out.mutable_name());
    out.set_humidity(favorite.humidity);
    out.set_temperature(favorite.temperature);
    out.set_bath_time(favorite.bathTime);
    out.set_lights(favorite.lights);
    for (const bool active : favorite.auxRelayActive)
        out.add_aux_relay_active(active);
}

} // namespace pbSupport::conversion
