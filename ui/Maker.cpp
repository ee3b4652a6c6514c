#include "ui/Maker.h"

namespace wb {

QString makerWebAddress()
{
    return QStringLiteral(WB_MAKER_WEB_ADDRESS);
}

QUrl makerWebPage()
{
    return QUrl::fromUserInput(makerWebAddress());
}

} // namespace wb
