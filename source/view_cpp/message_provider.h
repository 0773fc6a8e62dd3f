#pragma once

#include <QSharedPointer>
#include <QString>

#include <functional>
#include <map>

namespace view::details {

// Table from a user-message id to the function that gives its text in the current language.
class MessageProvider
{
public:
    using TextFunction = std::function<QString()>;

    MessageProvider() = default;
    virtual ~MessageProvider() = default;

    // The id's text, translated now; the unknown-id text for an id without an entry.
    QString getText(int id) const;

    // A new string with the id's translated text, or null for an id without an entry.
    QSharedPointer<QString> findText(int id) const;

    // "Unknown user message id %1 (0x%2)" with the id in decimal and in lower-case hexadecimal.
    static QString unknownMessageText(int id);

protected:
    void addText(int id, TextFunction function);

private:
    std::map<int, TextFunction> m_texts;
};

} // namespace view::details
