#include "view_cpp/source_file_name.h"

#include <QFileInfo>

namespace view::message {

QString sourceFileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace view::message
