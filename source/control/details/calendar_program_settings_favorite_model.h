#pragma once

#include <QObject>

#include <optional>

namespace view {
class ListModel;
}

namespace control::details {

class CalendarDataProvider;

// The choice a calendar program makes between its own settings ("Custom", the first row) and one
// of the sauna's favorites (one row each, by favorite number, below the heading "Favorite"), with
// the current choice checked.
class CalendarProgramSettingsFavoriteModel : public QObject
{
    Q_OBJECT

public:
    // The favorite number of the "Custom" row.
    static constexpr int customChoice = -1;
    // The application id of the favorites' heading, which is no choice.
    static constexpr int favoritesHeading = -2;

    // Has no QObject parent: its owner holds it by value next to the data provider.
    explicit CalendarProgramSettingsFavoriteModel(CalendarDataProvider *dataProvider);
    ~CalendarProgramSettingsFavoriteModel() override;

    view::ListModel *model() const { return m_model; }

    // The favorite number of a row (customChoice for "Custom"); nothing for a row that does not
    // exist or is the heading.
    std::optional<int> favoriteAtRow(int row) const;
    // Checks the row of the favorite (customChoice or 0-7); an unknown favorite checks none.
    void setSelectedFavorite(int favorite);
    int selectedFavorite() const { return m_selectedFavorite; }

public slots:
    // Rebuilds the rows from the favorites the sauna reports, and their texts after a language
    // change.
    void rebuild();

private:
    CalendarDataProvider *m_dataProvider;
    view::ListModel *m_model;
    int m_selectedFavorite = customChoice;
};

} // namespace control::details
