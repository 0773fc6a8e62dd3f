#pragma once

#include <QString>

namespace view::message {

// The last component of a source path, named in the internal-error message.
QString sourceFileName(const QString &path);

} // namespace view::message
