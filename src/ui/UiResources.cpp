#include "ui/UiResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initCaldrixResource()
{
    Q_INIT_RESOURCE(caldrix);
}

namespace cdx {

void initUiResources()
{
    initCaldrixResource();
}

} // namespace cdx
