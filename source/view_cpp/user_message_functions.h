#pragma once

#include <QObject>

#include <map>

namespace view::details {

// Owner of the system and panel message texts; its class name is their translation context.
class UserMessageFunctions : public QObject
{
    Q_OBJECT

public:
    UserMessageFunctions() = delete;

    // English source texts of the sauna system's messages 0x1000-0x1012, by id.
    static const std::map<int, const char *> &systemSourceTexts();

    // English source texts of the panel's own messages 0x2001-0x204e, by id.
    static const std::map<int, const char *> &panelSourceTexts();

    // The source text translated into the language installed now.
    static QString translated(const char *sourceText);
};

} // namespace view::details
