#include "view_cpp/message_provider.h"

#include <QCoreApplication>

namespace view::details {

QString MessageProvider::getText(int id) const
{
    const auto entry = m_texts.find(id);
    if (entry == m_texts.end())
        return unknownMessageText(id);
    return entry->second();
}

QSharedPointer<QString> MessageProvider::findText(int id) const
{
    const auto entry = m_texts.find(id);
    if (entry == m_texts.end())
        return {};
    return QSharedPointer<QString>::create(entry->second());
}

QString MessageProvider::unknownMessageText(int id)
{
    // One-pass substitution, so that nothing inserted is scanned for placeholders again.
    return QCoreApplication::translate("QObject", "Unknown user message id %1 (0x%2)")
        .arg(QString::number(id), QString::number(static_cast<unsigned int>(id), 16));
}

void MessageProvider::addText(int id, TextFunction function)
{
    m_texts[id] = std::move(function);
}

} // namespace view::details
