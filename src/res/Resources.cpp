// SPDX-License-Identifier: MIT
#include "res/Resources.h"

#include <QtGlobal>

void InitTessaryResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(tessary);
        return true;
    }();
    Q_UNUSED(done);
}
