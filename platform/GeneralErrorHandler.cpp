#include "platform/GeneralErrorHandler.h"

#include <QCoreApplication>

namespace wb {

void handleUncaughtException(std::exception_ptr error)
{
    if (auto* handler = dynamic_cast<GeneralErrorHandler*>(QCoreApplication::instance()))
        handler->handleException(error);
    else
        std::rethrow_exception(error);
}

} // namespace wb
