#include "view_cpp/user_message_provider.h"

#include "view_cpp/error_message_functions.h"
#include "view_cpp/user_message_functions.h"

namespace view {

UserMessageProvider *UserMessageProvider::instance()
{
    static auto *const provider = new UserMessageProvider;
    return provider;
}

UserMessageProvider::UserMessageProvider()
{
    using details::ErrorMessageFunctions;
    using details::UserMessageFunctions;
    for (const auto &[id, sourceText] : UserMessageFunctions::systemSourceTexts())
        addText(id, [text = sourceText] { return UserMessageFunctions::translated(text); });
    for (const auto &[id, sourceText] : ErrorMessageFunctions::sourceTexts())
        addText(id, [text = sourceText] { return ErrorMessageFunctions::translated(text); });
    for (const auto &[id, sourceText] : UserMessageFunctions::panelSourceTexts())
        addText(id, [text = sourceText] { return UserMessageFunctions::translated(text); });
}

} // namespace view
