#pragma once

#include "pc_panel/supported_characters.h"
#include "signal_interface/user_message_types.h"

#include <QStringList>

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
