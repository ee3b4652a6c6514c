#pragma once
// Who ships the program: its web address, shown on the buttons that lead there. The
// address is set when the program is built (WB_MAKER_WEB_ADDRESS).
#include <QString>
#include <QUrl>

namespace wb {

// As the buttons show it, without a scheme.
QString makerWebAddress();
// The page a browser is asked to open.
QUrl makerWebPage();

} // namespace wb
