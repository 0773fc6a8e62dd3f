#pragma once

#include "pc_panel/supported_characters.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/user_message_callback1.h"

#include <QStringList>

#include <optional>

namespace control::details {

// Ids of the panel messages that the calendar and favorite controllers raise.
namespace panelMessageId {
constexpr quint32 noFree = 0x2003;
constexpr quint32 noFreeFavorite = 0x2005;
constexpr quint32 favoriteNameExists = 0x2006;
constexpr quint32 overwriteFavorite = 0x2007;
constexpr quint32 confirmFavoriteDelete = 0x2008;
constexpr quint32 confirmClearCalendar = 0x200a;
constexpr quint32 readyAtBeforeHeatingTime = 0x200b;
constexpr quint32 readyAtBeforeFactoryHeatingTime = 0x200c;
constexpr quint32 weekdayProgramEditedElsewhere = 0x200f;
constexpr quint32 dateProgramEditedElsewhere = 0x2010;
constexpr quint32 favoriteEditedElsewhere = 0x2012;
constexpr quint32 programsAffectedByFavorite = 0x2013;
constexpr quint32 confirmDelete = 0x2015;
constexpr quint32 notAllowedStartConflict = 0x2020;
constexpr quint32 notAllowedStartMayConflict = 0x2021;
constexpr quint32 dateTimeIncorrect = 0x2024;
constexpr quint32 unsupportedFavoriteName = 0x203b;
constexpr quint32 saveChangedFavorite = 0x204c;
constexpr quint32 saveChangedProgram = 0x204f;
} // namespace panelMessageId

// A message that only informs: one "Ok" button.
inline signalInterface::UserMessageTypes::UserMessage infoMessage(quint32 id,
                                                                  const QStringList &arguments = {})
{
    signalInterface::UserMessageTypes::UserMessage message(id);
    message.type = signalInterface::UserMessageTypes::E_typeOneButton;
    message.arguments = arguments;
    return message;
}

// A question answered with "Yes" or "No".
inline signalInterface::UserMessageTypes::UserMessage
questionMessage(quint32 id, const QStringList &arguments = {})
{
    signalInterface::UserMessageTypes::UserMessage message(id);
    message.type = signalInterface::UserMessageTypes::E_typeTwoButtons;
    message.arguments = arguments;
    return message;
}

// The callback of a question about the item in a slot (a favorite, a calendar program) whose Yes
// sends an item there: its deletion, its change, or another item over it. Yes is carried out only
// while the slot still holds the item as it was when the question was asked: where another panel
// changed or deleted it meanwhile, Yes sends nothing over what is there now, and an open edit stays
// as the report of that change left it (its user was told then that the item was edited at
// another panel). An item new to its slot has nothing there to compare. No sends nothing, and is
// carried out as it is. While the question waits it is not raised again, so that its answer never
// acts on what a later raising stored.
template<class T, class Item>
class SlotQuestion : public view::message::UserMessageCallback1<T, Item>
{
public:
    using Base = view::message::UserMessageCallback1<T, Item>;
    using Answer = typename Base::Answer;
    // Whether the slot holds the item as the question found it there.
    using Holds = bool (T::*)(const Item &asked) const;
    using Dropped = void (T::*)();

    // dropped, where given, runs when a Yes is not carried out.
    SlotQuestion(T *target, typename Base::Member member, Holds holds, Dropped dropped = nullptr)
        : Base(target, member)
        , m_target(target)
        , m_holds(holds)
        , m_dropped(dropped)
    {}

    // Stores what the answer acts on and the item its slot holds now (none for a new item), just
    // before the question is raised; false, and nothing stored, while the question waits.
    bool ask(const Item &argument, std::optional<Item> held)
    {
        if (m_pending)
            return false;
        m_pending = true;
        m_held = std::move(held);
        this->setArgument(argument);
        return true;
    }

    void execute(const Answer &answer) override
    {
        m_pending = false;
        if (answer == signalInterface::UserMessageTypes::E_answerYes && m_held &&
            !(m_target->*m_holds)(*m_held)) {
            if (m_dropped)
                (m_target->*m_dropped)();
            return;
        }
        Base::execute(answer);
    }

private:
    T *m_target;
    Holds m_holds;
    Dropped m_dropped;
    std::optional<Item> m_held;
    bool m_pending = false;
};

// The longest favorite name the sauna keeps.
constexpr int favoriteNameMaximumLength = 20;

// What a favorite name has in place of each character the sauna cannot show.
constexpr QChar unsupportedNameReplacement = QLatin1Char('_');

// A favorite name as the connected sauna can show it, and the characters replaced in it, as the
// message to the user names them. While the sauna has not told which characters it shows, the
// name stays as it is and nothing is replaced.
struct ShowableName
{
    QString name;
    QString replaced;
};

inline ShowableName showableFavoriteName(const QString &name)
{
    const auto &supported = pcPanel::SupportedCharacters::instance();
    ShowableName showable{name, QString()};
    if (supported.count() == 0)
        return showable;
    const pcPanel::SupportedCharacters::CharacterSet unsupported =
        supported.unsupportedCharacters(name);
    if (unsupported.empty())
        return showable;
    supported.replaceUnsupported(unsupportedNameReplacement, showable.name);
    showable.replaced = pcPanel::SupportedCharacters::toString(unsupported);
    return showable;
}

} // namespace control::details
