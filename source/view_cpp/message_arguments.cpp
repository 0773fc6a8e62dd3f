#include "view_cpp/message_arguments.h"

#include <set>

namespace view::message {

namespace {

// The placeholder number at position i (text[i] is '%'), or 0 when none starts there; length is
// set to the characters it occupies.
int placeholderAt(const QString &text, qsizetype i, qsizetype &length)
{
    int number = 0;
    qsizetype end = i + 1;
    while (end < text.size() && end < i + 3 && text.at(end).isDigit() &&
           text.at(end).unicode() < 128) {
        number = number * 10 + (text.at(end).unicode() - '0');
        ++end;
    }
    length = end - i;
    return number;
}

} // namespace

QString fillArguments(const QString &text, const QStringList &arguments)
{
    std::set<int> numbers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        qsizetype length = 0;
        if (const int number = placeholderAt(text, i, length); number > 0)
            numbers.insert(number);
    }

    std::vector<int> argumentOf(100, -1);
    int next = 0;
    for (const int number : numbers) {
        if (next >= static_cast<int>(arguments.size()))
            break;
        argumentOf[number] = next++;
    }

    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        if (text.at(i) == QLatin1Char('%')) {
            const int number = placeholderAt(text, i, length);
            if (number > 0 && argumentOf[number] >= 0) {
                result += arguments.at(argumentOf[number]);
                i += length;
                continue;
            }
        }
        result += text.mid(i, length);
        i += length;
    }
    return result;
}

} // namespace view::message
