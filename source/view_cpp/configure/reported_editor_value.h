#pragma once

#include "value/duration_manager.h"
#include "value/shown_temperature_base.h"
#include "value/time_value_manager.h"

#include <QObject>
#include <QSignalBlocker>

#include <optional>
#include <utility>

namespace view {

// Puts a report in minutes into a duration editor.
inline void loadDurationMinutes(value::DurationManager &editor, const int &minutes)
{
    editor.setValueInMinutes(minutes);
}

// Each editor's own signal that tells its value, whatever changed it.
inline auto valueChangedSignal(value::DurationManager *)
{
    return &value::DurationManager::durationValueChanged;
}
inline auto valueChangedSignal(value::TimeValueManager *)
{
    return &value::TimeValueManager::timeValueChanged;
}
inline auto valueChangedSignal(value::ShownTemperatureBase *)
{
    return &value::ShownTemperatureBase::temperatureValueChanged;
}

// What an editor's value() gives, as its setValue takes it.
template<typename T>
const T &settableValue(const std::optional<T> &held)
{
    return *held;
}
inline const QDateTime &settableValue(const QDateTime &held)
{
    return held;
}

// What the sauna last reported for one value editor of a settings screen. Opening the editor
// loads the report (no value before the first one). Once opened, the editor follows every report
// for as long as the user has not changed it: it holds no value, or still the value the last load
// gave it. A value the user stepped to stands against later reports, so Save sends what the
// screen shows; a step back to the loaded value takes the report that came meanwhile at once. A
// report of what the editor shows makes that the sauna's value again: the editor follows the
// sauna from there, and the user's next step steps from it. An editor never opened waits for its
// opening, so it holds nothing a commit could send unseen. Load puts a report into the editor, in
// the editor's own unit.
template<typename Editor, typename Reported = int>
class ReportedEditorValue
{
public:
    using Load = void (*)(Editor &editor, const Reported &reported);

    explicit ReportedEditorValue(Editor &editor, Load load = setValue)
        : m_editor(editor)
        , m_load(load)
    {
        // A change of the value is looked at once it has been told to everyone: an editor the
        // user stepped back takes the report that came meanwhile, and what the screen was told
        // last is that report. Loading it within the change's own signal would let the rest of
        // that signal's receivers be told the stepped value after it. A load or a limit change
        // looked at so is no step: the editor has then taken the report, or holds a value of
        // its own.
        QObject::connect(
            &editor, valueChangedSignal(&editor), &m_context, [this] { offer(); },
            Qt::QueuedConnection);
    }

    const std::optional<Reported> &reported() const { return m_reported; }
    // Keeps the report; the editor takes it when it is offered, or on its opening.
    void store(const Reported &reported)
    {
        m_reported = reported;
        m_taken = false;
    }
    void report(const Reported &reported)
    {
        store(reported);
        offer();
    }
    // Opening the editor: it holds the report, or no value.
    void open()
    {
        m_opened = true;
        if (m_reported)
            load();
        else
            m_editor.clearValue();
    }
    // The sauna was replaced: neither the report nor the editor's value is the new sauna's. An
    // editor left open takes the new sauna's first report.
    void forget()
    {
        m_reported.reset();
        m_taken = false;
        m_editor.clearValue();
    }
    // The owner changes the editor's limits: a value they move is no step of the user's, so an
    // editor that followed the sauna before goes on following it, and shows the report as far
    // as the new limits allow.
    template<typename Apply>
    void changeLimits(Apply apply)
    {
        const bool followed = untouched();
        apply();
        if (!followed)
            return;
        if (m_opened && m_reported)
            load();
        else
            followFromHere();
    }
    // The editor follows the sauna again from what it holds, until the user steps it: for an
    // editor whose value was sent while it stays open.
    void followFromHere()
    {
        if (m_editor.hasValue())
            m_loaded = m_editor.value();
        m_taken = true;
    }
    // Whether the editor holds what the sauna told it (or nothing): a step the user took away
    // from it and back counts as none.
    bool untouched() const { return !m_editor.hasValue() || m_editor.value() == m_loaded; }

private:
    static void setValue(Editor &editor, const Reported &reported) { editor.setValue(reported); }
    // An opened editor that the user has not changed takes a report it has not taken yet: on a
    // report, and after a step of the user back to what the editor was given.
    void offer()
    {
        if (!m_opened || !m_reported || m_taken)
            return;
        if (untouched())
            load();
        else if (holdsReport())
            followFromHere();
    }
    // Whether the editor holds what loading the report would give it, as far as its limits
    // allow. The report is tried out unseen: the editor is told nothing, and holds the user's
    // value again after it.
    bool holdsReport()
    {
        const auto shown = m_editor.value();
        const QSignalBlocker unseen(&m_editor);
        m_load(m_editor, *m_reported);
        if (m_editor.value() == shown)
            return true;
        m_editor.setValue(settableValue(shown));
        return false;
    }
    // The editor holds the report as far as its limits allow; what it holds is what a report
    // left there, to tell the user's steps from it.
    void load()
    {
        m_load(m_editor, *m_reported);
        m_loaded = m_editor.value();
        m_taken = true;
    }

    Editor &m_editor;
    Load m_load;
    std::optional<Reported> m_reported;
    decltype(std::declval<const Editor &>().value()) m_loaded{};
    bool m_opened = false;
    // Whether the editor was given the kept report, or a value that stands for a newer one.
    bool m_taken = false;
    // Goes with this, and with it every change of the editor not yet looked at.
    QObject m_context;
};

} // namespace view
