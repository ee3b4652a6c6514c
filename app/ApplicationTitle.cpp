#include "app/ApplicationTitle.h"

namespace wb {

QString applicationTitle(const QString& executableFileName)
{
    QString name = executableFileName.section(QLatin1Char('/'), -1);
    name = name.section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

} // namespace wb
