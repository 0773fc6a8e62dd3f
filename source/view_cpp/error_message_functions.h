#pragma once

#include <QObject>

#include <map>

namespace view::details {

// Owner of the sauna error-code texts; its class name is their translation context.
class ErrorMessageFunctions : public QObject
{
    Q_OBJECT

public:
    ErrorMessageFunctions() = delete;

    // English source texts by error code, in the form the translation files know them.
    static const std::map<int, const char *> &sourceTexts();

    // The source text translated into the language installed now.
    static QString translated(const char *sourceText);
};

} // namespace view::details
