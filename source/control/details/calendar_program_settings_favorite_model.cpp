#include "control/details/calendar_program_settings_favorite_model.h"

#include "control/details/calendar_data_provider.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_tables.h"

namespace control::details {

CalendarProgramSettingsFavoriteModel::CalendarProgramSettingsFavoriteModel(
    CalendarDataProvider *dataProvider)
    : m_dataProvider(dataProvider)
    , m_model(new view::ListModel(view::RowItemBase::roleNames(), this))
{
    if (m_dataProvider) {
        connect(m_dataProvider, &CalendarDataProvider::favoritesChanged, this,
                &CalendarProgramSettingsFavoriteModel::rebuild);
    }
    rebuild();
}

CalendarProgramSettingsFavoriteModel::~CalendarProgramSettingsFavoriteModel() = default;

std::optional<int> CalendarProgramSettingsFavoriteModel::favoriteAtRow(int row) const
{
    if (row < 0 || row >= m_model->rowCount() || m_model->getApplId(row) == favoritesHeading)
        return std::nullopt;
    return m_model->getApplId(row);
}

void CalendarProgramSettingsFavoriteModel::setSelectedFavorite(int favorite)
{
    m_selectedFavorite = favorite;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        auto *item = qobject_cast<view::RowItem2 *>(m_model->itemAt(row));
        view::RowItem2::setCheckmarkCheckedOf(item, m_model->getApplId(row) == favorite);
    }
}

void CalendarProgramSettingsFavoriteModel::rebuild()
{
    m_model->clear();
    auto *custom = new view::RowItem2(view::LanguageSupport::customText(), customChoice);
    custom->setTypeOfItem(2);
    m_model->appendItem(custom);
    const QList<signalInterface::FavoritesTypes::FavoritesPost> favorites =
        m_dataProvider ? m_dataProvider->favoritesInUse()
                       : QList<signalInterface::FavoritesTypes::FavoritesPost>();
    if (!favorites.isEmpty()) {
        auto *heading = new view::RowItem2(view::LanguageSupport::favoriteText(), favoritesHeading);
        heading->setTypeOfItem(view::rowType::rawRow);
        m_model->appendItem(heading);
        for (const auto &favorite : favorites) {
            auto *row = new view::RowItem2(favorite.name, static_cast<int>(favorite.index));
            row->setTypeOfItem(2);
            m_model->appendItem(row);
        }
    }
    m_model->updateLayoutOrder();
    setSelectedFavorite(m_selectedFavorite);
}

} // namespace control::details
