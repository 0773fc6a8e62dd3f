#pragma once

#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QPointer>

namespace view {

class ButtonItem;

// The Erase calendar screen: one button that asks for the calendar to be cleared. The calendar
// queue controller asks the user and clears; this screen asks nothing itself.
class ConfigureDateTimeEraseCalendarViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int eraseButtonId = 5;

    explicit ConfigureDateTimeEraseCalendarViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // "configureDateTimeSelector": visibility and the button.
    int connectToView(const QList<QObject *> &senders);

    // Empties the list.
    void clear();

signals:
    void clearCalendarRequested();

public slots:
    void onEraseCalendarViewVisibleChanged(bool visible);
    void onEraseCalendarSelected(int id);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    ListModel m_model;
    QPointer<ButtonItem> m_button;
};

} // namespace view
