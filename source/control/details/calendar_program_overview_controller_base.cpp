#include "control/details/calendar_program_overview_controller_base.h"

#include "control/details/calendar_data_provider.h"
#include "control/details/panel_questions.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"

#include <optional>

namespace control::details {

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using view::LanguageSupport;

CalendarProgramOverviewControllerBase::CalendarProgramOverviewControllerBase(
    QObject *parent, CalendarDataProvider *dataProvider)
    : QObject(parent)
    , m_dataProvider(dataProvider)
{
    // The programs shown were the former sauna's.
    connect(m_dataProvider, &CalendarDataProvider::saunaDataCleared, this,
            [this] { saunaDataCleared(); });
}

void CalendarProgramOverviewControllerBase::saunaDataCleared()
{
    programStored();
}

CalendarProgramOverviewControllerBase::~CalendarProgramOverviewControllerBase() = default;

void CalendarProgramOverviewControllerBase::onWeekDayStartChanged(
    ::signalInterface::CalendarTypes::WeekDay day)
{
    CalendarTypes::WeekDay checked = m_weekStart;
    if (!CalendarTypes::fromInt(day, checked) || checked == m_weekStart)
        return;
    m_weekStart = checked;
    weekStartApplied();
}

void CalendarProgramOverviewControllerBase::onSaunaCalendarProgramChanged(
    ::signalInterface::CalendarProgram program)
{
    m_dataProvider->storeProgram(program);
    programStored();
}

void CalendarProgramOverviewControllerBase::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language language)
{
    signalInterface::LanguageTypes::Language checked = language;
    if (!signalInterface::LanguageTypes::fromInt(language, checked))
        return;
    languageApplied();
}

void CalendarProgramOverviewControllerBase::languageApplied()
{
    rebuildLists();
}

void CalendarProgramOverviewControllerBase::programStored()
{
    rebuildLists();
}

void CalendarProgramOverviewControllerBase::appendProgramRows(
    view::ListModel *model, const QList<CalendarProgram> &programs) const
{
    for (const CalendarProgram &program : programs) {
        auto *row = new view::RowItem2(m_dataProvider->programTimeText(program),
                                       static_cast<int>(program.index));
        const auto favorite = m_dataProvider->favorite(program.favorite);
        row->setData(favorite ? favorite->name : LanguageSupport::customText(),
                     view::RowItemBase::TextValue1Role);
        row->setData(program.standby ? LanguageSupport::standbyKindText(m_dataProvider->brand())
                                     : LanguageSupport::bathText(),
                     view::RowItemBase::TextValue2Role);
        model->appendItem(row);
    }
}

void CalendarProgramOverviewControllerBase::beginNewProgram(bool weekday, const QDateTime &start,
                                                            const QString &kindText)
{
    const std::optional<quint32> free = m_dataProvider->freeProgramIndex();
    if (!free) {
        emit panelUserMessageIssued(infoMessage(panelMessageId::noFree, {kindText}), nullptr);
        return;
    }
    CalendarProgram program(*free);
    program.weekday = weekday;
    program.startMode = CalendarTypes::E_ready_at;
    program.start = start;
    emit calendarProgramEditActivated(program);
}

} // namespace control::details
