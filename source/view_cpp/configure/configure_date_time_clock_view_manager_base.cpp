#include "view_cpp/configure/configure_date_time_clock_view_manager_base.h"

#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_item.h"

#include <utility>

namespace view {

namespace {

constexpr int headingFontSize = 12;

} // namespace

ConfigureDateTimeClockViewManagerBase::ConfigureDateTimeClockViewManagerBase(
    QObject *parent, std::vector<int> formats)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_formats(std::move(formats))
{}

int ConfigureDateTimeClockViewManagerBase::connectClockReports(const QList<QObject *> &senders,
                                                               signalInterface::SignalRoute format)
{
    return signalInterface::connectSenders(
        senders, this,
        {format,
         {SIGNAL(systemTimeFormattedChanged(QString, QString, QString)),
          SLOT(onSystemTimeFormattedChanged(QString, QString, QString))},
         {SIGNAL(systemTimeDetailsChanged(QDateTime, bool, bool)),
          SLOT(onSystemTimeDetailsChanged(QDateTime, bool, bool))}});
}

void ConfigureDateTimeClockViewManagerBase::clear()
{
    m_model.clear();
}

void ConfigureDateTimeClockViewManagerBase::onSystemTimeDetailsChanged(QDateTime dateTime,
                                                                       bool dateValid,
                                                                       bool timeValid)
{
    m_reported = dateTime;
    m_reportedDateValid = dateValid && dateTime.date().isValid();
    m_reportedTimeValid = timeValid && dateTime.time().isValid();
    if (dateValid && timeValid && dateTime.isValid())
        m_systemTime = dateTime;
    clockReported();
}

void ConfigureDateTimeClockViewManagerBase::rebuildRows(bool visible, bool withClock,
                                                        int clockRowId)
{
    m_model.clear();
    m_formatRows.clear();
    if (!visible)
        return;
    if (withClock) {
        m_clockRow = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
        m_clockRow->setApplId(clockRowId);
        m_model.appendItem(m_clockRow.data());
        m_heading = new TextItem(QString());
        m_heading->setFontSize(headingFontSize);
        m_model.appendItem(m_heading.data());
    }
    const int count = static_cast<int>(m_formats.size());
    for (int index = 0; index < count; ++index) {
        auto *row = new RowItem(rowType::onlyCheckmark, layoutPosition(index, count),
                                rowLayoutType::multiple);
        row->setApplId(m_formats[static_cast<std::size_t>(index)]);
        m_formatRows.emplace_back(row);
        m_model.appendItem(row);
    }
}

void ConfigureDateTimeClockViewManagerBase::showTexts(const QString &clockTitle,
                                                      const QString &clockValue,
                                                      const QString &heading,
                                                      const QStringList &formatTexts,
                                                      int checkedFormat)
{
    RowItem::setTextOnSubMenuOf(m_clockRow.data(), clockTitle);
    // No clock the sauna told, or none the panel can show, reads "--" as on the main screen.
    if (m_clockRow)
        m_clockRow->setData(clockValue.isEmpty() ? QStringLiteral("--") : clockValue,
                            RowItem::TextValue2Role);
    TextItem::setTextOf(m_heading.data(), heading);
    for (std::size_t index = 0; index < m_formatRows.size(); ++index) {
        RowItem *row = m_formatRows[index].data();
        if (index < static_cast<std::size_t>(formatTexts.size()))
            RowItem::setTextOnSubMenuOf(row, formatTexts.at(static_cast<int>(index)));
        RowItem::setCheckmarkCheckedOf(row, m_formats[index] == checkedFormat);
    }
}

} // namespace view
